// The Dolv, Mesk and Qiro wrappers: index bases, result rules, the macro
// buffer, the fire-macro outputs and Mesk's one-value breath rate.
#include "binder_fixture.h"

#include <cstring>
#include <vector>

TEST_F(BinderTest, NolxCpiWritesLeaveTheActiveLevelToItsOwnWriteAndGoOnPastAFailingLevel) {
    for (int i = 0; i < 7; ++i) {
        CpiLevelEntry& level = AppendRecord(QiroCpiLevels);
        level.red = 1;
        level.green = 2;
        level.blue = 3;
        level.value = 12 + i % 3;
    }
    DeviceSettings.QiroActiveCpiLevel = 2;
    DeviceSettings.QiroCpiLevelCount = 7;
    EXPECT_TRUE(binder.WriteCpiSettingsQiro());
    EXPECT_TRUE(fake.CallsTo("Device_Set_Current_CPI_Gear_Qiro").empty());
    EXPECT_EQ(fake.CallsTo("Device_Set_Number_CPI_Qiro").at(0), CallArgs{7});
    const auto values = fake.CallsTo("Device_Set_CPI_Value_Qiro");
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[0], (CallArgs{0, 12}));
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Color_Qiro").at(6), (CallArgs{6, 1, 2, 3}));

    fake.Answer("Device_Set_Current_CPI_Gear_Qiro", -1);
    EXPECT_FALSE(binder.WriteActiveCpiLevelQiro());
    EXPECT_EQ(fake.CallsTo("Device_Set_Current_CPI_Gear_Qiro").at(0), CallArgs{2});

    fake.Reset();
    fake.On("Device_Set_CPI_Color_Qiro", [](const CallArgs& a) { return a[0] == 1 ? -1 : 0; });
    fake.On("Device_Set_CPI_Value_Qiro", [](const CallArgs& a) { return a[0] == 3 ? -1 : 0; });
    EXPECT_FALSE(binder.WriteCpiSettingsQiro());
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Value_Qiro").size(), 7u);
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Color_Qiro").size(), 7u);
}

TEST_F(BinderTest, NolxCpiReadsCountLevelsFromZeroWithByteColours) {
    fake.On("Device_Get_CPI_Value_Mesk", [](const CallArgs& a) {
        *Out<int>(a[1]) = static_cast<int>(a[0]) + 1;
        return 0;
    });
    fake.On("Device_Get_CPI_Color_Mesk", [](const CallArgs& a) {
        *Out<uint8_t>(a[1]) = 0xFF;
        *Out<uint8_t>(a[2]) = 0x80;
        *Out<uint8_t>(a[3]) = static_cast<uint8_t>(a[0]);
        return a[0] == 5 ? -1 : 0;
    });
    EXPECT_FALSE(binder.ReadCpiSettingsMesk());
    ASSERT_EQ(MeskCpiLevels.size(), 5u);
    EXPECT_EQ(MeskCpiLevels[0]->value, 1);
    EXPECT_EQ(MeskCpiLevels[4]->red, 255);
    EXPECT_EQ(MeskCpiLevels[4]->green, 128);
    EXPECT_EQ(MeskCpiLevels[4]->blue, 4);
}

TEST_F(BinderTest, NolxDeviceMacrosAreReadWholeUntilTheLibraryHasNoMore) {
    fake.Answer("Device_Get_Macro_Data_Qiro", -1);
    EXPECT_TRUE(binder.ReadMacrosQiro());
    EXPECT_TRUE(QiroDeviceMacroList.empty());

    fake.On("Device_Get_Macro_Data_Qiro", [](const CallArgs& a) {
        if (a[0] >= 2) return -1;
        uint8_t* header = Out<uint8_t>(a[1]);
        const char name[] = "\0A\0B\0C\0D\0E\0F\0G\0H";  // eight units, no closing zero
        std::memcpy(header, name, 16);
        const int length = a[0] == 0 ? 497 : 3;  // a full area's macro with its closing byte
        std::memset(Out<uint8_t>(a[2]), 0x21, static_cast<size_t>(length));
        *Out<int>(a[3]) = 512 + static_cast<int>(a[0]);
        *Out<int>(a[4]) = length;
        return 0;
    });
    const MacroRef earlier = std::make_shared<MacroRecord>();
    QiroDeviceMacroList.push_back(earlier);
    EXPECT_TRUE(binder.ReadMacrosQiro());
    ASSERT_EQ(QiroDeviceMacroList.size(), 2u);
    EXPECT_EQ(QiroDeviceMacroList[0]->name.Compare(L"ABCDEFGH"), 0);
    EXPECT_EQ(QiroDeviceMacroList[0]->number, 512);
    EXPECT_EQ(QiroDeviceMacroList[0]->data, std::vector<uint8_t>(497, 0x21));
    EXPECT_EQ(QiroDeviceMacroList[1]->data.size(), 3u);
    EXPECT_EQ(fake.CallsTo("Device_Get_Macro_Data_Qiro").size(), 4u);
    EXPECT_EQ(earlier.use_count(), 1) << "a record still referred to elsewhere stays alive";

    fake.Answer("Device_Get_Macro_Data_Qiro", 0);
    EXPECT_TRUE(binder.ReadMacrosQiro()) << "a library that never says no does not hold the read forever";
    EXPECT_LE(QiroDeviceMacroList.size(), 32u);
}

TEST_F(BinderTest, NolxMacroWritesSwapTheNameFieldInPlace) {
    uint8_t name[16] = {'N', 0, 'o', 0};
    const uint8_t data[] = {0x21, 0xFC, 0x00};
    EXPECT_TRUE(binder.WriteMacroDolv(-1, name, data, 3));
    EXPECT_EQ(name[0], 0);
    EXPECT_EQ(name[1], 'N');
    const CallArgs call = fake.CallsTo("Device_Set_Macro_Data_Dolv").at(0);
    EXPECT_EQ(call[0], -1);
    EXPECT_EQ(call[1], reinterpret_cast<intptr_t>(name));
    EXPECT_EQ(call[3], 3);
    fake.Answer("Device_Set_Macro_Data_Dolv", -1);
    EXPECT_FALSE(binder.WriteMacroDolv(0, name, data, 3));
    EXPECT_FALSE(binder.WriteMacroDolv(-1, name, data, -1));
    EXPECT_EQ(fake.CallsTo("Device_Set_Macro_Data_Dolv").size(), 2u);
}

TEST_F(BinderTest, NolxKeyTablesCountSetsAndKeysFromOneInTheLibrary) {
    fake.On("Devcie_Get_Macro_Key_Dolv", [](const CallArgs& a) {
        if (a[1] == 5) return -1;
        *Out<uint8_t>(a[2]) = static_cast<uint8_t>(a[0]);
        *Out<uint8_t>(a[5]) = static_cast<uint8_t>(a[1]);
        return 0;
    });
    EXPECT_FALSE(binder.ReadMacroKeysDolv(2, 12));
    ASSERT_EQ(DolvMacroKeyTable3.size(), 4u);
    EXPECT_EQ(DolvMacroKeyTable3[3]->index, 3);
    EXPECT_EQ(DolvMacroKeyTable3[3]->bytes[0], 3);
    EXPECT_EQ(DolvMacroKeyTable3[3]->bytes[3], 4);

    EXPECT_TRUE(binder.WriteMacroKeyDolv(2, 3));
    EXPECT_EQ(fake.CallsTo("Devcie_Set_Macro_Key_Dolv").at(0), (CallArgs{3, 4, 3, 0, 0, 4}));

    fake.Reset();
    EXPECT_FALSE(binder.WriteMacroKeyDolv(2, 4)) << "past the table";
    EXPECT_FALSE(binder.ReadMacroKeysQiro(2, 12)) << "Qiro has two key sets";
    EXPECT_FALSE(binder.WriteMacroKeyQiro(-1, 0));
    EXPECT_TRUE(fake.Names().empty());
}

TEST_F(BinderTest, NolxFireMacrosReadTheLibrarysIntsWithoutSpillingIntoTheRecord) {
    fake.On("Device_Get_Fire_Macro_Data_Mesk", [](const CallArgs& a) {
        std::memset(Out<uint8_t>(a[1]), 0xAB, 32);
        *Out<int>(a[2]) = -3;
        *Out<int>(a[3]) = 0x7F7F7F05;
        *Out<int>(a[4]) = 10;
        *Out<int>(a[5]) = 20;
        *Out<int>(a[6]) = 30;
        return a[0] == 1 ? -1 : 0;
    });
    EXPECT_TRUE(binder.ReadFireMacroMesk(0));
    EXPECT_FALSE(binder.ReadFireMacroMesk(1));
    ASSERT_EQ(MeskFireMacros.size(), 1u) << "appended only when read";
    const FireMacroRecord& record = *MeskFireMacros[0];
    EXPECT_EQ(record.xAdjust, -3);
    EXPECT_EQ(record.yAdjust, 5);
    EXPECT_EQ(record.red, 10);
    EXPECT_EQ(record.blue, 30);
    EXPECT_EQ(record.steps[31], 0xAB);
    EXPECT_FALSE(binder.ReadFireMacroQiro(7)) << "Qiro has seven fire macros";

    EXPECT_TRUE(binder.WriteFireMacroMesk(0));
    const CallArgs call = fake.CallsTo("Device_Set_Fire_Macro_Data_Mesk").at(0);
    EXPECT_EQ(call[0], 0);
    EXPECT_EQ((CallArgs(call.begin() + 2, call.end())), (CallArgs{-3, 5, 10, 20, 30}));
    EXPECT_FALSE(binder.WriteFireMacroMesk(1));
    EXPECT_EQ(fake.CallsTo("Device_Set_Fire_Macro_Data_Mesk").size(), 1u);
}

TEST_F(BinderTest, NolxBreathRateTakesTwoValuesExceptOnMesk) {
    DeviceSettings.MeskLedRate = 3;
    DeviceSettings.MeskLedMode = 2;
    EXPECT_TRUE(binder.WriteLedBreathMesk());
    EXPECT_EQ(fake.CallsTo("Device_Set_LED_Breath_Rate_Mesk").at(0), CallArgs{3});
    EXPECT_EQ(fake.CallsTo("Device_Set_LED_Breath_Mode_Mesk").at(0), CallArgs{2});
    EXPECT_TRUE(binder.ReadLedBreathMesk());
    EXPECT_EQ(fake.CallsTo("Device_Get_LED_Breath_Rate_Mesk").at(0).size(), 1u);

    DeviceSettings.QiroLedRate = 4;
    DeviceSettings.QiroLedOn = 1;
    fake.Answer("Device_Set_LED_Breath_Rate_Qiro", -1);
    EXPECT_FALSE(binder.WriteLedBreathQiro());
    EXPECT_EQ(fake.CallsTo("Device_Set_LED_Breath_Rate_Qiro").at(0), (CallArgs{4, 1}));
    EXPECT_EQ(fake.CallsTo("Device_Set_LED_Breath_Mode_Qiro").size(), 1u) << "both are written";

    fake.Answer("Device_Get_LED_Breath_Rate_Dolv", -1);
    EXPECT_FALSE(binder.ReadLedBreathDolv());
    EXPECT_TRUE(fake.CallsTo("Device_Get_LED_Breath_Mode_Dolv").empty()) << "a failed rate read stops";
}

TEST_F(BinderTest, NolxFireKeysAndQiroComboKeys) {
    fake.On("Device_Get_Fire_Key_Data_Qiro", [](const CallArgs& a) {
        *Out<int>(a[1]) = 5;
        *Out<int>(a[2]) = 300 + static_cast<int>(a[0]);
        return a[0] == 1 ? -1 : 0;
    });
    EXPECT_FALSE(binder.ReadFireKeysQiro());
    EXPECT_EQ(DeviceSettings.FireKeyTableQiro[0].value, 300);
    EXPECT_EQ(fake.CallsTo("Device_Get_Fire_Key_Data_Qiro").size(), 2u);
    DeviceSettings.FireKeyTableQiro[2] = {7, 900};
    EXPECT_TRUE(binder.WriteFireKeyQiro(2));
    EXPECT_EQ(fake.CallsTo("Device_Set_Fire_Key_Data_Qiro").at(0), (CallArgs{2, 7, 900}));
    EXPECT_FALSE(binder.WriteFireKeyQiro(3));

    fake.On("Devcie_Get_Combo_Key_Qiro", [](const CallArgs& a) {
        *Out<uint8_t>(a[4]) = static_cast<uint8_t>(a[0]);
        return a[0] == 2 ? -1 : 0;
    });
    EXPECT_FALSE(binder.ReadComboKeysQiro());
    EXPECT_EQ(DeviceSettings.QiroComboKey4[3], 4) << "both are read";
    EXPECT_TRUE(binder.WriteComboKeysQiro());
    EXPECT_EQ(fake.CallsTo("Devcie_Set_Combo_Key_Qiro").at(1), (CallArgs{4, 0, 0, 0, 4}));
}
