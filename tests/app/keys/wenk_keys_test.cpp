// Macro and combination keys of the Wenk keyboard.
#include "app/core/settings_containers.h"
#include "app/core/wenk_key_texts.h"
#include "app/core/wenk_profile_block.h"
#include "binder_fakes.h"
#include "tests/app/support/temp_folder.h"

#include <cstring>
#include <string>

namespace {

// The keyboard's six macro slots, with names as the keyboard keeps them.
class KeyboardMacros {
public:
    explicit KeyboardMacros(FakeExports& fake) {
        for (int slot = 0; slot < 6; ++slot) names_[slot] = L"Slot" + std::to_wstring(slot);
        fake.On("Device_GetMarcoData", [this](const CallArgs& a) {
            const int slot = static_cast<int>(a[0]);
            if (slot < 0 || slot >= 6 || failing_[slot]) return -1;
            uint8_t* name = Out<uint8_t>(a[1]);
            for (size_t i = 0; i < names_[slot].size() && i < 16; ++i) {
                name[2 * i] = static_cast<uint8_t>(names_[slot][i] >> 8);
                name[2 * i + 1] = static_cast<uint8_t>(names_[slot][i]);
            }
            std::memset(Out<uint8_t>(a[2]), 0x40 + slot, 144);
            return 0;
        });
    }
    void Name(int slot, std::wstring name) { names_[slot] = std::move(name); }
    void Fail(int slot) { failing_[slot] = true; }

private:
    std::wstring names_[6];
    bool failing_[6] = {};
};

using WenkKeyTexts = FakeBinderTest;

TEST_F(WenkKeyTexts, MacroNamesAreSwappedBackAndBounded) {
    KeyboardMacros macros(fake);
    macros.Name(0, std::wstring(20, L'M'));
    KeyAssignmentRecord record;
    EXPECT_STREQ(GetMacroNameByCode(192, record, binder), L"MMMMMMMMMMMMMMMM") << "at most 16 units of a full field";
    ASSERT_TRUE(record.macro);
    EXPECT_EQ(record.macro->data, std::vector<uint8_t>(144, 0x40));
    ASSERT_EQ(WenkDeviceMacroList.size(), 1u);
    EXPECT_EQ(WenkDeviceMacroList[0], record.macro);

    EXPECT_TRUE(GetMacroNameByCode(191, record, binder).IsEmpty());
    EXPECT_TRUE(GetMacroNameByCode(198, record, binder).IsEmpty());
    EXPECT_EQ(fake.CallsTo("Device_GetMarcoData").size(), 1u);
}

TEST_F(WenkKeyTexts, MacroListKeepsIndexEqualToSlot) {
    KeyboardMacros macros(fake);
    KeyAssignmentRecord fourth;
    EXPECT_STREQ(GetMacroNameByCode(195, fourth, binder), L"Slot3");
    ASSERT_EQ(WenkDeviceMacroList.size(), 4u) << "the slots below are read too";
    for (int slot = 0; slot < 4; ++slot) {
        ASSERT_TRUE(WenkDeviceMacroList[slot]);
        EXPECT_STREQ(WenkDeviceMacroList[slot]->name, (L"Slot" + std::to_wstring(slot)).c_str());
    }
    EXPECT_EQ(WenkDeviceMacroList[3], fourth.macro);

    KeyAssignmentRecord second;
    EXPECT_STREQ(GetMacroNameByCode(193, second, binder), L"Slot1");
    EXPECT_EQ(second.macro, WenkDeviceMacroList[1]) << "the listed macro of that name is kept";
    EXPECT_EQ(WenkDeviceMacroList.size(), 4u);

    macros.Name(2, L"Renamed");
    KeyAssignmentRecord third;
    EXPECT_STREQ(GetMacroNameByCode(194, third, binder), L"Renamed");
    EXPECT_EQ(WenkDeviceMacroList[2], third.macro) << "the keyboard's macro replaces a stale one";

    KeyAssignmentRecord sixth;
    EXPECT_STREQ(GetMacroNameByCode(197, sixth, binder), L"Slot5");
    EXPECT_EQ(WenkDeviceMacroList.size(), 6u);
}

TEST_F(WenkKeyTexts, FailedMacroReadChangesNothing) {
    KeyboardMacros macros(fake);
    macros.Fail(1);
    KeyAssignmentRecord record;
    const MacroRef kept = MakeMacro(L"kept");
    record.macro = kept;
    EXPECT_TRUE(GetMacroNameByCode(194, record, binder).IsEmpty()) << "slot 1 below cannot be read";
    EXPECT_TRUE(WenkDeviceMacroList.empty());
    EXPECT_EQ(record.macro, kept);

    fake.Answer("Device_GetMarcoData", -1);
    EXPECT_TRUE(GetMacroNameByCode(192, record, binder).IsEmpty());
    EXPECT_TRUE(WenkDeviceMacroList.empty());
    EXPECT_EQ(record.macro, kept);
}

TEST_F(WenkKeyTexts, CombinationTextsAndTheirDiagnosticCopy) {
    TempFolder macroFolder;
    TempFolder current;
    CurrentFolder inCurrent(current.Path());
    MacroTempFolder = macroFolder.Path().c_str();

    uint8_t block[kWenkProfileBlockSize] = {};
    block[152] = 0x83;
    block[153] = 0x04;
    block[154] = 0x04;
    block[155] = 0x05;
    block[182] = 0x8F;
    block[183] = 0x28;
    EXPECT_STREQ(GetMiscKeyText(224, block), L"Ctrl+Shift+A");
    EXPECT_EQ(FileBytes(macroFolder.File(L"GetMisKeyString_131_4.bin")), std::vector<uint8_t>(block, block + 216));
    EXPECT_TRUE(FolderEntries(current.Path()).empty()) << "nothing in the current folder";
    EXPECT_STREQ(GetMiscKeyText(225, block), L"A+B");
    EXPECT_STREQ(GetMiscKeyText(239, block), L"Ctrl+Shift+Alt+Win+Enter");
    EXPECT_TRUE(GetMiscKeyText(223, block).IsEmpty());
    EXPECT_TRUE(GetMiscKeyText(240, block).IsEmpty());
    EXPECT_EQ(FolderEntries(macroFolder.Path()).size(), 3u);

    MacroTempFolder = macroFolder.File(L"missing").c_str();
    EXPECT_STREQ(GetMiscKeyText(224, block), L"Ctrl+Shift+A") << "an unwritable copy does not matter";
    MacroTempFolder.Clear();
    EXPECT_STREQ(GetMiscKeyText(225, block), L"A+B");
    EXPECT_TRUE(FolderEntries(current.Path()).empty());
}

}  // namespace
