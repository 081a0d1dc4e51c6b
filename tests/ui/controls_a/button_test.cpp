#include <gtest/gtest.h>

#include "tests/ui/controls_a/controls_fixture.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/button.h"
#include "ui/core/window_manager.h"

using namespace SkinUI;
using SkinUI::test::ControlPtr;
using SkinUI::test::Place;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::Send;

namespace {

typedef std::vector<std::wstring> Types;

// A button at 10,10 - 60,40 in a manager without a window.
class ButtonStates : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.AddNotifyReceiver(&receiver);
        button = Place<CButtonUI>(&manager, RECT{10, 10, 60, 40});
    }

    CWindowManagerUI manager;
    RecordingReceiver receiver;
    ControlPtr<CButtonUI> button;
};

TEST_F(ButtonStates, ReleaseOutsideAfterDraggingOutSendsNoClick)
{
    Send(button.get(), EventTypeUI::MouseEnter, 20, 20);
    EXPECT_EQ(kStateHot, button->GetButtonState());
    Send(button.get(), EventTypeUI::ButtonDown, 20, 20);
    EXPECT_EQ(kStateHot | kStatePushed | kStateCaptured, button->GetButtonState());
    Send(button.get(), EventTypeUI::MouseMove, 80, 20);
    EXPECT_EQ(kStateHot | kStateCaptured, button->GetButtonState());
    Send(button.get(), EventTypeUI::ButtonUp, 80, 20);
    EXPECT_EQ(kStateHot, button->GetButtonState());
    EXPECT_EQ(Types({L"Button_Mouse_Focus"}), receiver.Types());

    // Dragging back in before the release clicks once.
    Send(button.get(), EventTypeUI::ButtonDown, 20, 20);
    Send(button.get(), EventTypeUI::MouseMove, 80, 20);
    Send(button.get(), EventTypeUI::MouseMove, 30, 30);
    EXPECT_EQ(kStateHot | kStatePushed | kStateCaptured, button->GetButtonState());
    Send(button.get(), EventTypeUI::ButtonUp, 30, 30);
    EXPECT_EQ(Types({L"Button_Mouse_Focus", L"click"}), receiver.Types());
    EXPECT_EQ(button.get(), receiver.records.back().sender);

    // A release without a press inside is no click either.
    Send(button.get(), EventTypeUI::ButtonDown, 80, 20);
    Send(button.get(), EventTypeUI::ButtonUp, 20, 20);
    EXPECT_EQ(2u, receiver.records.size());
}

TEST_F(ButtonStates, DisabledButtonIgnoresMouseAndKeys)
{
    Send(button.get(), EventTypeUI::MouseEnter, 20, 20);
    Send(button.get(), EventTypeUI::ButtonDown, 20, 20);
    button->SetEnabled(false);
    EXPECT_EQ(0u, button->GetButtonState());
    EXPECT_EQ(0u, button->GetBehaviorFlags());

    Send(button.get(), EventTypeUI::ButtonDown, 20, 20);
    Send(button.get(), EventTypeUI::ButtonUp, 20, 20);
    Send(button.get(), EventTypeUI::KeyDown, 0, 0, 0, VK_SPACE);
    EXPECT_EQ(0u, button->GetButtonState());
    EXPECT_EQ(Types({L"Button_Mouse_Focus"}), receiver.Types());
    EXPECT_FALSE(button->Activate());
}

TEST_F(ButtonStates, SpaceAndReturnClickAKeyboardEnabledButton)
{
    EXPECT_EQ(kBehaviorTabStop | kBehaviorSetCursor, button->GetBehaviorFlags());
    Send(button.get(), EventTypeUI::KeyDown, 0, 0, 0, VK_SPACE);
    Send(button.get(), EventTypeUI::KeyDown, 0, 0, 0, VK_RETURN);
    Send(button.get(), EventTypeUI::KeyDown, 0, 0, 0, L'A');
    EXPECT_EQ(Types({L"click", L"click"}), receiver.Types());

    button->SetKeyboardEnabled(false);
    EXPECT_EQ(kBehaviorSetCursor, button->GetBehaviorFlags());
    Send(button.get(), EventTypeUI::KeyDown, 0, 0, 0, VK_SPACE);
    EXPECT_EQ(2u, receiver.records.size());
}

TEST_F(ButtonStates, LeaveWithThePointStillInsideKeepsTheButtonHot)
{
    Send(button.get(), EventTypeUI::MouseEnter, 20, 20);
    Send(button.get(), EventTypeUI::MouseLeave, 25, 25);
    EXPECT_EQ(kStateHot, button->GetButtonState());
    EXPECT_EQ(Types({L"Button_Mouse_Focus"}), receiver.Types());

    Send(button.get(), EventTypeUI::MouseLeave, 100, 100);
    EXPECT_EQ(0u, button->GetButtonState());
    EXPECT_EQ(Types({L"Button_Mouse_Focus", L"Button_Mouse_Lose_Focus"}), receiver.Types());
    // Entering at a point outside (the enter came late) does not make it hot.
    Send(button.get(), EventTypeUI::MouseEnter, 100, 100);
    EXPECT_EQ(0u, button->GetButtonState());
}

TEST_F(ButtonStates, FadeStepsTowardsTheHotImageAndBack)
{
    button->SetAttribute(L"fadedelta", L"51");
    Send(button.get(), EventTypeUI::MouseEnter, 20, 20);
    std::vector<int> values;
    for (int tick = 0; tick < 6; ++tick) {
        Send(button.get(), EventTypeUI::Timer, 20, 20, kButtonFadeTimerId);
        values.push_back(button->GetFadeValue());
    }
    EXPECT_EQ(std::vector<int>({204, 153, 102, 51, 0, 0}), values);

    Send(button.get(), EventTypeUI::MouseLeave, 100, 100);
    Send(button.get(), EventTypeUI::Timer, 100, 100, kButtonFadeTimerId);
    EXPECT_EQ(51, button->GetFadeValue());

    // A step that overshoots stops at the end instead of wrapping.
    button->SetAttribute(L"fadedelta", L"200");
    Send(button.get(), EventTypeUI::Timer, 100, 100, kButtonFadeTimerId);
    EXPECT_EQ(251, button->GetFadeValue());
    Send(button.get(), EventTypeUI::Timer, 100, 100, kButtonFadeTimerId);
    EXPECT_EQ(255, button->GetFadeValue());
    Send(button.get(), EventTypeUI::MouseEnter, 20, 20);
    Send(button.get(), EventTypeUI::Timer, 20, 20, kButtonFadeTimerId);
    Send(button.get(), EventTypeUI::Timer, 20, 20, kButtonFadeTimerId);
    EXPECT_EQ(0, button->GetFadeValue());
}

}  // namespace
