// The capture and modifier-text rules of the keyboard key dialog, with a
// clock of the test's own, and the combination codes.
#include "app/dialogs/keyboard/key_assignment.h"
#include "app/dialogs/keyboard/key_choice.h"

#include <gtest/gtest.h>

namespace {

constexpr int kA = 0x04;
constexpr int kB = 0x05;
constexpr int kC = 0x06;
const ModifierBoxes kNoModifiers;

}  // namespace

TEST(KeyCapture, KeysCloserThan500MillisecondsMakeAChordAndAThirdStartsAnew) {
    KeyChoice choice;
    ASSERT_TRUE(choice.OnKeyDown(kA, 10000, kNoModifiers));
    EXPECT_EQ(choice.State(), kKeyChosen);
    ASSERT_TRUE(choice.OnKeyDown(kB, 10499, kNoModifiers));
    EXPECT_EQ(choice.State(), kCombinationChosen);
    EXPECT_EQ(choice.CapturedCode(), 0x0405);
    EXPECT_STREQ(choice.Text(), L"A+B");
    ASSERT_TRUE(choice.OnKeyDown(kC, 10600, kNoModifiers));
    EXPECT_EQ(choice.State(), kKeyChosen);
    EXPECT_EQ(choice.CapturedCode(), kC);
    ASSERT_TRUE(choice.OnKeyDown(kA, 11100, kNoModifiers));
    EXPECT_EQ(choice.CapturedCode(), kA);
    EXPECT_FALSE(choice.OnKeyDown(0, 11200, kNoModifiers));
    EXPECT_EQ(choice.CapturedCode(), kA);
}

TEST(KeyCapture, CheckedModifiersGoInFrontInTheirOrder) {
    KeyChoice choice;
    ModifierBoxes all;
    all.ctrl = all.alt = all.shift = all.win = true;
    choice.OnKeyDown(kA, 5000, all);
    EXPECT_STREQ(choice.Text(), L"Win+Shift+Alt+Ctrl+A");
    EXPECT_EQ(choice.State(), kModifierChosen);

    ModifierBoxes shift;
    shift.shift = true;
    KeyChoice shifted;
    shifted.OnKeyDown(kA, 5000, shift);
    EXPECT_EQ(shifted.State(), kCombinationChosen);
    // Shift keeps the chord timing: a second key within 500 ms joins.
    shifted.OnKeyDown(kB, 5100, shift);
    EXPECT_STREQ(shifted.Text(), L"Shift+A+B");
}

TEST(KeyCapture, ModifierBoxClicksEditTheShownText) {
    KeyChoice choice;
    choice.OnKeyDown(kA, 5000, kNoModifiers);
    choice.OnModifierClick(L"Ctrl", false);
    EXPECT_STREQ(choice.Text(), L"Ctrl+A");
    EXPECT_EQ(choice.State(), kModifierChosen);
    choice.OnModifierClick(L"Ctrl", true);
    EXPECT_STREQ(choice.Text(), L"A");

    KeyChoice empty;
    empty.OnModifierClick(L"Alt", false);
    EXPECT_STREQ(empty.Text(), L"Alt");
    empty.OnModifierClick(L"Alt", true);
    EXPECT_STREQ(empty.Text(), L"");

    KeyChoice chord;
    chord.OnKeyDown(kA, 5000, kNoModifiers);
    chord.OnKeyDown(kB, 5001, kNoModifiers);
    chord.OnModifierClick(L"Win", false);
    EXPECT_STREQ(chord.Text(), L"Win");
    EXPECT_EQ(chord.State(), kKeyChosen);
    EXPECT_EQ(chord.CapturedCode(), 0);
}

TEST(KeyCombinations, CodesCarryTheModifierBitsOrBothKeys) {
    ModifierBoxes shift;
    shift.shift = true;
    EXPECT_EQ(MakeCombination(kA, shift).code, 0x8204);
    EXPECT_STREQ(MakeCombination(kA, shift).name, L"Shift+A");
    ModifierBoxes shiftWin = shift;
    shiftWin.win = true;
    EXPECT_EQ(MakeCombination(kA, shiftWin).code, 0x8A04);
    EXPECT_STREQ(MakeCombination(kA, shiftWin).name, L"Shift+Win+A");
    ModifierBoxes ctrl;
    ctrl.ctrl = true;
    EXPECT_EQ(MakeCombination(0, ctrl).code, 0x8100);
    EXPECT_STREQ(MakeCombination(0, ctrl).name, L"Ctrl");
    EXPECT_EQ(MakeCombination(0x0405, ctrl).code, 0x8105);
    EXPECT_EQ(MakeCombination(0x0405, kNoModifiers).code, 0x0405);
    EXPECT_STREQ(MakeCombination(0x0405, kNoModifiers).name, L"A+B");
}
