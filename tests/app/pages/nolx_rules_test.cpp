// The button-function switches and the fire-key rules, without a window.
#include "app/main/pages/nolx/button_switches.h"
#include "app/main/pages/nolx/fire_key_rules.h"

#include <gtest/gtest.h>

namespace {

class Tables {
public:
    Tables() : list{&one, &two} {}
    void Add(int table, std::array<uint8_t, 4> bytes) {
        auto entry = std::make_unique<MacroKeyEntry>();
        for (int i = 0; i < 4; ++i) entry->bytes[i] = bytes[static_cast<size_t>(i)];
        RecordList<MacroKeyEntry>& t = table == 0 ? one : two;
        entry->index = static_cast<int>(t.size());
        t.push_back(std::move(entry));
    }
    const uint8_t* Bytes(int table, int index) { return (table == 0 ? one : two)[static_cast<size_t>(index)]->bytes; }
    RecordList<MacroKeyEntry> one, two;
    std::vector<RecordList<MacroKeyEntry>*> list;
};

// Middle, back, forward, DPI, DPI+, DPI-, gun and an ordinary key in both tables.
void FillMouse(Tables& t) {
    for (int table = 0; table < 2; ++table) {
        t.Add(table, {1, 4, 0, 0});
        t.Add(table, {1, 8, 0, 0});
        t.Add(table, {1, 16, 0, 0});
        t.Add(table, {9, 0, 0, 0});
        t.Add(table, {9, 1, 0, 0});
        t.Add(table, {9, 2, 0, 0});
        t.Add(table, {11, 1, 3, 0});
        t.Add(table, {2, 0, 0, 4});
    }
}

const ComboKey kMode = {0x07, 0xD1, 0xF0, 0x18};
const ComboKey kLed = {0x0E, 0, 0, 0};
const ComboKey kNone = {0, 0, 0, 0};

}  // namespace

TEST(ButtonSwitches, BackLedSetsTheBackEntriesOfBothTablesAndComboKeyTwo) {
    Tables t;
    FillMouse(t);
    ComboKey two = kNone, four = kNone;
    ButtonSwitchBoxes boxes;
    boxes.backLed = true;
    boxes.backMode = true;
    const std::vector<EntryRef> changed = ApplyButtonSwitches(ResolveBackLed(boxes), t.list, two, four);
    EXPECT_EQ(two, kLed);
    EXPECT_EQ(four, kNone);
    EXPECT_EQ(t.Bytes(0, 1)[3], 2);
    EXPECT_EQ(t.Bytes(1, 1)[3], 2);
    EXPECT_EQ(t.Bytes(0, 2)[3], 0);  // forward mode was cleared by the LED switch
    EXPECT_EQ(changed, (std::vector<EntryRef>{{0, 1}, {1, 1}}));
}

TEST(ButtonSwitches, MiddleAndDpiSwitchesSetMiddleDpiAndGunEntriesAndComboKeyFour) {
    Tables t;
    FillMouse(t);
    ComboKey two = kLed, four = kNone;
    ButtonSwitchBoxes boxes;
    boxes.dpiMinus = true;
    ApplyButtonSwitches(boxes, t.list, two, four);
    EXPECT_EQ(two, kNone);
    EXPECT_EQ(four, kMode);
    for (int table = 0; table < 2; ++table) {
        EXPECT_EQ(t.Bytes(table, 0)[3], 0);  // middle stays off
        EXPECT_EQ(t.Bytes(table, 3)[3], 8);
        EXPECT_EQ(t.Bytes(table, 4)[3], 8);
        EXPECT_EQ(t.Bytes(table, 5)[3], 8);
        EXPECT_EQ(t.Bytes(table, 6)[3], 8);
        EXPECT_EQ(t.Bytes(table, 7)[3], 4);  // other keys untouched
    }
}

TEST(ButtonSwitches, ModeSwitchesOverrideComboKeyFourAndGiveTheGunTwo) {
    Tables t;
    FillMouse(t);
    ComboKey two = kNone, four = kNone;
    ButtonSwitchBoxes boxes;
    boxes.middle = true;
    boxes.forwardMode = true;
    ApplyButtonSwitches(boxes, t.list, two, four);
    EXPECT_EQ(two, kMode);
    EXPECT_EQ(four, kNone);
    EXPECT_EQ(t.Bytes(0, 0)[3], 8);
    EXPECT_EQ(t.Bytes(0, 1)[3], 0);
    EXPECT_EQ(t.Bytes(0, 2)[3], 2);
    EXPECT_EQ(t.Bytes(0, 6)[3], 2);
}

TEST(ButtonSwitches, AllOffClearsEveryFunctionByteAndReportsOnlyTheEntriesThatChanged) {
    Tables t;
    FillMouse(t);
    ComboKey two = kMode, four = kMode;
    ButtonSwitchBoxes on;
    on.middle = on.dpi = true;
    ApplyButtonSwitches(on, t.list, two, four);
    const std::vector<EntryRef> changed = ApplyButtonSwitches(ButtonSwitchBoxes{}, t.list, two, four);
    EXPECT_EQ(changed.size(), 10u);  // middle, three DPI keys and gun, both tables
    EXPECT_EQ(t.Bytes(1, 0)[3], 0);
    EXPECT_EQ(t.Bytes(1, 3)[3], 0);
    EXPECT_EQ(t.Bytes(1, 6)[3], 0);
    EXPECT_EQ(two, kNone);
    EXPECT_EQ(four, kNone);
}

TEST(ButtonSwitchDisplay, ShowsExactlyWhatTheEntriesAndComboKeysHold) {
    for (const ButtonSwitchBoxes& boxes : [] {
             std::vector<ButtonSwitchBoxes> cases(5);
             cases[1].backLed = true;
             cases[2].middle = true;
             cases[3].dpi = true;
             cases[4].backMode = cases[4].forwardMode = true;
             return cases;
         }()) {
        Tables t;
        FillMouse(t);
        ComboKey two = kNone, four = kNone;
        ApplyButtonSwitches(boxes, t.list, two, four);
        ButtonSwitchBoxes expected = boxes;
        // The gun follows any mode switch; one DPI box sets all three DPI keys.
        expected.gun = boxes.middle || boxes.dpi || boxes.backMode || boxes.forwardMode;
        if (boxes.dpi) expected.dpiPlus = expected.dpiMinus = true;
        EXPECT_EQ(DisplayedButtonSwitches(t.list, two, four), expected);
    }
}

TEST(ButtonSwitchDisplay, AnEntryWithoutItsComboKeyShowsNothing) {
    Tables t;
    t.Add(0, {1, 4, 0, 8});
    t.Add(0, {1, 8, 0, 2});
    EXPECT_EQ(DisplayedButtonSwitches(t.list, kNone, kNone), ButtonSwitchBoxes{});
    ComboKey otherMode = {0x07, 0x01, 0, 0};  // byte 1 without bit 7
    EXPECT_EQ(DisplayedButtonSwitches(t.list, otherMode, otherMode), ButtonSwitchBoxes{});
}

TEST(FireKeyEdits, CountAndTimeLimitsAndTheCountOfOne) {
    EXPECT_EQ(CheckFireCountText(L"16").replacement, L"15");
    EXPECT_FALSE(CheckFireCountText(L"16").send);
    EXPECT_FALSE(CheckFireCountText(L"1").send);
    EXPECT_TRUE(CheckFireCountText(L"15").send);
    EXPECT_TRUE(CheckFireCountText(L"").send);
    EXPECT_TRUE(CheckFireCountText(L"15").replacement.IsEmpty());
    EXPECT_EQ(CheckFireTimeText(L"4097").replacement, L"4096");
    EXPECT_FALSE(CheckFireTimeText(L"4097").send);
    EXPECT_TRUE(CheckFireTimeText(L"4096").send);

    SkinUI::CUIString replacement;
    EXPECT_TRUE(FireCountTextOnLeaving(L"1", &replacement));
    EXPECT_EQ(replacement, L"0");
    EXPECT_FALSE(FireCountTextOnLeaving(L"2", &replacement));
}

TEST(FireKeyEntries, OnlyEntriesOfTheKeysCodeWithATimeAreRewritten) {
    Tables t;
    t.Add(0, {6, 0x12, 0x01, 0x2C});  // fire code 2, 300 ms
    t.Add(0, {6, 0x13, 0x00, 0x64});  // another fire key
    t.Add(1, {6, 0x92, 0x00, 0x00});  // code 2 without a time
    t.Add(1, {1, 2, 0, 0});
    FireKeyEntry key{2, 0, 0};
    const FireKeyInput input = FireKeyInputFromTexts(L"5", L"500", true);
    const std::vector<EntryRef> changed = ApplyFireKeyInput(input, key, t.list);
    EXPECT_EQ(changed, (std::vector<EntryRef>{{0, 0}}));
    EXPECT_EQ(t.Bytes(0, 0)[1], 0x94);
    EXPECT_EQ(t.Bytes(0, 0)[2], 0x01);
    EXPECT_EQ(t.Bytes(0, 0)[3], 0xF4);
    EXPECT_EQ(t.Bytes(0, 1)[1], 0x13);
    EXPECT_EQ(t.Bytes(1, 0)[1], 0x92);
    EXPECT_EQ(key.code, 4);
    EXPECT_EQ(key.value, 500);
}

TEST(FireKeyEntries, ACountOfZeroIsStoredAsCodeMinusOne) {
    Tables t;
    FireKeyEntry key{0, 0, 0};
    ApplyFireKeyInput(FireKeyInputFromTexts(L"0", L"10", false), key, t.list);
    EXPECT_EQ(key.code, -1);
}
