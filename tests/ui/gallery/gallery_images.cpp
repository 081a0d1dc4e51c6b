#include "tests/ui/gallery/gallery_images.h"

#include <cstdlib>
#include <vector>

#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/scratch_dir.h"

namespace SkinUI {
namespace test {

namespace {

// A filled rounded rectangle with a one-pixel border; corners outside the
// radius stay transparent.
std::vector<BYTE> RoundedBox(int width, int height, int radius, DWORD fill, DWORD border)
{
    std::vector<BYTE> rgba = SolidRgba(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cx = x < radius ? radius - x - 1 : (x >= width - radius ? x - (width - radius) : -1);
            const int cy = y < radius ? radius - y - 1 : (y >= height - radius ? y - (height - radius) : -1);
            const int distance2 = (cx < 0 || cy < 0) ? -1 : cx * cx + cy * cy;
            if (distance2 > radius * radius) continue;
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1 ||
                              (distance2 >= (radius - 1) * (radius - 1));
            SetRgbaPixel(rgba, width, x, y, edge ? border : fill);
        }
    }
    return rgba;
}

// A 16 x 16 round radio mark, filled in the middle when selected.
std::vector<BYTE> RadioMark(bool selected)
{
    std::vector<BYTE> rgba = SolidRgba(16, 16, 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15;
            const int d2 = dx * dx + dy * dy;
            if (d2 > 225) continue;
            DWORD colour = d2 >= 169 ? 0xFF64748B : 0xFFFFFFFF;
            if (selected && d2 <= 49) colour = 0xFF2563EB;
            SetRgbaPixel(rgba, 16, x, y, colour);
        }
    }
    return rgba;
}

// A 16 x 16 check box, with a tick when checked.
std::vector<BYTE> CheckMark(bool checked)
{
    std::vector<BYTE> rgba = RoundedBox(16, 16, 3, checked ? 0xFF2563EB : 0xFFFFFFFF,
                                        checked ? 0xFF1D4ED8 : 0xFF64748B);
    if (checked) {
        const int tick[][2] = {{4, 8}, {5, 9}, {6, 10}, {7, 11}, {8, 10}, {9, 9}, {10, 8}, {11, 7}, {12, 6}};
        for (const auto& p : tick) {
            SetRgbaPixel(rgba, 16, p[0], p[1], 0xFFFFFFFF);
            SetRgbaPixel(rgba, 16, p[0], p[1] - 1, 0xFFFFFFFF);
        }
    }
    return rgba;
}

void Write(const ScratchDir& skin, const wchar_t* name, int width, int height, const std::vector<BYTE>& rgba)
{
    WriteBytes(skin.Sub(L"Image\\") + name, EncodePng(width, height, rgba));
}

}  // namespace

void WriteGalleryImages(const ScratchDir& skin)
{
    skin.MakeFolder(L"Image");
    Write(skin, L"btn_normal.png", 24, 24, RoundedBox(24, 24, 5, 0xFF3B82F6, 0xFF2563EB));
    Write(skin, L"btn_hot.png", 24, 24, RoundedBox(24, 24, 5, 0xFF2563EB, 0xFF1D4ED8));
    Write(skin, L"btn_pushed.png", 24, 24, RoundedBox(24, 24, 5, 0xFF1D4ED8, 0xFF1E40AF));
    Write(skin, L"btn_disabled.png", 24, 24, RoundedBox(24, 24, 5, 0xFFCBD5E1, 0xFFB6C2D2));
    Write(skin, L"panel.png", 24, 24, RoundedBox(24, 24, 6, 0xFFFFFFFF, 0xFFD6DEE8));
    Write(skin, L"field.png", 24, 24, RoundedBox(24, 24, 4, 0xFFFFFFFF, 0xFF94A3B8));
    Write(skin, L"track.png", 24, 8, RoundedBox(24, 8, 4, 0xFFE2E8F0, 0xFFCBD5E1));
    Write(skin, L"fill.png", 24, 8, RoundedBox(24, 8, 4, 0xFF22C55E, 0xFF16A34A));
    Write(skin, L"thumb.png", 14, 22, RoundedBox(14, 22, 4, 0xFFFFFFFF, 0xFF2563EB));
    Write(skin, L"radio.png", 16, 16, RadioMark(false));
    Write(skin, L"radio_on.png", 16, 16, RadioMark(true));
    Write(skin, L"check.png", 16, 16, CheckMark(false));
    Write(skin, L"check_on.png", 16, 16, CheckMark(true));
    WriteBytes(skin.Sub(L"Image\\blink.gif"), EncodeGif({0, 1}, {50, 50}));
}

const char kGalleryLayout[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<Window size=\"760,600\" caption=\"0,0,0,40\">\n"
    "  <Font id=\"0\" name=\"Tahoma\" size=\"13\" default=\"true\"/>\n"
    "  <Font id=\"1\" name=\"Tahoma\" size=\"20\" bold=\"true\"/>\n"
    "  <Font id=\"2\" name=\"Tahoma\" size=\"13\" bold=\"true\"/>\n"
    "  <Default name=\"Button\" value=\"height=&quot;32&quot; width=&quot;120&quot; textcolor=&quot;#FFFFFFFF&quot; "
    "normalimage=&quot;file='Image\\btn_normal.png' corner='6,6,6,6'&quot; "
    "hotimage=&quot;file='Image\\btn_hot.png' corner='6,6,6,6'&quot; "
    "pushedimage=&quot;file='Image\\btn_pushed.png' corner='6,6,6,6'&quot; "
    "disabledimage=&quot;file='Image\\btn_disabled.png' corner='6,6,6,6'&quot;\"/>\n"
    "  <Default name=\"Option\" value=\"height=&quot;24&quot; width=&quot;96&quot; align=&quot;left&quot; "
    "textpadding=&quot;22,0,0,0&quot; textcolor=&quot;#FF1F2A44&quot; "
    "normalimage=&quot;file='Image\\radio.png' dest='0,4,16,20'&quot; "
    "selectedimage=&quot;file='Image\\radio_on.png' dest='0,4,16,20'&quot;\"/>\n"
    "  <Default name=\"CheckBox\" value=\"height=&quot;24&quot; width=&quot;120&quot; align=&quot;left&quot; "
    "textpadding=&quot;22,0,0,0&quot; textcolor=&quot;#FF1F2A44&quot; "
    "normalimage=&quot;file='Image\\check.png' dest='0,4,16,20'&quot; "
    "selectedimage=&quot;file='Image\\check_on.png' dest='0,4,16,20'&quot;\"/>\n"
    "  <Default name=\"Label\" value=\"textcolor=&quot;#FF334155&quot;\"/>\n"
    "  <VerticalLayout name=\"root\" bkcolor=\"#FFF1F5F9\" inset=\"20,12,20,16\" childpadding=\"12\">\n"
    "    <HorizontalLayout height=\"36\">\n"
    "      <Label text=\"Control gallery\" font=\"1\" textcolor=\"#FF0F172A\"/>\n"
    "      <GifAnim name=\"animation\" bkimage=\"Image\\blink.gif\" width=\"14\" height=\"14\" padding=\"0,11,0,0\"/>\n"
    "    </HorizontalLayout>\n"
    "    <VerticalLayout height=\"88\" bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"8\">\n"
    "      <Label text=\"Buttons\" font=\"2\" height=\"20\"/>\n"
    "      <HorizontalLayout height=\"32\" childpadding=\"12\">\n"
    "        <Button name=\"apply\" text=\"Apply\"/>\n"
    "        <Button text=\"Reset\"/>\n"
    "        <Button text=\"Disabled\" enabled=\"false\"/>\n"
    "      </HorizontalLayout>\n"
    "    </VerticalLayout>\n"
    "    <VerticalLayout height=\"80\" bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"8\">\n"
    "      <Label text=\"Options and check boxes\" font=\"2\" height=\"20\"/>\n"
    "      <HorizontalLayout height=\"24\">\n"
    "        <Option name=\"rate125\" text=\"125 Hz\" group=\"rate\"/>\n"
    "        <Option name=\"rate500\" text=\"500 Hz\" group=\"rate\" selected=\"true\"/>\n"
    "        <Option name=\"rate1000\" text=\"1000 Hz\" group=\"rate\"/>\n"
    "        <CheckBox name=\"lighting\" text=\"Lighting\" selected=\"true\"/>\n"
    "        <CheckBox text=\"Angle snapping\"/>\n"
    "      </HorizontalLayout>\n"
    "    </VerticalLayout>\n"
    "    <HorizontalLayout height=\"176\" childpadding=\"12\">\n"
    "      <VerticalLayout bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"10\">\n"
    "        <Label text=\"Progress, slider, edit\" font=\"2\" height=\"20\"/>\n"
    "        <Progress name=\"progress\" height=\"8\" min=\"0\" max=\"100\" value=\"65\" "
    "bkimage=\"file='Image\\track.png' corner='4,4,4,4'\" foreimage=\"file='Image\\fill.png' corner='4,4,4,4'\"/>\n"
    "        <Slider name=\"slider\" height=\"22\" min=\"0\" max=\"100\" value=\"40\" thumbsize=\"14,22\" "
    "bkimage=\"file='Image\\track.png' corner='4,4,4,4' dest='0,7,320,15'\" "
    "thumbimage=\"file='Image\\thumb.png'\"/>\n"
    "        <Edit name=\"edit\" height=\"30\" text=\"800 DPI\" textpadding=\"8,0,8,0\" textcolor=\"#FF0F172A\" "
    "normalimage=\"file='Image\\field.png' corner='5,5,5,5'\"/>\n"
    "      </VerticalLayout>\n"
    "      <VerticalLayout bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"10\">\n"
    "        <Label text=\"Labels and text\" font=\"2\" height=\"20\"/>\n"
    "        <Label text=\"Left aligned\" height=\"20\" align=\"left\"/>\n"
    "        <Label text=\"Centred\" height=\"20\" align=\"center\"/>\n"
    "        <Label text=\"Right aligned\" height=\"20\" align=\"right\"/>\n"
    "        <Text name=\"text\" height=\"20\" showhtml=\"true\" "
    "text=\"Markup: {b}bold{/b}, {c #FFDC2626}red{/c} and a {a https://example.com}link{/a}\"/>\n"
    "      </VerticalLayout>\n"
    "    </HorizontalLayout>\n"
    "    <HorizontalLayout childpadding=\"12\">\n"
    "      <VerticalLayout bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"8\">\n"
    "        <Label text=\"List\" font=\"2\" height=\"20\"/>\n"
    "        <List name=\"list\" bkcolor=\"#FFFFFFFF\" bordercolor=\"#FFD6DEE8\" bordersize=\"1\" itemheight=\"22\" "
    "itemtextpadding=\"8,0,8,0\" itemselectedbkcolor=\"#FFDBEAFE\" itemhotbkcolor=\"#FFF1F5F9\">\n"
    "          <ListHeader height=\"24\" bkcolor=\"#FFE2E8F0\">\n"
    "            <ListHeaderItem text=\"Macro\" width=\"160\" textpadding=\"8,0,0,0\" align=\"left\"/>\n"
    "            <ListHeaderItem text=\"Steps\" width=\"252\" textpadding=\"8,0,0,0\" align=\"left\"/>\n"
    "          </ListHeader>\n"
    "          <ListLabelElement text=\"Double click\"/>\n"
    "          <ListLabelElement text=\"Burst fire\" selected=\"true\"/>\n"
    "          <ListLabelElement text=\"Crouch jump\"/>\n"
    "        </List>\n"
    "      </VerticalLayout>\n"
    "      <VerticalLayout width=\"240\" bkimage=\"file='Image\\panel.png' corner='8,8,8,8'\" inset=\"16,12,16,12\" childpadding=\"8\">\n"
    "        <Label text=\"Combo box\" font=\"2\" height=\"20\"/>\n"
    "        <Combo name=\"combo\" height=\"30\" textpadding=\"8,0,8,0\" "
    "normalimage=\"file='Image\\field.png' corner='5,5,5,5'\" itemtextpadding=\"8,0,8,0\">\n"
    "          <ListLabelElement text=\"Profile 1\" height=\"24\" selected=\"true\"/>\n"
    "          <ListLabelElement text=\"Profile 2\" height=\"24\"/>\n"
    "          <ListLabelElement text=\"Profile 3\" height=\"24\"/>\n"
    "        </Combo>\n"
    "        <Control/>\n"
    "      </VerticalLayout>\n"
    "    </HorizontalLayout>\n"
    "  </VerticalLayout>\n"
    "</Window>\n";

}  // namespace test
}  // namespace SkinUI
