// The Wenk keyboard's LED and macro wrappers.
#include "binder_fixture.h"

#include <cstring>
#include <vector>

namespace {

MacroRef Macro(const wchar_t* name, std::vector<uint8_t> data) {
    auto macro = std::make_shared<MacroRecord>();
    macro->name = name;
    macro->data = std::move(data);
    return macro;
}

}  // namespace

TEST_F(BinderTest, WenkLedBlocksTravelPerSetInTypeSpeedBrightnessSyncOrder) {
    fake.On("Device_GetLedData", [](const CallArgs& a) {
        *Out<uint8_t>(a[1]) = 3;
        *Out<uint8_t>(a[2]) = 4;
        *Out<uint8_t>(a[3]) = 5;
        *Out<uint8_t>(a[4]) = 1;
        return 0;
    });
    EXPECT_TRUE(binder.ReadLedDataWenk(1));
    const WenkLedBlock& block = DeviceSettings.WenkLedBlocks[1];
    EXPECT_EQ(block.type, 3);
    EXPECT_EQ(block.speed, 4);
    EXPECT_EQ(block.brightness, 5);
    EXPECT_EQ(block.sync, 1);
    EXPECT_EQ(DeviceSettings.WenkLedBlocks[0].type, 0);

    EXPECT_TRUE(binder.WriteLedDataWenk(1));
    EXPECT_EQ(fake.CallsTo("Device_WriteLedData").at(0), (CallArgs{1, 3, 4, 5, 1}));

    // A refused write is reported, not taken for success.
    fake.Answer("Device_WriteLedData", -1);
    EXPECT_FALSE(binder.WriteLedDataWenk(0));
    fake.Answer("Device_GetLedData", -1);
    EXPECT_FALSE(binder.ReadLedDataWenk(0));

    fake.Reset();
    EXPECT_FALSE(binder.ReadLedDataWenk(2));
    EXPECT_FALSE(binder.WriteLedDataWenk(-1));
    EXPECT_TRUE(fake.Names().empty());
}

TEST_F(BinderTest, WenkMacrosGoToSlotsInListOrderWithSwappedClampedFields) {
    EXPECT_TRUE(binder.WriteAllMacrosWenk()) << "nothing to write";
    EXPECT_TRUE(fake.Names().empty());

    std::vector<std::vector<uint8_t>> names;
    std::vector<std::vector<uint8_t>> datas;
    fake.On("Device_WriteMarcoData", [&](const CallArgs& a) {
        names.emplace_back(Out<uint8_t>(a[1]), Out<uint8_t>(a[1]) + 32);
        datas.emplace_back(Out<uint8_t>(a[2]), Out<uint8_t>(a[2]) + 144);
        return 0;
    });
    WenkDeviceMacroList.push_back(Macro(L"AB", {1, 2, 3}));
    WenkDeviceMacroList.push_back(Macro(L"0123456789abcdefXYZ", std::vector<uint8_t>(200, 0x77)));
    EXPECT_TRUE(binder.WriteAllMacrosWenk());

    const auto calls = fake.CallsTo("Device_WriteMarcoData");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0][0], 0);
    EXPECT_EQ(calls[1][0], 1);
    std::vector<uint8_t> firstName(32, 0);
    firstName[1] = 'A';
    firstName[3] = 'B';
    EXPECT_EQ(names[0], firstName);
    std::vector<uint8_t> firstData(144, 0);
    std::memcpy(firstData.data(), "\x01\x02\x03", 3);
    EXPECT_EQ(datas[0], firstData);
    EXPECT_EQ(names[1][31], 'f') << "a long name is cut to 16 units";
    EXPECT_EQ(datas[1], std::vector<uint8_t>(144, 0x77)) << "long data is cut to the field";
}

TEST_F(BinderTest, WenkMacroWritesStopAtTheFirstFailureAndAtTheSeventhSlot) {
    for (int i = 0; i < 7; ++i) WenkDeviceMacroList.push_back(Macro(L"m", {0}));
    EXPECT_FALSE(binder.WriteAllMacrosWenk());
    EXPECT_EQ(fake.CallsTo("Device_WriteMarcoData").size(), 6u);

    fake.Reset();
    fake.On("Device_WriteMarcoData", [](const CallArgs& a) { return a[0] == 1 ? -1 : 0; });
    EXPECT_FALSE(binder.WriteAllMacrosWenk());
    EXPECT_EQ(fake.CallsTo("Device_WriteMarcoData").size(), 2u);
}
