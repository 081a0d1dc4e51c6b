// Every option of both entry widths, the left-click rule and the fire keys
// and presets, without a window.
#include "app/dialogs/assignment/kelvo_assignment.h"
#include "app/dialogs/assignment/nolx_assignment.h"
#include "app/windows/nolx_fire_state.h"
#include "app/core/keys/assignment_texts.h"
#include "assignment_fixture.h"

using V = std::vector<int>;

class KelvoEncodings : public AssignmentTest {
protected:
    void SetUp() override {
        AssignmentTest::SetUp();
        AddButton(KelvoButtonTable1, {1, 1, 0});  // left click stays on button 0
        edited = &AddButton(KelvoButtonTable1, {1, 2, 0});
    }
    V Apply(const AssignmentChoice& choice, MouseFamily family = MouseFamily::Kelvo) {
        EXPECT_EQ(AssignmentOutcome::Applied, ApplyKelvoChoice(family, choice, *edited, binder));
        return BytesOf(*edited);
    }
    ButtonAssignmentEntry* edited = nullptr;
};

TEST_F(KelvoEncodings, ListOptionsTakeTheirBytesFromTheItemCode) {
    EXPECT_EQ(V({1, 0x04, 0x00}), Apply(Choose(AssignmentOption::StandardMouseKey, 2, 0x400)));
    EXPECT_EQ(V({5, 0x01, 0x02}), Apply(Choose(AssignmentOption::SpecialKey, 0, 0x050102)));
    EXPECT_EQ(V({3, 0x00, 0xE9}), Apply(Choose(AssignmentOption::Multimedia, 3, 0xE9)));
    EXPECT_EQ(V({3, 0x02, 0x23}), Apply(Choose(AssignmentOption::Web, 1, 0x223)));
    EXPECT_EQ(V({3, 0x01, 0x92}), Apply(Choose(AssignmentOption::Pc, 0, 0x030192)));
    EXPECT_EQ(V({12, 0x08, 0x00}), Apply(Choose(AssignmentOption::FireMacro, 6, 0x0C0800)));
}

TEST_F(KelvoEncodings, UserDefinedKeysCarryTheirModifiersInTheHighByte) {
    AssignmentChoice choice = Choose(AssignmentOption::UserDefined);
    choice.capturedKeyCode = 0x04;
    choice.shift = true;
    choice.win = true;
    EXPECT_EQ(V({2, 0x8A, 0x04}), Apply(choice));
    choice.shift = choice.win = false;
    EXPECT_EQ(V({2, 0x00, 0x04}), Apply(choice));
    choice.ctrl = choice.alt = true;
    EXPECT_EQ(V({2, 0x85, 0x04}), Apply(choice));
}

TEST_F(KelvoEncodings, AListWithoutASelectedRowLeavesTheEntry) {
    for (AssignmentOption option : {AssignmentOption::StandardMouseKey, AssignmentOption::SpecialKey,
                                    AssignmentOption::Multimedia, AssignmentOption::Macro, AssignmentOption::None}) {
        EXPECT_EQ(AssignmentOutcome::Unchanged, ApplyKelvoChoice(MouseFamily::Kelvo, Choose(option), *edited, binder));
        EXPECT_EQ(V({1, 2, 0}), BytesOf(*edited));
    }
}

TEST_F(KelvoEncodings, TheOnlyLeftButtonTakesLeftClickAgainButNothingElse) {
    ButtonAssignmentEntry& left = *KelvoButtonTable1[0];
    EXPECT_EQ(AssignmentOutcome::LeftClickRefused,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::StandardMouseKey, 1, 0x200), left, binder));
    EXPECT_EQ(V({1, 1, 0}), BytesOf(left));
    EXPECT_EQ(AssignmentOutcome::Applied,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::StandardMouseKey, 0, 0x100), left, binder));

    // Left click in the other key mode's table does not count.
    AddButton(KelvoButtonTable2, {1, 1, 0});
    AddButton(KelvoButtonTable2, {1, 1, 0});
    EXPECT_EQ(AssignmentOutcome::LeftClickRefused,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Multimedia, 0, 0xE2), left, binder));
    DeviceSettings.KelvoKeyMode = 1;
    ButtonAssignmentEntry& left2 = *KelvoButtonTable2[0];
    EXPECT_EQ(AssignmentOutcome::Applied,
              ApplyKelvoChoice(MouseFamily::Kelvo, Choose(AssignmentOption::Multimedia, 0, 0xE2), left2, binder));
    EXPECT_EQ(V({3, 0, 0xE2}), BytesOf(left2));
}

class NolxEncodings : public AssignmentTest {
protected:
    void SetUp() override {
        AssignmentTest::SetUp();
        for (RecordList<MacroKeyEntry>* table : {&DolvMacroKeyTable1, &MeskMacroKeyTable1, &QiroMacroKeyTable1}) {
            AddKey(*table, {1, 1, 0, 0});
            AddKey(*table, {1, 2, 0, 0});
        }
    }
    V Apply(MouseFamily family, const AssignmentChoice& choice) {
        MacroKeyEntry& entry = *(*NolxData(family).tables[0])[1];
        EXPECT_EQ(AssignmentOutcome::Applied, ApplyNolxChoice(family, choice, entry, {}, binder));
        return BytesOf(entry);
    }
};

TEST_F(NolxEncodings, ListOptionsTakeTheirFourBytesFromTheItemCode) {
    for (MouseFamily family : {MouseFamily::Dolv, MouseFamily::Mesk, MouseFamily::Qiro}) {
        EXPECT_EQ(V({1, 0x10, 0, 0}), Apply(family, Choose(AssignmentOption::StandardMouseKey, 3, 0x1000)));
        EXPECT_EQ(V({9, 1, 0, 0}), Apply(family, Choose(AssignmentOption::SpecialKey, 2, 0x09010000)));
        EXPECT_EQ(V({3, 0, 0xCD, 0}), Apply(family, Choose(AssignmentOption::Multimedia, 3, 0x0300CD00)));
        EXPECT_EQ(V({3, 2, 0x24, 0}), Apply(family, Choose(AssignmentOption::Web, 1, 0x03022400)));
        EXPECT_EQ(V({3, 1, 0x94, 0}), Apply(family, Choose(AssignmentOption::Pc, 2, 0x03019400)));
    }
}

TEST_F(NolxEncodings, UserDefinedKeysAndChordsKeepTheModifierBitsApart) {
    AssignmentChoice choice = Choose(AssignmentOption::UserDefined);
    choice.ctrl = true;
    choice.capturedKeyCode = 0x04 * 256 + 0x05;
    EXPECT_EQ(V({2, 0x01, 0x04, 0x05}), Apply(MouseFamily::Qiro, choice));
    choice.ctrl = false;
    choice.alt = choice.win = true;
    choice.capturedKeyCode = 0x28;
    EXPECT_EQ(V({2, 0x0C, 0x00, 0x28}), Apply(MouseFamily::Dolv, choice));
}

TEST_F(NolxEncodings, FirePresetsFollowTheRowTheGunCountsAndKeepLeft) {
    DolvLastFireMacroByte = 0x5C;
    AssignmentChoice choice = Choose(AssignmentOption::FireMacro, 6);
    choice.gun7Count = 3;
    keepLeftFireFlagDolv = 1;
    EXPECT_EQ(V({11, 23, 3, 0x5C}), Apply(MouseFamily::Dolv, choice));
    keepLeftFireFlagDolv = 0;
    choice.row = 5;
    choice.gun6Count = 3;  // presets 6 offer counts 1 and 2 only
    EXPECT_EQ(V({11, 5, 1, 0x5C}), Apply(MouseFamily::Dolv, choice));
    choice.gun6Count = 2;
    EXPECT_EQ(V({11, 5, 2, 0x5C}), Apply(MouseFamily::Dolv, choice));
    choice.row = 3;
    EXPECT_EQ(V({11, 3, 1, 0x5C}), Apply(MouseFamily::Dolv, choice));

    QiroLastFireMacroByte = 7;
    keepLeftFireFlagQiro = 1;
    choice.row = 6;
    EXPECT_EQ(V({11, 22, 1, 7}), Apply(MouseFamily::Qiro, choice));
    // Without a row the preset stays, and keep-left is not added twice.
    choice.row = -1;
    EXPECT_EQ(V({11, 22, 1, 7}), Apply(MouseFamily::Qiro, choice));
    MeskLastFireMacroByte = 1;
    choice.row = 6;
    choice.gun7Count = 2;
    EXPECT_EQ(V({11, 7, 2, 1}), Apply(MouseFamily::Mesk, choice));
    keepLeftFireFlagQiro = 0;
}

TEST_F(NolxEncodings, FireKeysTakeCodeValueAndContinueFlagFromTheFireKeyTable) {
    DeviceSettings.FireKeyTableQiro[0] = {0x01, 0x0190, 1};
    DeviceSettings.FireKeyTableQiro[1] = {0x02, 0x0032, 0};
    DeviceSettings.FireKeyTableQiro[2] = {0x83, 0x1234, 0};
    AssignmentChoice choice = Choose(AssignmentOption::SpecialKey, 4);
    choice.itemData = L"FireKey";
    choice.itemText = L"%{122}";
    EXPECT_EQ(V({6, 0x91, 0x01, 0x90}), Apply(MouseFamily::Qiro, choice));
    choice.itemText = L"%{123}";
    EXPECT_EQ(V({6, 0x12, 0x00, 0x32}), Apply(MouseFamily::Qiro, choice));
    choice.itemText = L"%{124}";
    EXPECT_EQ(V({6, 0x13, 0x12, 0x34}), Apply(MouseFamily::Qiro, choice));
}

TEST_F(NolxEncodings, KeyMode1CountsTheExtraLeftClickOfEachFamily) {
    struct Case {
        MouseFamily family;
        RecordList<MacroKeyEntry>* table;
        std::array<int, 4> extra;
        int value;
    };
    const Case cases[] = {{MouseFamily::Dolv, &DolvMacroKeyTable2, {0x10, 0x07, 0x10, 0xFF}, 0x100710FF},
                          {MouseFamily::Mesk, &MeskMacroKeyTable2, {0x10, 0x06, 0xA0, 0xFF}, 0x1006A0FF},
                          {MouseFamily::Qiro, &QiroMacroKeyTable2, {0x10, 0x01, 0x30, 0xFF}, 0x100130FF}};
    DeviceSettings.DolvKeyMode = DeviceSettings.MeskKeyMode = DeviceSettings.QiroKeyMode = 1;
    for (const Case& c : cases) {
        MacroKeyEntry& only = AddKey(*c.table, {1, 1, 0, 0});
        const AssignmentChoice media = Choose(AssignmentOption::Multimedia, 0, 0x0300E200);
        EXPECT_EQ(AssignmentOutcome::LeftClickRefused, ApplyNolxChoice(c.family, media, only, {}, binder));
        EXPECT_EQ(V({1, 1, 0, 0}), BytesOf(only));
        // Choosing the extra left click itself is allowed.
        EXPECT_EQ(AssignmentOutcome::Applied,
                  ApplyNolxChoice(c.family, Choose(AssignmentOption::SpecialKey, 9, c.value), only, {}, binder));
        EXPECT_EQ(V(c.extra.begin(), c.extra.end()), BytesOf(only));
        // Another button holding it keeps left click for this one.
        MacroKeyEntry& other = AddKey(*c.table, {1, 1, 0, 0});
        EXPECT_EQ(AssignmentOutcome::Applied, ApplyNolxChoice(c.family, media, other, {}, binder));
    }
    // In key mode 0 the extra entry is no left click.
    DeviceSettings.QiroKeyMode = 0;
    QiroMacroKeyTable1[0]->bytes[1] = 2;
    AddKey(QiroMacroKeyTable1, {0x10, 0x01, 0x30, 0xFF});
    EXPECT_EQ(AssignmentOutcome::LeftClickRefused,
              ApplyNolxChoice(MouseFamily::Qiro, Choose(AssignmentOption::Web, 0, 0x03022300), *QiroMacroKeyTable1[1],
                              {}, binder));
}
