// The keyboard's 216-byte profile block between the keyboard and the key maps.
#include "app/core/constants.h"
#include "app/core/key_codes.h"
#include "app/core/settings_containers.h"
#include "app/core/wenk_profile_block.h"
#include "binder_fakes.h"

#include <array>
#include <cstring>

namespace {

using Block = std::array<uint8_t, kWenkProfileBlockSize>;

void PutDefaults(KeyMap& keys, KeyMap& buttons, int keyCount) {
    for (int i = 0; i < keyCount; ++i) {
        auto record = std::make_unique<KeyAssignmentRecord>();
        record->defaultCode = record->currentCode = 0x04 + i % 26;
        record->name = record->defaultName = GetKeyName(record->defaultCode);
        keys[WenkKeyName(i)] = std::move(record);
    }
    for (int i = 0; i < 12; ++i) {
        auto record = std::make_unique<KeyAssignmentRecord>();
        record->defaultCode = record->currentCode = 0x3A + i;
        buttons[FunctionKeyNames[static_cast<size_t>(i)]] = std::move(record);
    }
}

class WenkProfile : public FakeBinderTest {
protected:
    void SetUp() override {
        FakeBinderTest::SetUp();
        PutDefaults(WenkKeyMap1, WenkFunctionButtonMap1, 104);
        PutDefaults(WenkKeyMap2, WenkFunctionButtonMap2, 104);
        fake.On("Device_GetProFileData", [this](const CallArgs& a) {
            std::memcpy(Out<uint8_t>(a[1]), device[static_cast<size_t>(a[0])].data(), kWenkProfileBlockSize);
            return 0;
        });
        fake.On("Device_WriteProFileData", [this](const CallArgs& a) {
            std::memcpy(written[static_cast<size_t>(a[0])].data(), Out<uint8_t>(a[1]), kWenkProfileBlockSize);
            return 0;
        });
        fake.On("Device_GetMarcoData", [](const CallArgs& a) {
            const uint8_t name[] = {0, 'M', 0, static_cast<uint8_t>('0' + a[0])};
            std::memcpy(Out<uint8_t>(a[1]), name, sizeof(name));
            return 0;
        });
    }

    KeyAssignmentRecord& Key(int index, KeyMap& map = WenkKeyMap1) { return *map.at(WenkKeyName(index)); }

    std::array<Block, 2> device{};
    std::array<Block, 2> written{};
};

TEST_F(WenkProfile, ReadThenWriteGivesTheKeyboardItsOwnBlockBack) {
    Block& block = device[0];
    for (size_t i = 0; i < 104; ++i) block[i] = static_cast<uint8_t>(0x04 + (i * 5) % 40);
    block[3] = 0xE0;   // combination 0
    block[4] = 0xC2;   // macro slot 2
    block[5] = 0xA3;   // media key
    block[6] = 0x00;   // nothing
    block[7] = 0xEF;   // combination 15
    const uint8_t combinations[] = {0x83, 0x04, 0x04, 0x05, 0x81, 0x2C};
    std::copy(std::begin(combinations), std::end(combinations), block.begin() + 152);
    block[182] = 0x82;
    block[183] = 0x1D;
    for (size_t i = 0; i < 12; ++i) block[184 + i] = static_cast<uint8_t>(i % 2 ? 0x3A + i : 0x50 + i);

    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0], block) << "keys, combinations and function buttons";

    EXPECT_STREQ(Key(3).name, L"Ctrl+Shift+A");
    EXPECT_EQ(Key(3).type, KeyAssignmentRecord::MiscFunction);
    EXPECT_STREQ(Key(7).name, L"Shift+Z");
    EXPECT_STREQ(Key(4).name, L"M2");
    EXPECT_EQ(Key(4).type, KeyAssignmentRecord::Macro);
    ASSERT_EQ(WenkDeviceMacroList.size(), 3u);
    EXPECT_EQ(Key(4).macro, WenkDeviceMacroList[2]);
    EXPECT_STREQ(Key(5).name, L"Play/Pause ");
    EXPECT_EQ(Key(5).type, KeyAssignmentRecord::Multimedia);
    EXPECT_STREQ(Key(6).name, L"G") << "a code without a name keeps the old one";
    EXPECT_EQ(Key(6).currentCode, 0);
    EXPECT_EQ(Key(0).defaultCode, 0x04) << "defaults stay";
    EXPECT_EQ(WenkFunctionButtonMap1.at(L"FN_1")->currentCode, 0x50);
    EXPECT_EQ(WenkKeyMap2.at(L"KB_00")->currentCode, 0x04) << "set 2 untouched";
}

TEST_F(WenkProfile, EachSetKeepsItsOwnCombinationsUntilTheUserMakesSome) {
    device[0][152] = 0x81;
    device[0][153] = 0x04;
    device[1][152] = 0x84;
    device[1][153] = 0x05;
    device[1][183] = 0x06;
    for (size_t i = 0; i < 12; ++i) device[0][184 + i] = static_cast<uint8_t>(0x3A + i);
    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    ASSERT_TRUE(binder.ReadKeyProfileWenk(1));
    ASSERT_TRUE(binder.WriteKeyProfileWenk(1));
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_TRUE(std::equal(written[0].begin() + 152, written[0].begin() + 184, device[0].begin() + 152));
    EXPECT_TRUE(std::equal(written[1].begin() + 152, written[1].begin() + 184, device[1].begin() + 152));

    WenkProfileWordNames.push_back(L"Ctrl+B");
    WenkProfileWords.push_back(0x1234);
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0][152], 0x12);
    EXPECT_EQ(written[0][153], 0x34);
    EXPECT_TRUE(std::all_of(written[0].begin() + 154, written[0].begin() + 184, [](uint8_t b) { return b == 0; }));

    for (int j = 0; j < 20; ++j) WenkProfileWords.push_back(0xABCD);
    ASSERT_TRUE(binder.WriteKeyProfileWenk(0));
    EXPECT_EQ(written[0][182], 0xAB) << "16 words at most";
    EXPECT_EQ(written[0][184], 0x3A) << "the function buttons are not overwritten";
    EXPECT_TRUE(std::all_of(written[0].begin() + 196, written[0].end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(WenkProfile, WritingUnreadSetsLeavesTheCombinationAreaZero) {
    ASSERT_TRUE(binder.WriteKeyProfileWenk(1));
    EXPECT_TRUE(std::all_of(written[1].begin() + 152, written[1].begin() + 184, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(written[1][0], 0x04);
    EXPECT_EQ(written[1][195], 0x45);
}

TEST_F(WenkProfile, DecodedTypesFollowTheCode) {
    KeyAssignmentRecord& key = Key(10);
    key.type = KeyAssignmentRecord::Macro;
    key.macro = MakeMacro(L"old");
    device[0][10] = 0x28;
    device[0][11] = 0xE0;
    device[0][12] = 0xA0;
    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    EXPECT_EQ(key.type, KeyAssignmentRecord::Key) << "an ordinary key again";
    EXPECT_FALSE(key.macro);
    EXPECT_STREQ(key.name, L"Enter");
    EXPECT_EQ(Key(11).type, KeyAssignmentRecord::MiscFunction);
    EXPECT_STREQ(Key(11).name, L"+") << "an empty combination entry";
    EXPECT_EQ(Key(12).type, KeyAssignmentRecord::Multimedia);
    EXPECT_STREQ(Key(12).name, L"Scan Next Track");
}

TEST_F(WenkProfile, FunctionButtonAtItsDefaultCodeIsNotTouched) {
    KeyAssignmentRecord& fn1 = *WenkFunctionButtonMap1.at(L"FN_1");
    fn1.currentCode = 0x05;
    fn1.name = L"B";
    KeyAssignmentRecord& fn2 = *WenkFunctionButtonMap1.at(L"FN_2");
    device[0][184] = 0x3A;
    device[0][185] = 0x04;
    ASSERT_TRUE(binder.ReadKeyProfileWenk(0));
    EXPECT_EQ(fn1.currentCode, 0x05);
    EXPECT_STREQ(fn1.name, L"B");
    EXPECT_EQ(fn2.currentCode, 0x04);
    EXPECT_STREQ(fn2.name, L"A");
}

TEST_F(WenkProfile, FailedReadsChangeNothing) {
    device[0][0] = 0x28;
    fake.Answer("Device_GetProFileData", -1);
    EXPECT_FALSE(binder.ReadKeyProfileWenk(0));
    EXPECT_EQ(Key(0).currentCode, 0x04);
    EXPECT_FALSE(binder.ReadKeyProfileWenk(2));
    EXPECT_FALSE(binder.WriteKeyProfileWenk(-1));
    fake.Answer("Device_WriteProFileData", 1);
    EXPECT_FALSE(binder.WriteKeyProfileWenk(0));

    DeviceLibraryBinder withoutExports(
        std::make_unique<FakeModuleLoader>(std::set<std::wstring>{}, std::set<std::string>{"Device_GetProFileData",
                                                                                           "Device_WriteProFileData"}));
    EXPECT_FALSE(withoutExports.ReadKeyProfileWenk(0));
    EXPECT_FALSE(withoutExports.WriteKeyProfileWenk(0));
    EXPECT_EQ(Key(0).currentCode, 0x04);
}

}  // namespace
