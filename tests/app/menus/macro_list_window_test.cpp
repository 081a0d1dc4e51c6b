#include <gtest/gtest.h>

#include "app/macro/list/marco_list.h"
#include "tests/app/menus/skin_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/screenshot.h"
#include "ui/core/layout_builder.h"
#include "ui/core/vertical_layout.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const wchar_t kLayout[] =
    L"<Window size=\"360,300\">"
    L"<Font id=\"0\" name=\"Segoe UI\" size=\"12\" default=\"true\"/>"
    L"<VerticalLayout name=\"frame\" bkcolor=\"#FF15171C\" inset=\"16,16,16,16\">"
    L"<MarcoList name=\"listex1_Qiro\" bkcolor=\"#FF272B34\" bordercolor=\"#FF3A404C\" bordersize=\"1\" "
    L"itemheight=\"28\" itemtextcolor=\"#FFE6E8EC\" itemhotbkcolor=\"#FF313642\" "
    L"itemselectedbkcolor=\"#FF2B86D6\" itemselectedtextcolor=\"#FFFFFFFF\" vscrollbar=\"true\"/>"
    L"</VerticalLayout></Window>";

class MacroListFactory : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const wchar_t* tag) override { return CreateMacroListControl(tag); }
};

class MacroListWindow : public ProgramSkin {
protected:
    void SetUp() override
    {
        ProgramSkin::SetUp();
        CLayoutBuilderUI builder;
        CControlUI* root = builder.Create(kLayout, nullptr, &m_factory, &m_host.manager());
        ASSERT_NE(nullptr, root);
        m_host.manager().AttachRoot(root);
        m_list = dynamic_cast<MarcoListUI*>(m_host.manager().FindControlByName(L"listex1_Qiro"));
        ASSERT_NE(nullptr, m_list);
    }

    void Fill(int steps)
    {
        const wchar_t* names[] = {L"Shift", L"A", L"Left button"};
        for (int i = 0; i < steps; ++i) {
            CUIString text;
            switch (i % 4) {
            case 0:
                text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%s", 2, names[(i / 4) % 3]);
                break;
            case 1:
                text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%d ms", 0, 30 + i);
                break;
            case 2:
                text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}%s", 1, names[(i / 4) % 3]);
                break;
            default:
                text.Format(L"{x 4}{i Image\\macroicons.png 18 %d}{x 4}X %d", 3, -i);
                break;
            }
            m_list->AddNode(text)->type = i;
        }
        m_host.ShowAndPaint();
    }

    void Wheel(WPARAM direction)
    {
        EventRecordUI wheel;
        wheel.type = EventTypeUI::ScrollWheel;
        wheel.wParam = direction;
        m_list->HandleEvent(wheel);
    }
    void Tick()
    {
        EventRecordUI tick;
        tick.type = EventTypeUI::Timer;
        tick.wParam = 10;
        m_list->HandleEvent(tick);
    }

    HostWindow m_host{360, 300};
    MacroListFactory m_factory;
    MarcoListUI* m_list = nullptr;
};

TEST_F(MacroListWindow, AFilledListShowsItsStepsAndIsSavedAsAScreenshot)
{
    ASSERT_TRUE(SkinFileExists(L"Image\\macroicons.png"));
    Fill(24);
    m_list->SelectItem(1, false, false);
    EXPECT_EQ(24, m_list->GetCount());
    EXPECT_GT(m_list->GetScrollRange().cy, 0);
    const RECT row = m_list->GetItemAt(0)->GetPosition();
    EXPECT_EQ(28, row.bottom - row.top);
    // No empty header above the first step.
    EXPECT_EQ(m_list->GetPosition().top, row.top);
    EXPECT_FALSE(SaveScreenshot(m_host.hwnd(), L"macro_list").empty());
}

TEST_F(MacroListWindow, WheelNotchesScrollSmoothlyAndAddUp)
{
    Fill(40);
    Wheel(SB_LINEDOWN);
    EXPECT_EQ(-8, m_list->GetPendingScroll());
    EXPECT_EQ(10u, m_list->GetScrollStepsLeft());  // 5 x (int)sqrt(8)
    Tick();
    // (9/10)^2 x -8 = -6.48: six pixels down.
    EXPECT_EQ(6, m_list->GetScrollPosition().cy);
    Wheel(SB_LINEDOWN);
    EXPECT_EQ(-6 - 8, m_list->GetPendingScroll());
    EXPECT_EQ(15u, m_list->GetScrollStepsLeft());
    for (int i = 0; i < 20 && m_list->GetScrollStepsLeft() > 0; ++i)
        Tick();
    // Ticks of 12, 10, 8, 7, 6, 5, 3, 3, 2 and 1 pixels; the next would move
    // none and ends the run.
    EXPECT_EQ(0u, m_list->GetScrollStepsLeft());
    EXPECT_EQ(0, m_list->GetPendingScroll());
    EXPECT_EQ(6 + 57, m_list->GetScrollPosition().cy);

    // Quick notches in one direction stop adding at 100 pixels.
    for (int i = 0; i < 30; ++i)
        Wheel(SB_LINEDOWN);
    EXPECT_EQ(-100, m_list->GetPendingScroll());
    EXPECT_EQ(50u, m_list->GetScrollStepsLeft());
    // Turning round starts from what was left of the run, by 12.
    Wheel(SB_LINEUP);
    EXPECT_EQ(-100 + 12, m_list->GetPendingScroll());
}

TEST_F(MacroListWindow, WheelingUpAtTheTopEndsTheAnimationWithoutMoving)
{
    Fill(40);
    Wheel(SB_LINEUP);
    EXPECT_EQ(8, m_list->GetPendingScroll());
    Tick();
    EXPECT_EQ(0, m_list->GetScrollPosition().cy);
    EXPECT_EQ(0, m_list->GetPendingScroll());
    EXPECT_EQ(0u, m_list->GetScrollStepsLeft());
}

TEST_F(MacroListWindow, WithMouseInputOffTheWheelGoesToTheParent)
{
    Fill(40);
    m_list->SetMouseEnabled(false);
    Wheel(SB_LINEDOWN);
    EXPECT_EQ(0, m_list->GetPendingScroll());
    EXPECT_EQ(0u, m_list->GetScrollStepsLeft());
    EXPECT_EQ(0, m_list->GetScrollPosition().cy);
}

TEST_F(MacroListWindow, ShowingAndHidingTheListLeavesItsRowsAlone)
{
    Fill(3);
    m_list->GetItemAt(1)->SetInternalVisible(false);
    m_list->SetVisible(false);
    m_list->SetVisible(true);
    m_list->SetInternalVisible(true);
    EXPECT_TRUE(m_list->IsVisible());
    EXPECT_FALSE(m_list->GetItemAt(1)->IsVisible());
    EXPECT_TRUE(m_list->GetItemAt(2)->IsVisible());
}

}  // namespace
