#include <gtest/gtest.h>

#include "tests/ui/render/render_api_scope.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/clip_region.h"
#include "ui/core/renderer.h"

namespace SkinUI {
namespace {

using test::MemCanvas;
using test::RgbNear;

// Each case runs with msimg32's functions and again with them taken away.
class DrawTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (!GetParam()) return;
        RenderApiUI::Get().alphaBlend = nullptr;
        RenderApiUI::Get().gradientFill = nullptr;
    }
    test::RenderApiScope m_api;
};

TEST_P(DrawTest, FillColorByAlpha)
{
    MemCanvas canvas(20, 10, 0xFF000000);
    const RECT left = {0, 0, 10, 10};
    CRendererUI::FillColor(canvas.dc(), left, 0x00FFFFFF);
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 5), 0x000000, 0));
    CRendererUI::FillColor(canvas.dc(), left, 0x80FFFFFF);
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 5), 0x808080));
    EXPECT_TRUE(RgbNear(canvas.Pixel(15, 5), 0x000000, 0));
    CRendererUI::FillColor(canvas.dc(), RECT{10, 0, 20, 10}, 0xFF336699);
    EXPECT_TRUE(RgbNear(canvas.Pixel(15, 5), 0x336699, 0));

    canvas.Fill(0xFFFFFFFF);
    CRendererUI::FillColor(canvas.dc(), left, 0x80000000);
    EXPECT_TRUE(RgbNear(canvas.Pixel(5, 5), 0x7F7F7F));
}

TEST_P(DrawTest, GradientsRunFromFirstToSecondColourWithTheMeanAlpha)
{
    MemCanvas canvas(64, 64);
    const RECT rc = {0, 0, 64, 64};
    CRendererUI::DrawGradient(canvas.dc(), rc, 0xFFFF0000, 0xFF0000FF, true, 64);
    EXPECT_TRUE(RgbNear(canvas.Pixel(30, 0), 0xFF0000, 8));
    EXPECT_TRUE(RgbNear(canvas.Pixel(30, 63), 0x0000FF, 8));
    EXPECT_TRUE(RgbNear(canvas.Pixel(30, 32), 0x800080, 12));
    CRendererUI::DrawGradient(canvas.dc(), rc, 0xFFFF0000, 0xFF0000FF, false, 64);
    EXPECT_TRUE(RgbNear(canvas.Pixel(0, 30), 0xFF0000, 8));
    EXPECT_TRUE(RgbNear(canvas.Pixel(63, 30), 0x0000FF, 8));

    canvas.Fill(0xFF000000);
    CRendererUI::DrawGradient(canvas.dc(), rc, 0x00FFFFFF, 0xFFFFFFFF, true, 16);
    EXPECT_TRUE(RgbNear(canvas.Pixel(8, 8), 0x7F7F7F));
    canvas.Fill(0xFF000000);
    CRendererUI::DrawGradient(canvas.dc(), rc, 0x00FFFFFF, 0x01FFFFFF, true, 16);  // mean alpha 0
    EXPECT_TRUE(RgbNear(canvas.Pixel(8, 8), 0x000000, 0));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutMsimg, DrawTest, ::testing::Bool());

TEST(GradientBands, FallbackBandsCountFromTheBottom)
{
    test::RenderApiScope api;
    RenderApiUI::Get().gradientFill = nullptr;
    MemCanvas canvas(8, 40);
    // 4 steps give 4 bands of 10 rows; band i = (c2 x (4 - i) + c1 x i) / 4.
    CRendererUI::DrawGradient(canvas.dc(), RECT{0, 0, 8, 40}, 0xFF000000, 0xFFC8C8C8, true, 4);
    EXPECT_TRUE(RgbNear(canvas.Pixel(4, 35), 0xC8C8C8, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(4, 25), 0x969696, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(4, 5), 0x323232, 0));
}

TEST(Borders, RectanglesAndLines)
{
    MemCanvas canvas(20, 20, 0xFFFFFFFF);
    CRendererUI::DrawRect(canvas.dc(), RECT{0, 0, 20, 20}, 2, 0xFFFF0000);
    EXPECT_TRUE(RgbNear(canvas.Pixel(1, 10), 0xFF0000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(19, 19), 0xFF0000, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(2, 10), 0xFFFFFF, 0));
    CRendererUI::DrawLine(canvas.dc(), RECT{0, 5, 20, 5}, 1, 0xFF00FF00);
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 5), 0x00FF00, 0));
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 6), 0xFFFFFF, 0));
    CRendererUI::DrawRoundRect(canvas.dc(), RECT{0, 0, 20, 20}, 1, 10, 10, 0xFF0000FF);
    EXPECT_TRUE(RgbNear(canvas.Pixel(10, 0), 0x0000FF, 0));
}

TEST(ClipRegion, NarrowsSuspendsAndRestores)
{
    MemCanvas canvas(20, 20, 0xFF000000);
    const RECT all = {0, 0, 20, 20};
    {
        CClipRegionUI clip;
        CClipRegionUI::BeginRectClip(canvas.dc(), RECT{5, 5, 15, 15}, clip);
        CRendererUI::FillColor(canvas.dc(), all, 0xFFFF0000);
        EXPECT_TRUE(RgbNear(canvas.Pixel(10, 10), 0xFF0000, 0));
        EXPECT_TRUE(RgbNear(canvas.Pixel(2, 2), 0x000000, 0));
        CClipRegionUI::SuspendClip(canvas.dc(), clip);
        CRendererUI::FillColor(canvas.dc(), RECT{0, 0, 3, 3}, 0xFF00FF00);
        EXPECT_TRUE(RgbNear(canvas.Pixel(1, 1), 0x00FF00, 0));
        CClipRegionUI::ResumeClip(canvas.dc(), clip);
        CRendererUI::FillColor(canvas.dc(), all, 0xFF0000FF);
        EXPECT_TRUE(RgbNear(canvas.Pixel(1, 1), 0x00FF00, 0));
    }
    CRendererUI::FillColor(canvas.dc(), all, 0xFFFFFFFF);
    EXPECT_TRUE(RgbNear(canvas.Pixel(1, 1), 0xFFFFFF, 0));
}

}  // namespace
}  // namespace SkinUI
