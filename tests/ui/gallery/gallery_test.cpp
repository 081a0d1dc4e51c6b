#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/gallery/gallery_images.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/image_writer.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/scratch_dir.h"
#include "tests/ui/support/screenshot.h"
#include "tests/ui/support/skin_lint.h"
#include "ui/controls/list.h"
#include "ui/controls/option.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/window_impl_base.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

class GalleryWindow : public WindowImplBase {
protected:
    const wchar_t* GetWindowClassName() const override { return L"SkinUIGalleryWindow"; }
    CUIString GetSkinFolder() override { return L""; }
    CUIString GetSkinFile() override { return L"XML\\gallery.xml"; }
};

class Gallery : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStandardControls();
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        m_skin.MakeFolder(L"XML");
        WriteGalleryImages(m_skin);
        const std::string layout = kGalleryLayout;
        ASSERT_TRUE(WriteBytes(m_skin.Sub(L"XML\\gallery.xml"), std::vector<BYTE>(layout.begin(), layout.end())));
        CWindowManagerUI::SetResourceFolder(m_skin.path().c_str());
    }
    void TearDown() override { CWindowManagerUI::SetResourceFolder(L""); }

private:
    ScratchDir m_skin{L"gallery"};
};

TEST_F(Gallery, LayoutBuildsWithoutUnknownTagsOrMissingImages)
{
    EXPECT_TRUE(LintLayout(L"XML\\gallery.xml"));
}

TEST_F(Gallery, WindowShowsEveryControlAndIsSavedAsAScreenshot)
{
    GalleryWindow window;
    HWND hwnd = window.Create(nullptr, L"gallery", WS_POPUP, 0, 0, 0, 100, 100);
    ASSERT_NE(nullptr, hwnd);
    window.ShowWindow(true, false);
    UpdateWindow(hwnd);
    PumpMessages(100);
    CWindowManagerUI& manager = window.GetManager();

    for (const wchar_t* name : {L"animation", L"apply", L"rate500", L"lighting", L"progress", L"slider", L"edit",
                                L"text", L"list", L"combo"}) {
        EXPECT_NE(nullptr, manager.FindControlByName(name)) << name;
    }
    auto* rate500 = static_cast<COptionUI*>(manager.FindControlByName(L"rate500"));
    auto* rate125 = static_cast<COptionUI*>(manager.FindControlByName(L"rate125"));
    ASSERT_NE(nullptr, rate500);
    EXPECT_TRUE(rate500->IsSelected());
    EXPECT_FALSE(rate125->IsSelected());
    auto* list = static_cast<CListUI*>(manager.FindControlByName(L"list"));
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(3, list->GetCount());
    EXPECT_EQ(1, list->GetCurSel());

    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(760, client.right);
    EXPECT_EQ(600, client.bottom);
    MemCanvas canvas(client.right, client.bottom);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_TRUE(RgbNear(canvas.Pixel(2, 2), 0xFFF1F5F9));                  // window background
    const CControlUI* apply = manager.FindControlByName(L"apply");
    EXPECT_TRUE(RgbNear(canvas.Pixel(apply->GetPosition().left + 8, apply->GetPosition().top + 8), 0xFF3B82F6));
    const RECT progress = manager.FindControlByName(L"progress")->GetPosition();
    EXPECT_TRUE(RgbNear(canvas.Pixel(progress.left + 20, (progress.top + progress.bottom) / 2), 0xFF22C55E));
    EXPECT_TRUE(RgbNear(canvas.Pixel(progress.right - 20, (progress.top + progress.bottom) / 2), 0xFFE2E8F0));

    EXPECT_FALSE(SaveScreenshot(hwnd, L"gallery").empty());
    DestroyWindow(hwnd);
}

}  // namespace
