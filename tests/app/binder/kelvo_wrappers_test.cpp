// The Kelvo and Kelvo driver wrappers: argument order, index bases, result
// rules and the macro buffers.
#include "binder_fixture.h"

#include <vector>

namespace {

void FillCpiLevels(RecordList<CpiLevelEntry>& levels, int count) {
    for (int i = 0; i < count; ++i) {
        CpiLevelEntry& level = AppendRecord(levels);
        level.red = 10 + i;
        level.green = 20 + i;
        level.blue = 30 + i;
        level.value = i;
    }
}

}  // namespace

// The library answers 1 for a mouse it did not find; only 0 is success.
TEST_F(BinderTest, KelvoPositiveResultsAreFailures) {
    fake.Answer("WriteMCUDevice_Kelvo", 1);
    fake.Answer("WriteMCUDevice_Kelvo_Driver", 1);
    fake.Answer("Device_Get_Key_Mode_Kelvo", 1);
    EXPECT_FALSE(binder.WriteDeviceKelvo());
    EXPECT_FALSE(binder.WriteDeviceKelvoDriver());
    EXPECT_FALSE(binder.ReadKeyModeKelvo());
    fake.Answer("WriteMCUDevice_Kelvo", 0);
    EXPECT_TRUE(binder.WriteDeviceKelvo());
}

TEST_F(BinderTest, KelvoCpiReadCountsValuesFromZeroAndColoursFromOne) {
    fake.On("Device_Get_CPI_Step_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 5;
        return 0;
    });
    fake.Answer("Device_Get_Current_CPI_Kelvo", -1);
    fake.On("Device_Get_CPI_Value_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 100 + static_cast<int>(a[1]);
        return 0;
    });
    fake.On("Device_Get_CPI_RGB_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 1;  // red
        *Out<int>(a[1]) = 2;
        *Out<int>(a[2]) = static_cast<int>(a[3]);  // blue = the level asked for
        return 0;
    });
    EXPECT_FALSE(binder.ReadCpiSettingsKelvo()) << "a failing current level spoils the result";
    EXPECT_EQ(DeviceSettings.KelvoCpiCount, 5);
    ASSERT_EQ(KelvoCpiLevels.size(), 7u) << "but not the read";
    EXPECT_EQ(KelvoCpiLevels[0]->value, 100);
    EXPECT_EQ(KelvoCpiLevels[0]->red, 1);
    EXPECT_EQ(KelvoCpiLevels[0]->green, 2);
    EXPECT_EQ(KelvoCpiLevels[0]->blue, 1);
    EXPECT_EQ(KelvoCpiLevels[6]->value, 106);
    EXPECT_EQ(KelvoCpiLevels[6]->blue, 7);

    fake.Reset();
    fake.On("Device_Get_CPI_RGB_Kelvo", [](const CallArgs& a) { return a[3] == 4 ? -1 : 0; });
    EXPECT_FALSE(binder.ReadCpiSettingsKelvo());
    EXPECT_EQ(KelvoCpiLevels.size(), 3u) << "the failing level is dropped and the read stops";
    EXPECT_EQ(fake.CallsTo("Device_Get_CPI_Value_Kelvo").size(), 4u);
}

TEST_F(BinderTest, KelvoCpiWriteSendsColoursBackAsTheyCameAndStopsAtAFailingLevel) {
    FillCpiLevels(KelvoCpiLevels, 7);
    DeviceSettings.KelvoCpiCount = 4;
    DeviceSettings.KelvoCurrentCpi = 2;
    EXPECT_TRUE(binder.WriteCpiSettingsKelvo());
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Step_Kelvo").at(0), CallArgs{4});
    EXPECT_EQ(fake.CallsTo("Device_Set_Current_CPI_Kelvo").at(0), CallArgs{2});
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Value_Kelvo").at(3), (CallArgs{3, 3}));
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_RGB_Kelvo").at(3), (CallArgs{13, 23, 33, 4}));

    fake.Reset();
    fake.Answer("Device_Set_CPI_Step_Kelvo", -1);
    fake.On("Device_Set_CPI_Value_Kelvo", [](const CallArgs& a) { return a[1] == 2 ? -1 : 0; });
    EXPECT_FALSE(binder.WriteCpiSettingsKelvo());
    EXPECT_EQ(fake.CallsTo("Device_Set_Current_CPI_Kelvo").size(), 1u);
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_Value_Kelvo").size(), 3u);
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_RGB_Kelvo").size(), 2u) << "later levels are not sent";

    fake.Reset();
    KelvoDriverCpiLevels.clear();
    FillCpiLevels(KelvoDriverCpiLevels, 5);
    EXPECT_FALSE(binder.WriteCpiSettingsKelvoDriver()) << "a short table fails at its first missing level";
    EXPECT_EQ(fake.CallsTo("Device_Set_CPI_RGB_Kelvo_Driver").size(), 5u);
}

TEST_F(BinderTest, KelvoButtonTablesStopOnReadAndCallAllOnWrite) {
    fake.On("Device_Get_Pro_File_Data_Kelvo", [](const CallArgs& a) {
        if (a[1] == 4) return -1;
        *Out<uint8_t>(a[2]) = 6;
        *Out<uint8_t>(a[3]) = static_cast<uint8_t>(a[0]);
        *Out<uint8_t>(a[4]) = static_cast<uint8_t>(a[1]);
        return 0;
    });
    AppendRecord(KelvoButtonTable1);
    EXPECT_FALSE(binder.ReadButtonTableKelvo(0, 9));
    ASSERT_EQ(KelvoButtonTable1.size(), 4u);
    EXPECT_EQ(KelvoButtonTable1[3]->index, 3);
    EXPECT_EQ(KelvoButtonTable1[3]->bytes[0], 6);
    EXPECT_EQ(KelvoButtonTable1[3]->bytes[2], 3);
    EXPECT_TRUE(binder.ReadButtonTableKelvo(1, 3));
    ASSERT_EQ(KelvoButtonTable2.size(), 3u);
    EXPECT_EQ(KelvoButtonTable2[0]->bytes[1], 1);
    EXPECT_FALSE(binder.ReadButtonTableKelvo(2, 3));

    fake.Reset();
    fake.Answer("Device_Set_Pro_File_Data_Kelvo", -1);
    EXPECT_FALSE(binder.WriteButtonTablesKelvo(3));
    const auto writes = fake.CallsTo("Device_Set_Pro_File_Data_Kelvo");
    ASSERT_EQ(writes.size(), 6u) << "every button of both tables, even after failures";
    EXPECT_EQ(writes[0], (CallArgs{0, 0, 6, 0, 0}));
    EXPECT_EQ(writes[1], (CallArgs{1, 0, 6, 1, 0}));
    EXPECT_EQ(writes[5], (CallArgs{1, 2, 6, 1, 2}));

    fake.Reset();
    EXPECT_FALSE(binder.WriteButtonTablesKelvo(5)) << "table 2 holds three buttons";
    EXPECT_EQ(fake.CallsTo("Device_Set_Pro_File_Data_Kelvo").size(), 7u);
}

TEST_F(BinderTest, KelvoLedModeReadsBackAsTheIndexItWasWrittenWith) {
    int storedMode = 0;
    fake.On("Device_Set_MCULED_Current_Mode_Kelvo", [&](const CallArgs& a) {
        storedMode = static_cast<int>(a[0]) + 1;  // the library stores index + 1
        return 0;
    });
    fake.On("Device_Get_MCULED_Current_Mode_Kelvo", [&](const CallArgs& a) {
        *Out<int>(a[0]) = storedMode;
        return 0;
    });
    fake.On("Device_Get_Led_On_Off_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 8;
        return 0;
    });
    DeviceSettings.KelvoLedMode = 2;
    EXPECT_TRUE(binder.WriteLedStateKelvo());
    EXPECT_TRUE(binder.ReadLedStateKelvo());
    EXPECT_EQ(DeviceSettings.KelvoLedMode, 2);
    EXPECT_EQ(DeviceSettings.KelvoLedOnOff, 8);

    // Toggling the LED after a read keeps the mode.
    DeviceSettings.KelvoLedOnOff = 0;
    EXPECT_TRUE(binder.WriteLedStateKelvo());
    EXPECT_TRUE(binder.ReadLedStateKelvo());
    EXPECT_EQ(DeviceSettings.KelvoLedMode, 2);

    // A stored value no mode has is written back as it came.
    for (const int outside : {0, 8}) {
        storedMode = outside;
        EXPECT_TRUE(binder.ReadLedStateKelvo());
        EXPECT_TRUE(binder.WriteLedStateKelvo());
        EXPECT_EQ(storedMode, outside);
    }

    fake.Reset();
    fake.Answer("Device_Get_Led_On_Off_Kelvo", -1);
    EXPECT_FALSE(binder.ReadLedStateKelvo());
    EXPECT_EQ(fake.Names().size(), 4u) << "all four are read";
}

TEST_F(BinderTest, KelvoFireRecordsKeepTheirOrderAndEmptySlotsCountAsWritten) {
    fake.On("Device_Get_Fire_YAxis_Kelvo", [](const CallArgs& a) {
        *Out<uint8_t>(a[1]) = 0xFE;
        return 0;
    });
    fake.On("Device_Get_Fire_RGB_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 200;
        return a[3] == 1 ? -1 : 0;
    });
    EXPECT_TRUE(binder.ReadFireRecordKelvo(0));
    EXPECT_FALSE(binder.ReadFireRecordKelvo(1));
    ASSERT_EQ(KelvoFireRecords.size(), 2u) << "a failed read still takes its place";
    EXPECT_EQ(KelvoFireRecords[0]->yAxis, -2);
    EXPECT_EQ(KelvoFireRecords[0]->red, 200);
    EXPECT_EQ(fake.CallsTo("Device_Get_Fire_Buffer_Kelvo").at(1)[2], 24);
    EXPECT_FALSE(binder.ReadFireRecordKelvo(10));
    EXPECT_EQ(KelvoFireRecords.size(), 2u);

    fake.Reset();
    KelvoFireRecords[1].reset();
    EXPECT_TRUE(binder.WriteFireRecordKelvo(1));
    EXPECT_TRUE(fake.Names().empty());
    EXPECT_TRUE(binder.WriteFireRecordKelvo(0));
    EXPECT_EQ(fake.CallsTo("Device_Set_Fire_RGB_Kelvo").at(0), (CallArgs{200, 0, 0, 0}));
    EXPECT_EQ(fake.CallsTo("Device_Set_Fire_Buffer_Kelvo").at(0)[2], 24);
    EXPECT_FALSE(binder.WriteFireRecordKelvo(2));
}

TEST_F(BinderTest, KelvoMacroReadsCacheWhatTheLibraryWritesWithinTheBuffer) {
    std::vector<uint8_t> name(32, 0);
    name[1] = 'M';
    name[3] = 'x';
    fake.On("Device_Get_Marco_Buffer_Kelvo", [&](const CallArgs& a) {
        std::copy(name.begin(), name.end(), Out<uint8_t>(a[1]));
        uint8_t* data = Out<uint8_t>(a[2]);
        data[0] = 1;
        data[1] = 255;  // the library copies 257 bytes
        for (int i = 2; i < 257; ++i) data[i] = static_cast<uint8_t>(i);
        return 0;
    });
    EXPECT_TRUE(binder.ReadMacroKelvo(289));
    const MacroRef macro = KelvoMacroCache.at(289);
    EXPECT_EQ(macro->name.Compare(L"Mx"), 0);
    EXPECT_EQ(macro->number, 289);
    ASSERT_EQ(macro->data.size(), 256u);
    EXPECT_EQ(macro->data[255], 255);

    EXPECT_TRUE(binder.ReadMacroKelvo(289));
    EXPECT_EQ(fake.CallsTo("Device_Get_Marco_Buffer_Kelvo").size(), 1u) << "a cached macro is not read again";

    fake.Answer("Device_Get_Marco_Buffer_Kelvo", -1);
    EXPECT_FALSE(binder.ReadMacroKelvo(300));
    EXPECT_EQ(KelvoMacroCache.count(300), 0u);
}

TEST_F(BinderTest, KelvoMacroSendsGiveTheLibraryTheWholeMacroAndZerosBehindIt) {
    std::vector<uint8_t> copied;
    fake.On("Device_Set_Marco_Buffer_Kelvo", [&](const CallArgs& a) {
        const uint8_t* data = Out<uint8_t>(a[2]);
        copied.assign(data, data + data[1] + 2);  // as the library copies
        return 0;
    });
    auto macro = std::make_shared<MacroRecord>();
    macro->data.assign(256, 0x11);
    macro->data[1] = 255;
    KelvoMacroCache[289] = macro;
    binder.SendMacroKelvo(289);
    ASSERT_EQ(copied.size(), 257u);
    EXPECT_EQ(copied[255], 0x11);
    EXPECT_EQ(copied[256], 0);

    binder.SendMacroKelvo(400);
    EXPECT_EQ(fake.CallsTo("Device_Set_Marco_Buffer_Kelvo").size(), 1u) << "an uncached number sends nothing";
}

TEST_F(BinderTest, KelvoDriverMacrosUseTheirSixteenBitLength) {
    uint16_t length = 300;
    fake.On("Device_Get_Marco_Buffer_Kelvo_Driver", [&](const CallArgs& a) {
        uint8_t* data = Out<uint8_t>(a[2]);
        data[1] = static_cast<uint8_t>(length >> 8);
        data[2] = static_cast<uint8_t>(length);
        return 0;
    });
    EXPECT_TRUE(binder.ReadMacroKelvoDriver(1));
    EXPECT_EQ(KelvoDriverMacroCache.at(1)->data.size(), 303u);
    length = 0xFFFF;
    EXPECT_TRUE(binder.ReadMacroKelvoDriver(2));
    EXPECT_EQ(KelvoDriverMacroCache.at(2)->data.size(), 2048u);

    DeviceSettings.KelvoDriverLedCpiBlock = {1, 2, 0xFF, 4};
    EXPECT_TRUE(binder.WriteLedCpiDataKelvoDriver());
    EXPECT_EQ(fake.CallsTo("Device_WriteLedCPIData_Kelvo_Driver").at(0), (CallArgs{1, 2, 0xFF, 4}));
}

TEST_F(BinderTest, KelvoPairedSettingsCallBothEvenWhenOneFails) {
    fake.Answer("Device_Get_Fire_Count_Kelvo", -1);
    fake.On("Device_Get_Fire_Time_Kelvo", [](const CallArgs& a) {
        *Out<int>(a[0]) = 9;
        return 0;
    });
    EXPECT_FALSE(binder.ReadFireSettingsKelvo());
    EXPECT_EQ(DeviceSettings.KelvoFireTime, 9);

    DeviceSettings.KelvoMiddleKeyPressType = 1;
    DeviceSettings.KelvoGunKeyPressType = 4;
    fake.Answer("Device_Set_CPIKey_Press_Type_Kelvo", -1);
    EXPECT_FALSE(binder.WriteKeyPressTypesKelvo());
    EXPECT_EQ(fake.CallsTo("Device_Set_GunKey_Press_Type_Kelvo").at(0), CallArgs{4});

    DeviceSettings.KelvoDriverKeyMode = 1;
    EXPECT_TRUE(binder.WriteKeyModeKelvoDriver());
    EXPECT_EQ(fake.CallsTo("Device_Set_Key_Mode_Kelvo_Driver").at(0), CallArgs{1});
    fake.Answer("WriteMCUDevice_Kelvo", 0x80004005);
    EXPECT_FALSE(binder.WriteDeviceKelvo());
}
