#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/render/owned_image.h"
#include "tests/ui/render/render_api_scope.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/image_description.h"
#include "ui/core/image_loader.h"

namespace SkinUI {
namespace {

using test::MemCanvas;
using test::OwnedImage;
using test::RgbNear;

// 12 x 12 with 4-pixel borders, each of the nine regions in its own colour.
const DWORD kGrid[3][3] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF},
                           {0xFFFFFF00, 0xFFFFFFFF, 0xFF00FFFF},
                           {0xFFFF00FF, 0xFF808080, 0xFFFF8000}};
const RECT kCorners4 = {4, 4, 4, 4};
const RECT kNoCorners = {0, 0, 0, 0};

OwnedImage NineGridImage()
{
    std::vector<BYTE> rgba(12 * 12 * 4);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) test::SetRgbaPixel(rgba, 12, x, y, kGrid[y / 4][x / 4]);
    return OwnedImage(ImageLoaderUI::CreateFromRgba(rgba.data(), 12, 12, 0));
}

void ExpectNineRegions(const MemCanvas& canvas, bool middleDrawn)
{
    const int at[3] = {2, 20, 37};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const DWORD expected = (row == 1 && col == 1 && !middleDrawn) ? 0x000000 : kGrid[row][col];
            EXPECT_TRUE(RgbNear(canvas.Pixel(at[col], at[row]), expected)) << "region " << row << "," << col;
        }
}

TEST(NineGrid, CornersKeepTheirSizeEdgesAndMiddleStretch)
{
    OwnedImage image = NineGridImage();
    MemCanvas canvas(40, 40);
    const RECT dest = {0, 0, 40, 40};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, false);
    ExpectNineRegions(canvas, true);
    EXPECT_TRUE(RgbNear(canvas.Pixel(3, 3), 0xFF0000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 1), 0x00FF00, 0));
    canvas.SavePng(L"nine_grid.png");

    canvas.Fill(0xFF000000);
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, false, 255, true);
    ExpectNineRegions(canvas, false);
}

TEST(NineGrid, BlendedPiecesLandInTheSameRegions)
{
    for (bool fallback : {false, true}) {
        test::RenderApiScope api;
        if (fallback) RenderApiUI::Get().alphaBlend = nullptr;
        OwnedImage image = NineGridImage();
        MemCanvas canvas(40, 40);
        const RECT dest = {0, 0, 40, 40};
        CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, true);
        ExpectNineRegions(canvas, true);
    }
}

// 10 x 4, column x has red = 20 x (x + 1).
DWORD ColumnColor(int x) { return (20u * (x + 1)) << 16; }

OwnedImage ColumnImage()
{
    std::vector<BYTE> rgba(10 * 4 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x) test::SetRgbaPixel(rgba, 10, x, y, 0xFF000000 | ColumnColor(x));
    return OwnedImage(ImageLoaderUI::CreateFromRgba(rgba.data(), 10, 4, 0));
}

TEST(Tiling, TilesRepeatAndTheLastIsCutFromTheLeft)
{
    OwnedImage image = ColumnImage();
    MemCanvas canvas(30, 12);
    const RECT dest = {0, 0, 25, 10};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 10, 4}, kNoCorners, false, 255, false,
                           true, false);
    for (int x : {0, 9, 12, 20, 24}) EXPECT_TRUE(RgbNear(canvas.Pixel(x, 8), ColumnColor(x % 10), 0)) << x;
    EXPECT_TRUE(RgbNear(canvas.Pixel(25, 4), 0x000000, 0));

    canvas.Fill(0xFF000000);
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 10, 4}, kNoCorners, false, 255, false,
                           true, true);
    EXPECT_TRUE(RgbNear(canvas.Pixel(24, 9), ColumnColor(4), 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(12, 10), 0x000000, 0));

    // y-tiled only: each tile spans the whole width.
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, RECT{0, 0, 20, 10}, dest, RECT{0, 0, 10, 4}, kNoCorners,
                           false, 255, false, false, true);
    EXPECT_TRUE(RgbNear(canvas.Pixel(19, 9), ColumnColor(9), 0));
}

TEST(Blending, FadeAndPerPixelAlphaApplyOnce)
{
    const DWORD sources[2] = {0xFFFFFFFF, 0x80FFFFFF};
    for (bool fallback : {false, true}) {
        test::RenderApiScope api;
        if (fallback) RenderApiUI::Get().alphaBlend = nullptr;
        for (DWORD source : sources) {
            OwnedImage image(ImageLoaderUI::CreateFromRgba(test::SolidRgba(2, 2, source).data(), 2, 2, 0));
            MemCanvas canvas(8, 8);
            const RECT dest = {0, 0, 8, 8};
            const BYTE fade = source == 0xFFFFFFFF ? 0x80 : 0xFF;
            CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 2, 2}, kNoCorners, image->alpha,
                                   fade);
            EXPECT_TRUE(RgbNear(canvas.Pixel(4, 4), 0x808080)) << "fallback " << fallback << std::hex << source;
        }
    }
}

TEST(Description, PairsBareNamesAndBrokenPairs)
{
    ImageDrawInfoUI info;
    ImageLoadRequestUI request;
    info.description = L"file='a.png' corner='4,5,6,7' source='1,2,3,4' dest='0,0,16,16' fade='128' "
                       L"hole='true' xtiled='true' ytiled='yes' mask='#FFFF00FF' hsl='true' other='x' file=''";
    ParseImageDescription(info, request);
    EXPECT_STREQ(request.name, L"a.png");
    EXPECT_EQ(info.corner.left, 4);
    EXPECT_EQ(info.corner.bottom, 7);
    EXPECT_EQ(info.source.right, 3);
    EXPECT_EQ(info.dest.right, 16);
    EXPECT_EQ(info.fade, 128);
    EXPECT_TRUE(info.hole && info.xTiled && !info.yTiled && request.adjust);
    EXPECT_EQ(request.mask, 0xFFFF00FFu);

    struct Case {
        const wchar_t* text;
        const wchar_t* name;
    } cases[] = {{L"Image\\my button.png", L"Image\\my button.png"},
                 {L"file='b.png' corner=2,2,2,2 fade='10'", L"b.png"},
                 {L"file='c.png'fade='10'", L"c.png"},
                 {L"file='d.png", L"file='d.png"},
                 {L"color='#80FF0000'", L"#80FF0000"}};
    for (const Case& c : cases) {
        ImageDrawInfoUI parsed;
        ImageLoadRequestUI loaded;
        parsed.description = c.text;
        ParseImageDescription(parsed, loaded);
        EXPECT_STREQ(loaded.name, c.name) << c.text;
        EXPECT_EQ(parsed.fade, 255) << c.text;
        EXPECT_EQ(parsed.corner.left, 0) << c.text;
    }
}

TEST(Description, ShortNumberListsEndWithZeros)
{
    LONG values[4] = {9, 9, 9, 9};
    ReadNumberList(L"7", values, 4);
    EXPECT_EQ(values[0], 7);
    EXPECT_EQ(values[3], 0);
    ReadNumberList(L"5 6,-7,", values, 4);
    EXPECT_EQ(values[1], 6);
    EXPECT_EQ(values[2], -7);
    EXPECT_EQ(values[3], 0);
}

}  // namespace
}  // namespace SkinUI
