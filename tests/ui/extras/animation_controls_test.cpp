#include <gtest/gtest.h>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/mem_canvas.h"
#include "tests/ui/support/recording_control.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/animation_button.h"
#include "ui/controls/animation_tab_layout.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::HostWindow;
using SkinUI::test::MemCanvas;
using SkinUI::test::RecordingControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

// A 200 x 100 animated tab layout of three pages as the root of a hidden window.
class TabSlide : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs = new CAnimationTabLayoutUI;
        for (RecordingControl*& page : pages) {
            page = new RecordingControl;
            tabs->AddItem(page);
        }
        host.manager().AttachRoot(tabs);
        host.manager().AddNotifyReceiver(&receiver);
        tabs->SetPosition(RECT{0, 0, 200, 100});
    }
    void Tick() { Send(tabs, EventTypeUI::Timer, 0, 0, kTabSlideTimerId); }

    HostWindow host{200, 100};
    RecordingReceiver receiver;
    CAnimationTabLayoutUI* tabs = nullptr;
    RecordingControl* pages[3] = {};
};

TEST_F(TabSlide, NewPageSlidesInFromTheSideOfItsIndexAndEndsInPlace)
{
    ASSERT_TRUE(tabs->SlideToPage(2));
    EXPECT_EQ(1, receiver.Count(L"tabselect"));
    EXPECT_EQ((RECT{200, 0, 400, 100}), pages[2]->GetPosition());
    // One eighth of the width per frame, frames 0 to 7, then the place itself.
    for (int frame = 0; frame < kTabSlideFrames; ++frame) {
        Tick();
        EXPECT_EQ(200 - 25 * (frame + 1), tabs->GetPosition().left);
    }
    Tick();
    EXPECT_EQ((RECT{0, 0, 200, 100}), pages[2]->GetPosition());
    EXPECT_FALSE(tabs->IsRunning(kTabSlideTimerId));
    EXPECT_FALSE(host.manager().StopTimer(tabs, kTabSlideTimerId));

    // Vertically an earlier page comes from above; 100 / 8 leaves 4 pixels
    // that the last frame makes up.
    tabs->SetAttribute(L"Animation_Direction", L"VERTICAL");
    ASSERT_TRUE(tabs->SlideToPage(0, false));
    EXPECT_EQ((RECT{0, -100, 200, 0}), tabs->GetPosition());
    for (int frame = 0; frame < kTabSlideFrames; ++frame)
        Tick();
    EXPECT_EQ(-4, tabs->GetPosition().top);
    Tick();
    EXPECT_EQ((RECT{0, 0, 200, 100}), tabs->GetPosition());
}

const wchar_t kLongText[] = L"A caption far too long for its button";

// A 60 x 20 scrolling-text button as the root of a hidden window.
class Marquee : public ::testing::Test {
protected:
    void SetUp() override
    {
        button = new CAnimationButtonUI;
        host.manager().AttachRoot(button);
        button->SetPosition(RECT{0, 0, 60, 20});
    }
    bool TimerRuns()
    {
        // Stopping succeeds only for a running timer; it is started again.
        if (!host.manager().StopTimer(button, kMarqueeTimerId))
            return false;
        host.manager().StartTimer(button, kMarqueeTimerId, button->GetSpeed());
        return true;
    }

    HostWindow host{100, 40};
    CAnimationButtonUI* button = nullptr;
};

TEST_F(Marquee, WideTextScrollsOnePixelPerTickWhileHovered)
{
    // A text that fits never scrolls.
    button->SetText(L"Go");
    Send(button, EventTypeUI::MouseEnter, 10, 10);
    EXPECT_FALSE(TimerRuns());
    Send(button, EventTypeUI::MouseLeave, 80, 10);

    button->SetText(kLongText);
    Send(button, EventTypeUI::MouseEnter, 10, 10);
    const int width = button->GetScrollWidth();
    ASSERT_GT(width, 60);
    EXPECT_TRUE(TimerRuns());
    EXPECT_EQ(0u, button->GetTextStyle() & DT_END_ELLIPSIS);
    Send(button, EventTypeUI::Timer, 10, 10, kMarqueeTimerId);
    Send(button, EventTypeUI::Timer, 10, 10, kMarqueeTimerId);
    EXPECT_EQ(2, button->GetScrollOffset());
    // The fade timer of the button does not move the text.
    Send(button, EventTypeUI::Timer, 10, 10, kButtonFadeTimerId);
    EXPECT_EQ(2, button->GetScrollOffset());
    for (int i = 2; i < width - 1; ++i)
        Send(button, EventTypeUI::Timer, 10, 10, kMarqueeTimerId);
    EXPECT_EQ(width - 1, button->GetScrollOffset());
    Send(button, EventTypeUI::Timer, 10, 10, kMarqueeTimerId);
    EXPECT_EQ(0, button->GetScrollOffset());

    // A leave onto something inside the button keeps it going; a real one ends it.
    Send(button, EventTypeUI::Timer, 10, 10, kMarqueeTimerId);
    Send(button, EventTypeUI::MouseLeave, 10, 10);
    EXPECT_EQ(1, button->GetScrollOffset());
    EXPECT_TRUE(TimerRuns());
    Send(button, EventTypeUI::MouseLeave, 80, 10);
    EXPECT_EQ(0, button->GetScrollOffset());
    EXPECT_EQ(0, button->GetScrollWidth());
    EXPECT_FALSE(TimerRuns());
    EXPECT_NE(0u, button->GetTextStyle() & DT_END_ELLIPSIS);
}

TEST_F(Marquee, ScrolledTextMovesLeftAndStaysInsideTheButton)
{
    button->SetText(kLongText);
    button->SetTextColor(0xFF000000);
    button->SetPosition(RECT{20, 5, 80, 25});
    Send(button, EventTypeUI::MouseEnter, 30, 10);
    MemCanvas still(100, 30, 0xFFFFFFFF);
    button->Paint(still.dc(), RECT{0, 0, 100, 30}, nullptr);
    for (int i = 0; i < 15; ++i)
        Send(button, EventTypeUI::Timer, 30, 10, kMarqueeTimerId);
    MemCanvas moved(100, 30, 0xFFFFFFFF);
    button->Paint(moved.dc(), RECT{0, 0, 100, 30}, nullptr);
    EXPECT_GT(SkinUI::test::CountDiffering(still, moved), 20);
    // Nothing but white beside the button, where the text would start.
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(0xFFFFFFu, moved.Pixel(x, y) & 0xFFFFFF) << x << "," << y;
    }
}

}  // namespace
