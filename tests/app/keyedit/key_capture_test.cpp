// Key capture with chords on a fake clock, and the modifier words of its text.
#include "app/core/keys/key_codes.h"
#include "app/dialogs/assignment/key_capture.h"

#include <gtest/gtest.h>

#include <windows.h>

using SkinUI::CUIString;

namespace {

std::wstring Text(const CUIString& text) { return text.GetData(); }

}  // namespace

TEST(KeyCapture, ChordsFormWithinHalfASecondAndTheThirdKeyStartsAgain) {
    KeyCapture capture(true);
    const int a = VirtualKeyToKeyCode('A');
    const int b = VirtualKeyToKeyCode('B');
    ASSERT_TRUE(capture.OnKeyPress(WM_KEYDOWN, 'A', 10000));
    ASSERT_TRUE(capture.OnKeyPress(WM_KEYDOWN, 'B', 10499));
    EXPECT_EQ(a * 256 + b, capture.KeyCode());
    EXPECT_EQ(Text(GetKeyName(a) + L"+" + GetKeyName(b)), Text(capture.KeyText()));
    ASSERT_TRUE(capture.OnKeyPress(WM_SYSKEYDOWN, 'C', 10600));
    EXPECT_EQ(VirtualKeyToKeyCode('C'), capture.KeyCode());

    ASSERT_TRUE(capture.OnKeyPress(WM_KEYDOWN, 'B', 11100));  // 500 ms after C: a new capture
    EXPECT_EQ(b, capture.KeyCode());
    EXPECT_EQ(Text(GetKeyName(b)), Text(capture.KeyText()));
}

TEST(KeyCapture, KelvoCapturesOneKeyAndModifiersAndReleasesCaptureNothing) {
    KeyCapture capture(false);
    ASSERT_TRUE(capture.OnKeyPress(WM_KEYDOWN, 'A', 5));
    ASSERT_TRUE(capture.OnKeyPress(WM_KEYDOWN, 'B', 6));
    EXPECT_EQ(VirtualKeyToKeyCode('B'), capture.KeyCode());
    for (int vk : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN}) {
        EXPECT_FALSE(capture.OnKeyPress(WM_KEYDOWN, vk, 7)) << vk;
    }
    EXPECT_FALSE(capture.OnKeyPress(WM_KEYUP, 'C', 8));
    EXPECT_EQ(VirtualKeyToKeyCode('B'), capture.KeyCode());

    KeyCapture shiftAlone(true);
    EXPECT_FALSE(shiftAlone.OnKeyPress(WM_KEYDOWN, VK_LSHIFT, 1));
    EXPECT_EQ(0, shiftAlone.KeyCode());
    EXPECT_TRUE(shiftAlone.KeyText().IsEmpty());
}

TEST(ModifierText, TickedBoxesGoInFrontAndClearedOnesComeOut) {
    EXPECT_EQ(L"Win+Shift+Alt+Ctrl+A", Text(WithModifiers(L"A", true, true, true, true)));
    EXPECT_EQ(L"Shift+A", Text(WithModifiers(L"A", false, false, true, false)));

    CUIString text = L"Ctrl+A";
    text = ToggleModifierText(text, L"Win", false);
    EXPECT_EQ(L"Win+Ctrl+A", Text(text));
    text = ToggleModifierText(text, L"Win", true);
    EXPECT_EQ(L"Ctrl+A", Text(text));
    EXPECT_EQ(L"Alt", Text(ToggleModifierText(L"", L"Alt", false)));
    EXPECT_EQ(L"", Text(ToggleModifierText(L"Alt", L"Alt", true)));
    EXPECT_EQ(L"A", Text(ToggleModifierText(L"Shift+Shift+A", L"Shift", true)));
}
