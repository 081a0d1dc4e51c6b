#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/render/manager_host.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "ui/core/control.h"
#include "ui/core/renderer.h"
#include "ui/core/skin_resources.h"

namespace SkinUI {
namespace {

using test::MemCanvas;
using test::RgbNear;

class ManagedDrawing : public ::testing::Test {
protected:
    ManagedDrawing() : m_dir(L"render_descriptions"), m_canvas(20, 20) {}
    void SetUp() override
    {
        ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"blue.png"), test::EncodePng(4, 4, test::SolidRgba(4, 4, 0xFF0000FF))));
        SkinResourcesUI::SetResourceFolder(m_dir.path().c_str());
    }
    void TearDown() override { SkinResourcesUI::SetResourceFolder(L""); }
    bool Draw(ImageDrawInfoUI& info, const RECT& item)
    {
        return CRendererUI::DrawImageDescription(m_canvas.dc(), m_host.manager(), item, RECT{0, 0, 20, 20}, info);
    }

    test::ScratchDir m_dir;
    test::ManagerHost m_host;
    MemCanvas m_canvas;
};

TEST_F(ManagedDrawing, DestinationIsClampedToTheItem)
{
    ImageDrawInfoUI info;
    info.description = L"file='blue.png' dest='0,0,16,16' source='0,0,99,99'";
    ASSERT_TRUE(Draw(info, RECT{0, 0, 10, 10}));
    EXPECT_EQ(info.imageName, L"blue.png");
    EXPECT_EQ(info.source.right, 4);
    EXPECT_EQ(info.source.bottom, 4);
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(9, 9), 0x0000FF, 0));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(12, 5), 0x000000, 0));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(5, 12), 0x000000, 0));

    ImageDrawInfoUI inset;
    inset.description = L"file='blue.png' dest='12,12,14,14'";
    ASSERT_TRUE(Draw(inset, RECT{4, 4, 20, 20}));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(16, 16), 0x0000FF, 0));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(15, 15), 0x000000, 0));

    ImageDrawInfoUI red;
    red.description = L"color='#FFFF0000'";
    ASSERT_TRUE(Draw(red, RECT{0, 10, 20, 20}));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(10, 15), 0xFF0000, 0));
}

TEST_F(ManagedDrawing, WithoutADcOnlyLoadsAndAFailureIsNotRetriedUntilReset)
{
    ImageDrawInfoUI bare;
    bare.description = L"blue.png";
    ASSERT_TRUE(CRendererUI::DrawImageDescription(nullptr, m_host.manager(), RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4}, bare));
    EXPECT_TRUE(bare.image);
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(1, 1), 0x000000, 0));


    ImageDrawInfoUI info;
    info.description = L"file='late.png'";
    EXPECT_FALSE(Draw(info, RECT{0, 0, 20, 20}));
    EXPECT_TRUE(info.parsed);
    ASSERT_TRUE(test::WriteBytes(m_dir.Sub(L"late.png"), test::EncodePng(1, 1, test::SolidRgba(1, 1, 0xFF00FF00))));
    EXPECT_FALSE(Draw(info, RECT{0, 0, 20, 20}));

    info.Reset();
    info.description = L"file='late.png'";
    EXPECT_TRUE(Draw(info, RECT{0, 0, 20, 20}));
    EXPECT_TRUE(RgbNear(m_canvas.Pixel(10, 10), 0x00FF00, 0));
}

TEST_F(ManagedDrawing, PlainTextReplacesLanguageTokens)
{
    CWindowManagerUI::AddLanguageText(931, L"Polling rate");
    CWindowManagerUI* manager = m_host.manager();
    const CSizeUI replaced = CRendererUI::MeasureText(m_canvas.dc(), manager, L"%{0931}", -1);
    EXPECT_EQ(replaced.cx, CRendererUI::MeasureText(m_canvas.dc(), manager, L"Polling rate", -1).cx);
    EXPECT_GT(replaced.cy, 0);
    RECT rc = {0, 0, 400, 100};
    CRendererUI::DrawPlainText(m_canvas.dc(), manager, rc, L"%{931}", 0xFFFFFFFF, -1, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rc.right, replaced.cx);
    EXPECT_EQ(CRendererUI::MeasureText(m_canvas.dc(), manager, nullptr, -1).cx, 0);
    EXPECT_EQ(CRendererUI::MeasureText(m_canvas.dc(), nullptr, L"x", -1).cx, 0);
    CWindowManagerUI::AddLanguageText(931, L"");
}

TEST_F(ManagedDrawing, RenderToBitmapPaintsTheTreeAndTheOverlay)
{
    CWindowManagerUI* manager = m_host.manager();
    EXPECT_EQ(CRendererUI::RenderToBitmap(nullptr, RECT{0, 0, 4, 4}, nullptr, 0), nullptr);
    CControlUI* root = new CControlUI;
    root->SetBackgroundColor(0xFFFF0000);
    ASSERT_TRUE(manager->AttachRoot(root));
    root->SetPosition(RECT{0, 0, 40, 20}, false);

    for (DWORD overlay : {0x00000000u, 0x80000000u}) {
        HBITMAP bitmap = CRendererUI::RenderToBitmap(manager, RECT{10, 5, 30, 15}, nullptr, overlay);
        ASSERT_TRUE(bitmap);
        DIBSECTION dib = {};
        ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
        EXPECT_EQ(dib.dsBm.bmWidth, 20);
        EXPECT_EQ(dib.dsBm.bmHeight, 10);
        const DWORD* pixels = static_cast<const DWORD*>(dib.dsBm.bmBits);
        EXPECT_TRUE(RgbNear(pixels[5 * 20 + 10], overlay ? 0x7F0000 : 0xFF0000)) << std::hex << overlay;
        DeleteObject(bitmap);
    }
}

}  // namespace
}  // namespace SkinUI
