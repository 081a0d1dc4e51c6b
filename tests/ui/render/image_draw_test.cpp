#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/ui/render/render_api_scope.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/image_description.h"
#include "ui/core/image_loader.h"
#include "ui/core/renderer.h"

namespace SkinUI {
namespace {

using test::MemCanvas;
using test::RgbNear;

struct ImageDeleter {
    void operator()(ImageRecordUI* image) const { CRendererUI::FreeImage(image); }
};
using ImagePtr = std::unique_ptr<ImageRecordUI, ImageDeleter>;

ImagePtr MakeImage(int width, int height, const std::vector<BYTE>& rgba)
{
    return ImagePtr(ImageLoaderUI::CreateFromRgba(rgba.data(), width, height, 0));
}

// 12 x 12 with 4-pixel borders, each of the nine regions in its own colour.
const DWORD kGrid[3][3] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF},
                           {0xFFFFFF00, 0xFFFFFFFF, 0xFF00FFFF},
                           {0xFFFF00FF, 0xFF808080, 0xFFFF8000}};

ImagePtr NineGridImage()
{
    std::vector<BYTE> rgba(12 * 12 * 4);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) test::SetRgbaPixel(rgba, 12, x, y, kGrid[y / 4][x / 4]);
    return MakeImage(12, 12, rgba);
}

const RECT kCorners4 = {4, 4, 4, 4};
const RECT kNoCorners = {0, 0, 0, 0};

void ExpectNineRegions(const MemCanvas& canvas, bool middleDrawn)
{
    const int at[3] = {2, 20, 37};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const DWORD expected = (row == 1 && col == 1 && !middleDrawn) ? 0x000000 : kGrid[row][col];
            EXPECT_TRUE(RgbNear(canvas.Pixel(at[col], at[row]), expected)) << "region " << row << "," << col;
        }
    }
}

TEST(NineGrid, CornersKeepTheirSizeEdgesAndMiddleStretch)
{
    ImagePtr image = NineGridImage();
    MemCanvas canvas(40, 40);
    const RECT dest = {0, 0, 40, 40};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, false);
    ExpectNineRegions(canvas, true);
    // Corners are drawn 1:1: the top-left red ends at x = 4.
    EXPECT_TRUE(RgbNear(canvas.Pixel(3, 3), 0xFF0000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 1), 0x00FF00, 0));
    canvas.SavePng(L"nine_grid.png");

    canvas.Fill(0xFF000000);
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, false, 255,
                           true);
    ExpectNineRegions(canvas, false);
}

TEST(NineGrid, BlendedImageDrawsTheSameRegions)
{
    for (bool fallback : {false, true}) {
        test::RenderApiScope api;
        if (fallback) RenderApiUI::Get().alphaBlend = nullptr;
        ImagePtr image = NineGridImage();
        MemCanvas canvas(40, 40);
        const RECT dest = {0, 0, 40, 40};
        CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 12, 12}, kCorners4, true);
        ExpectNineRegions(canvas, true);
    }
}

TEST(NineGrid, OnlyPiecesMeetingThePaintRectangleAreDrawn)
{
    ImagePtr image = NineGridImage();
    MemCanvas canvas(40, 40);
    const RECT dest = {0, 0, 40, 40};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, RECT{0, 0, 4, 4}, RECT{0, 0, 12, 12}, kCorners4,
                           false);
    EXPECT_TRUE(RgbNear(canvas.Pixel(2, 2), 0xFF0000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(37, 37), 0x000000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(20, 20), 0x000000, 0));
}

// 10 x 4, column x has red = 20 x (x + 1).
ImagePtr ColumnImage()
{
    std::vector<BYTE> rgba(10 * 4 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x) test::SetRgbaPixel(rgba, 10, x, y, 0xFF000000 | (20u * (x + 1)) << 16);
    return MakeImage(10, 4, rgba);
}

DWORD ColumnColor(int x) { return (20u * (x + 1)) << 16; }

TEST(Tiling, XTilesRepeatAndTheLastIsCutFromTheLeft)
{
    ImagePtr image = ColumnImage();
    MemCanvas canvas(30, 8);
    const RECT dest = {0, 0, 25, 8};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 10, 4}, kNoCorners, false, 255,
                           false, true, false);
    for (int x : {0, 7, 9}) {
        EXPECT_TRUE(RgbNear(canvas.Pixel(x, 1), ColumnColor(x), 0)) << x;
        EXPECT_TRUE(RgbNear(canvas.Pixel(x + 10, 6), ColumnColor(x), 0)) << x;
    }
    for (int x : {20, 22, 24}) EXPECT_TRUE(RgbNear(canvas.Pixel(x, 4), ColumnColor(x - 20), 0)) << x;
    EXPECT_TRUE(RgbNear(canvas.Pixel(25, 4), 0x000000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(27, 4), 0x000000, 0));
}

TEST(Tiling, YAndBothDirections)
{
    ImagePtr image = ColumnImage();
    MemCanvas canvas(30, 12);
    const RECT dest = {0, 0, 25, 10};
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 10, 4}, kNoCorners, false, 255,
                           false, true, true);
    EXPECT_TRUE(RgbNear(canvas.Pixel(12, 9), ColumnColor(2), 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(24, 5), ColumnColor(4), 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(12, 10), 0x000000, 0));

    canvas.Fill(0xFF000000);
    // y-tiled only: every tile spans the full width, so column 9 lands at the right edge.
    CRendererUI::DrawImage(canvas.dc(), image->bitmap, RECT{0, 0, 20, 10}, dest, RECT{0, 0, 10, 4}, kNoCorners,
                           false, 255, false, false, true);
    EXPECT_TRUE(RgbNear(canvas.Pixel(19, 9), ColumnColor(9), 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(0, 5), ColumnColor(0), 0));
}

TEST(Fade, ScalesAnOpaqueImage)
{
    for (bool fallback : {false, true}) {
        test::RenderApiScope api;
        if (fallback) RenderApiUI::Get().alphaBlend = nullptr;
        ImagePtr white = MakeImage(2, 2, test::SolidRgba(2, 2, 0xFFFFFFFF));
        MemCanvas canvas(8, 8);
        const RECT dest = {0, 0, 8, 8};
        CRendererUI::DrawImage(canvas.dc(), white->bitmap, dest, dest, RECT{0, 0, 2, 2}, kNoCorners, false, 0x80);
        EXPECT_TRUE(RgbNear(canvas.Pixel(4, 4), 0x808080)) << "fallback " << fallback;
    }
}

TEST(Fade, HalfTransparentPixelsBlendOnce)
{
    for (bool fallback : {false, true}) {
        test::RenderApiScope api;
        if (fallback) RenderApiUI::Get().alphaBlend = nullptr;
        ImagePtr image = MakeImage(1, 1, test::SolidRgba(1, 1, 0x80FFFFFF));
        MemCanvas canvas(4, 4, 0xFF000000);
        const RECT dest = {0, 0, 4, 4};
        CRendererUI::DrawImage(canvas.dc(), image->bitmap, dest, dest, RECT{0, 0, 1, 1}, kNoCorners, true);
        EXPECT_TRUE(RgbNear(canvas.Pixel(2, 2), 0x808080)) << "fallback " << fallback;
    }
}

TEST(Description, PairsAndBareNames)
{
    ImageDrawInfoUI info;
    ImageLoadRequestUI request;
    info.description = L"file='a.png' corner='4,5,6,7' source='1,2,3,4' dest='0,0,16,16' fade='128' "
                       L"hole='true' xtiled='true' ytiled='yes' mask='#FFFF00FF' hsl='true' other='x'";
    ParseImageDescription(info, request);
    EXPECT_STREQ(request.name, L"a.png");
    EXPECT_FALSE(request.resource);
    EXPECT_EQ(info.corner.left, 4);
    EXPECT_EQ(info.corner.bottom, 7);
    EXPECT_EQ(info.source.right, 3);
    EXPECT_EQ(info.dest.right, 16);
    EXPECT_EQ(info.fade, 128);
    EXPECT_TRUE(info.hole);
    EXPECT_TRUE(info.xTiled);
    EXPECT_FALSE(info.yTiled);
    EXPECT_EQ(request.mask, 0xFFFF00FFu);
    EXPECT_TRUE(request.adjust);

    ImageDrawInfoUI bare;
    ImageLoadRequestUI bareRequest;
    bare.description = L"Image\\my button.png";
    ParseImageDescription(bare, bareRequest);
    EXPECT_STREQ(bareRequest.name, L"Image\\my button.png");

    ImageDrawInfoUI color;
    ImageLoadRequestUI colorRequest;
    color.description = L"color='#80FF0000'";
    ParseImageDescription(color, colorRequest);
    EXPECT_STREQ(colorRequest.name, L"#80FF0000");
    EXPECT_STREQ(colorRequest.type, L"*COLOR*");
    EXPECT_TRUE(colorRequest.resource);
}

TEST(Description, ABrokenPairStopsTheParseButKeepsEarlierPairs)
{
    ImageDrawInfoUI info;
    ImageLoadRequestUI request;
    info.description = L"file='b.png' corner=2,2,2,2 fade='10'";
    ParseImageDescription(info, request);
    EXPECT_STREQ(request.name, L"b.png");
    EXPECT_EQ(info.corner.left, 0);
    EXPECT_EQ(info.fade, 255);

    ImageDrawInfoUI glued;
    ImageLoadRequestUI gluedRequest;
    glued.description = L"file='c.png'fade='10' file=''";
    ParseImageDescription(glued, gluedRequest);
    EXPECT_STREQ(gluedRequest.name, L"c.png");
    EXPECT_EQ(glued.fade, 255);

    ImageDrawInfoUI open;
    ImageLoadRequestUI openRequest;
    open.description = L"file='d.png";
    ParseImageDescription(open, openRequest);
    EXPECT_STREQ(openRequest.name, L"file='d.png");
}

TEST(Description, ShortNumberListsEndWithZeros)
{
    LONG values[4] = {9, 9, 9, 9};
    ReadNumberList(L"7", values, 4);
    EXPECT_EQ(values[0], 7);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[3], 0);
    ReadNumberList(L"1,2,", values, 4);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2], 0);
    ReadNumberList(L"", values, 4);
    EXPECT_EQ(values[0], 0);
    ReadNumberList(L"5 6,-7", values, 4);
    EXPECT_EQ(values[1], 6);
    EXPECT_EQ(values[2], -7);
}

}  // namespace
}  // namespace SkinUI
