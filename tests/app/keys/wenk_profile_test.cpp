// The keyboard's macro and combination keys and its 216-byte profile block.
#include "app/core/settings/constants.h"
#include "app/core/keys/key_codes.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/keys/wenk_key_texts.h"
#include "app/core/keys/wenk_profile_block.h"
#include "binder_fakes.h"
#include "tests/app/support/temp_folder.h"

#include <array>
#include <cstring>

namespace {

using Block = std::array<uint8_t, kWenkProfileBlockSize>;

void PutDefaults(KeyMap& keys, KeyMap& buttons) {
    for (int i = 0; i < 104; ++i) {
        auto& key = keys[WenkKeyName(i)] = std::make_unique<KeyAssignmentRecord>();
        key->defaultCode = key->currentCode = 0x04 + i % 26;
    }
    for (size_t i = 0; i < 12; ++i) {
        auto& button = buttons[FunctionKeyNames[i]] = std::make_unique<KeyAssignmentRecord>();
        button->defaultCode = button->currentCode = static_cast<int>(0x3A + i);
    }
}

// A keyboard with a profile block per set and a macro "M<slot>" in every slot.
class WenkKeyboard : public FakeBinderTest {
protected:
    void SetUp() override {
        FakeBinderTest::SetUp();
        PutDefaults(WenkKeyMap1, WenkFunctionButtonMap1);
        PutDefaults(WenkKeyMap2, WenkFunctionButtonMap2);
        fake.On("Device_GetProFileData", [this](const CallArgs& a) {
            std::memcpy(Out<uint8_t>(a[1]), device.at(static_cast<size_t>(a[0])).data(), kWenkProfileBlockSize);
            return 0;
        });
        fake.On("Device_WriteProFileData", [this](const CallArgs& a) {
            std::memcpy(written.at(static_cast<size_t>(a[0])).data(), Out<uint8_t>(a[1]), kWenkProfileBlockSize);
            return 0;
        });
        fake.On("Device_GetMarcoData", [](const CallArgs& a) {
            uint8_t* name = Out<uint8_t>(a[1]);
            for (int i = 0; i < 32; i += 2) name[i + 1] = 'M';  // a full field: no zero unit
            name[1] = static_cast<uint8_t>('0' + a[0]);
            return a[0] == 4 ? -1 : 0;
        });
    }
    KeyAssignmentRecord& Key(int index) { return *WenkKeyMap1.at(WenkKeyName(index)); }

    std::array<Block, 2> device{};
    std::array<Block, 2> written{};
};

TEST_F(WenkKeyboard, MacroKeysKeepListIndexEqualToSlot) {
    KeyAssignmentRecord key;
    EXPECT_STREQ(GetMacroNameByCode(195, key, binder), L"3MMMMMMMMMMMMMMM") << "swapped, 16 units";
    ASSERT_EQ(WenkDeviceMacroList.size(), 4u) << "the slots below are read too";
    EXPECT_STREQ(WenkDeviceMacroList[1]->name, L"1MMMMMMMMMMMMMMM");
    EXPECT_EQ(WenkDeviceMacroList[3], key.macro);
    const MacroRef second = WenkDeviceMacroList[1];
    EXPECT_FALSE(GetMacroNameByCode(193, key, binder).IsEmpty());
    EXPECT_EQ(key.macro, second) << "the listed macro of that name";

    EXPECT_TRUE(GetMacroNameByCode(197, key, binder).IsEmpty()) << "slot 4 cannot be read";
    EXPECT_EQ(WenkDeviceMacroList.size(), 4u);
    EXPECT_EQ(key.macro, second);
}

// The macro window's one macro of a name two slots hold plays in the first;
// the second keeps its own steps.
TEST_F(WenkKeyboard, TwoSlotsOfOneNameKeepTheirOwnSteps) {
    fake.On("Device_GetMarcoData", [](const CallArgs& a) {
        Out<uint8_t>(a[1])[1] = 'T';
        Out<uint8_t>(a[2])[0] = static_cast<uint8_t>(0x10 + a[0]);
        return 0;
    });
    std::vector<uint8_t> writtenSteps(2);
    fake.On("Device_WriteMarcoData", [&](const CallArgs& a) {
        writtenSteps.at(static_cast<size_t>(a[0])) = Out<uint8_t>(a[2])[0];
        return 0;
    });
    const MacroRef window = MakeMacro(L"T");
    window->data = {0x20};
    WenkMacroList = {window};
    KeyAssignmentRecord first;
    KeyAssignmentRecord second;
    EXPECT_STREQ(GetMacroNameByCode(193, second, binder), L"T");
    EXPECT_STREQ(GetMacroNameByCode(192, first, binder), L"T");
    EXPECT_EQ(first.macro, window);
    ASSERT_TRUE(binder.WriteAllMacrosWenk());
    EXPECT_EQ(writtenSteps, (std::vector<uint8_t>{0x20, 0x11}));
}

// Of the macro window's macros of one name, a slot plays the one holding its
// steps, wherever it stands; the next slot of the name takes the other.
TEST_F(WenkKeyboard, ASlotPlaysTheMacroOfItsNameThatHoldsItsSteps) {
    fake.On("Device_GetMarcoData", [](const CallArgs& a) {
        Out<uint8_t>(a[1])[1] = 'T';
        Out<uint8_t>(a[2])[0] = static_cast<uint8_t>(0x10 + a[0]);
        return 0;
    });
    const MacroRef other = MakeMacro(L"T");
    other->data = {0x20};
    const MacroRef own = MakeMacro(L"T");
    own->data = {0x10};
    WenkMacroList = {other, own};
    KeyAssignmentRecord first;
    KeyAssignmentRecord second;
    EXPECT_STREQ(GetMacroNameByCode(192, first, binder), L"T");
    EXPECT_EQ(first.macro, own);
    EXPECT_STREQ(GetMacroNameByCode(193, second, binder), L"T");
    EXPECT_EQ(second.macro, other);
}

TEST_F(WenkKeyboard, CombinationTextsLeaveTheirCopyInTheMacroFolder) {
    TempFolder macroFolder;
    TempFolder current;
    CurrentFolder inCurrent(current.Path());
    MacroTempFolder = macroFolder.Path().c_str();
    Block block{};
    block[152] = 0x83;
    block[153] = 0x04;
    block[154] = 0x04;
    block[155] = 0x05;
    EXPECT_STREQ(GetMiscKeyText(224, block.data()), L"Ctrl+Shift+A");
    EXPECT_EQ(FileBytes(macroFolder.File(L"GetMisKeyString_131_4.bin")), std::vector<uint8_t>(block.begin(), block.end()));
    EXPECT_STREQ(GetMiscKeyText(225, block.data()), L"A+B");
    MacroTempFolder = macroFolder.File(L"missing").c_str();
    EXPECT_STREQ(GetMiscKeyText(224, block.data()), L"Ctrl+Shift+A") << "an unwritable copy does not matter";
    EXPECT_TRUE(FolderEntries(current.Path()).empty());
}

TEST_F(WenkKeyboard, ReadThenWriteGivesTheKeyboardItsOwnBlockBack) {
    Block& block = device[0];
    for (size_t i = 0; i < 104; ++i) block[i] = static_cast<uint8_t>(0x04 + (i * 5) % 40);
    block[3] = 0xE0;  // combination 0
    block[4] = 0xC2;  // macro slot 2
    block[5] = 0xA3;  // media key
    block[6] = 0x00;  // nothing
    const uint8_t combinations[] = {0x83, 0x04, 0x04, 0x05, 0x81, 0x2C};
    std::copy(std::begin(combinations), std::end(combinations), block.begin() + 152);
    for (size_t i = 0; i < 12; ++i) block[184 + i] = static_cast<uint8_t>(i % 2 ? 0x3A + i : 0x50 + i);
    Key(4).type = KeyAssignmentRecord::Multimedia;
    Key(7).type = KeyAssignmentRecord::Macro;
    Key(7).macro = MakeMacro(L"old");

    ASSERT_TRUE(binder.ReadKeyProfilesWenk());
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0], block) << "keys, combinations and function buttons";
    EXPECT_EQ(Key(3).type, KeyAssignmentRecord::MiscFunction);
    EXPECT_STREQ(Key(3).name, L"Ctrl+Shift+A");
    EXPECT_EQ(Key(4).type, KeyAssignmentRecord::Macro);
    EXPECT_EQ(Key(4).macro, WenkDeviceMacroList.at(2));
    EXPECT_EQ(Key(5).type, KeyAssignmentRecord::Multimedia);
    EXPECT_EQ(Key(7).type, KeyAssignmentRecord::Key) << "an ordinary key again";
    EXPECT_FALSE(Key(7).macro);
    EXPECT_EQ(WenkFunctionButtonMap1.at(L"FN_1")->currentCode, 0x50);
}

TEST_F(WenkKeyboard, EachSetKeepsItsCombinationsUntilTheUserMakesSome) {
    device[0][152] = 0x81;
    device[1][153] = 0x05;
    ASSERT_TRUE(binder.ReadKeyProfilesWenk());
    ASSERT_TRUE(binder.WriteKeyProfileWenk(1));
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0][152], 0x81);
    EXPECT_EQ(written[1][153], 0x05);
    EXPECT_EQ(written[0][153], 0x00);

    WenkProfileWords = {0x1234};
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0][152], 0x12);
    EXPECT_EQ(written[0][153], 0x34);
    WenkProfileWords.assign(20, 0xABCD);
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0][183], 0xCD) << "16 words at most";
    EXPECT_EQ(written[0][184], 0x00) << "then the function buttons as read";
}

TEST_F(WenkKeyboard, FailedReadsChangeNothing) {
    device[0][0] = 0x28;
    fake.On("Device_GetProFileData", [this](const CallArgs& a) {
        std::memcpy(Out<uint8_t>(a[1]), device[0].data(), kWenkProfileBlockSize);
        return a[0] == 1 ? -1 : 0;
    });
    EXPECT_FALSE(binder.ReadKeyProfilesWenk());
    EXPECT_EQ(Key(0).currentCode, 0x04) << "set 0 read, set 1 not";
    EXPECT_FALSE(binder.WriteKeyProfileWenk(2));
    DeviceLibraryBinder unbound(std::make_unique<FakeModuleLoader>(std::set<std::wstring>{L"KorvaneIT_Wenk.dll"}));
    EXPECT_FALSE(unbound.ReadKeyProfilesWenk());
    EXPECT_FALSE(unbound.WriteKeyProfileWenk(0));
}

}  // namespace
