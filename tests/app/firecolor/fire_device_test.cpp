// The fire-key pages' sends against the simulated controllers: a change in
// the page reaches the controller's memory, read back byte for byte.
#include "app/dialogs/fire/fire_key_edit.h"
#include "app/windows/nolx_fire_state.h"
#include "devices/common/device_ids.h"
#include "tests/app/firecolor/fire_page_host.h"
#include "tests/app/firecolor/test_skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using namespace SkinUI;
using namespace firecolor_test;

namespace {

DeviceLibraryBinder& SimulatedBinder() {
    static DeviceLibraryBinder binder(std::make_unique<FolderModuleLoader>(ProgramFolder() + L"..\\bin-sim\\"));
    return binder;
}

std::vector<uint8_t> Bytes(const uint8_t* data, int count) { return std::vector<uint8_t>(data, data + count); }

class FireDevices : public ::testing::Test {
protected:
    void SetUp() override { UseTestSkin(); }
    void TearDown() override {
        CWindowManagerUI::SetResourceFolder(L"");
        KelvoFireRecords.clear();
        QiroFireMacros.clear();
        MeskFireMacros.clear();
        DolvFireMacros.clear();
        QiroMacroKeyTable2.clear();
    }

    // Opens the Nolx controller and reads its fire macros 0..count-1.
    template <class Read>
    void OpenNolx(DeviceLibrary library, int (__stdcall* init)(int, int, int), int (__stdcall* read)(),
                  RecordList<FireMacroRecord>& list, int count, Read readMacro) {
        ASSERT_TRUE(binder.IsLibraryLoaded(library));
        ASSERT_NE(init, nullptr);
        ASSERT_EQ(init(device_ids::kVendor, device_ids::kNolxProduct, 0), 0);
        ASSERT_EQ(read(), 0);
        list.clear();
        for (int i = 0; i < count; ++i) ASSERT_TRUE((binder.*readMacro)(i));
    }

    DeviceLibraryBinder& binder = SimulatedBinder();
    const DeviceEntries& e = binder.Entries();
    PageServices services;
};

// Each stage of the seven gun presets shows every value named (edits
// "result_fire_<value><stage><suffix>", Qiro without the stage digit).
void ExpectEveryPresetShown(FirePageHost& host, const std::wstring& suffix, std::initializer_list<const wchar_t*> values,
                            bool oneStage) {
    const wchar_t* const guns[] = {L"AKM", L"M16", L"M4", L"UMP9", L"SCAR-L", L"556mm_Fire", L"762mm_Fire"};
    for (int preset = 0; preset < 7; ++preset) {
        host.Click((std::wstring(L"gun_") + guns[preset] + suffix).c_str());
        const int stages = oneStage || preset < 5 ? 1 : preset - 3;
        for (int stage = 1; stage <= stages; ++stage) {
            for (const wchar_t* value : values) {
                const std::wstring name =
                    std::wstring(L"result_fire_") + value + (oneStage ? L"" : std::to_wstring(stage)) + suffix;
                EXPECT_FALSE(host.Text(name.c_str()).empty()) << std::string(name.begin(), name.end());
            }
        }
    }
}

}  // namespace

// The simulated controllers start from the factory images: every preset
// shows its stages' values, so each can be edited.
TEST_F(FireDevices, TheQiroFactoryPresetsShowEveryValue) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Qiro);
    OpenNolx(DeviceLibrary::Qiro, e.InitMCUDevice_Qiro, e.ReadDeviceData_Qiro, QiroFireMacros, 7,
             &DeviceLibraryBinder::ReadFireMacroQiro);
    FirePageHost host(new FireKeyEdit_Qiro(services, binder));
    ExpectEveryPresetShown(host, L"_Qiro",
                           {L"count", L"X_Value", L"X_Adjustment_Value", L"Y_Value", L"Y_Adjustment_Value",
                            L"shoot_time_Value"},
                           true);
}

TEST_F(FireDevices, TheKelvoFactoryPresetsShowEveryValue) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Kelvo);
    ASSERT_EQ(e.InitMCUDevice_Kelvo(device_ids::kVendor, device_ids::kKelvoProduct), 0);
    ASSERT_EQ(e.ReadMCUDevice_Kelvo(), 0);
    KelvoFireRecords.clear();
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(binder.ReadFireRecordKelvo(i));
    {
        FirePageHost host(new FireKeyEdit_Kelvo(services, binder));
        ExpectEveryPresetShown(host, L"_Kelvo", {L"count", L"Y-Axis", L"Y-Axis_offset", L"delay_times"}, false);
    }
    e.CloseMCUDevice_Kelvo();
}

TEST_F(FireDevices, TheMeskFactoryPresetsShowEveryValue) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Mesk);
    OpenNolx(DeviceLibrary::Mesk, e.InitMCUDevice_Mesk, e.ReadDeviceData_Mesk, MeskFireMacros, 10,
             &DeviceLibraryBinder::ReadFireMacroMesk);
    FirePageHost host(new FireKeyEdit_Mesk(services, binder));
    ExpectEveryPresetShown(host, L"_Mesk",
                           {L"gun_count", L"X_Value", L"X_Adjustment_Value", L"Y_Value", L"Y_Adjustment_Value",
                            L"shoot_time_Value"},
                           false);
}

TEST_F(FireDevices, TheDolvFactoryPresetsShowEveryValue) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Dolv);
    OpenNolx(DeviceLibrary::Dolv, e.InitMCUDevice_Dolv, e.ReadDeviceData_Dolv, DolvFireMacros, 10,
             &DeviceLibraryBinder::ReadFireMacroDolv);
    FirePageHost host(new FireKeyEdit_Dolv(services, binder));
    ExpectEveryPresetShown(host, L"_Dolv",
                           {L"gun_count", L"X_Value", L"X_Adjustment_Value", L"Y_Value", L"Y_Adjustment_Value",
                            L"shoot_time_Value"},
                           false);
}

TEST_F(FireDevices, AQiroShootTimeAndMoveReachTheController) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Qiro);
    OpenNolx(DeviceLibrary::Qiro, e.InitMCUDevice_Qiro, e.ReadDeviceData_Qiro, QiroFireMacros, 7,
             &DeviceLibraryBinder::ReadFireMacroQiro);
    const uint8_t known[24] = {0xFD, 4, 0xA1, 0x04, 0, 3, 0xFE, 0, 80, 0x21, 0xFC};
    std::copy(std::begin(known), std::end(known), QiroFireMacros[2]->steps);
    QiroFireMacros[2]->xAdjust = 0;
    ASSERT_TRUE(binder.WriteFireMacroQiro(2));

    {
        FirePageHost host(new FireKeyEdit_Qiro(services, binder));
        host.Click(L"gun_M4_Qiro");
        EXPECT_EQ(host.Text(L"result_fire_shoot_time_Value_Qiro"), L"80");
        host.Type(L"result_fire_shoot_time_Value_Qiro", L"300");
        host.Type(L"result_fire_X_Value_Qiro", L"-5");
        host.Type(L"result_fire_X_Adjustment_Value_Qiro", L"-3");
    }

    OpenNolx(DeviceLibrary::Qiro, e.InitMCUDevice_Qiro, e.ReadDeviceData_Qiro, QiroFireMacros, 3,
             &DeviceLibraryBinder::ReadFireMacroQiro);
    uint8_t expected[24] = {0xFD, 4, 0xA1, 0x04, 0xFB, 3, 0xFE, 0x01, 0x2C, 0x21, 0xFC};
    EXPECT_EQ(Bytes(QiroFireMacros[2]->steps, 24), Bytes(expected, 24));
    EXPECT_EQ(QiroFireMacros[2]->xAdjust, -3);
}

TEST_F(FireDevices, QiroKeepLeftResendsTheShownPresetsKeysAtOnce) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Qiro);
    OpenNolx(DeviceLibrary::Qiro, e.InitMCUDevice_Qiro, e.ReadDeviceData_Qiro, QiroFireMacros, 7,
             &DeviceLibraryBinder::ReadFireMacroQiro);
    constexpr int kKeys = 6;
    ASSERT_TRUE(binder.ReadMacroKeysQiro(1, kKeys));
    const uint8_t presetTwo[4] = {11, 0x02, 3, 0};
    const uint8_t presetThree[4] = {11, 0x03, 1, 0};
    std::copy(std::begin(presetTwo), std::end(presetTwo), QiroMacroKeyTable2[3]->bytes);
    std::copy(std::begin(presetThree), std::end(presetThree), QiroMacroKeyTable2[4]->bytes);
    ASSERT_TRUE(binder.WriteMacroKeyQiro(1, 3));
    ASSERT_TRUE(binder.WriteMacroKeyQiro(1, 4));

    {
        FirePageHost host(new FireKeyEdit_Qiro(services, binder));
        host.Click(L"gun_M4_Qiro");  // preset 2
        host.Click(L"keep_left_check_Qiro");
        EXPECT_EQ(keepLeftFireFlagQiro, 0);  // stored only by the next change
    }

    ASSERT_EQ(e.ReadDeviceData_Qiro(), 0);
    ASSERT_TRUE(binder.ReadMacroKeysQiro(1, kKeys));
    const uint8_t keepLeft[4] = {11, 0x12, 3, 0};
    EXPECT_EQ(Bytes(QiroMacroKeyTable2[3]->bytes, 4), Bytes(keepLeft, 4));
    EXPECT_EQ(Bytes(QiroMacroKeyTable2[4]->bytes, 4), Bytes(presetThree, 4));
}

TEST_F(FireDevices, KelvoCountDelayAndMoveReachTheController) {
    ASSERT_TRUE(binder.IsLibraryLoaded(DeviceLibrary::Kelvo));
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Kelvo);
    auto open = [&] {
        ASSERT_EQ(e.InitMCUDevice_Kelvo(device_ids::kVendor, device_ids::kKelvoProduct), 0);
        ASSERT_EQ(e.ReadMCUDevice_Kelvo(), 0);
        KelvoFireRecords.clear();
        for (int i = 0; i < 10; ++i) ASSERT_TRUE(binder.ReadFireRecordKelvo(i));
    };
    open();
    const uint8_t known[24] = {0, 0xA1, 0xFD, 4, 0, 0, 0xFA, 3, 0xFE, 5, 0x21};
    std::copy(std::begin(known), std::end(known), KelvoFireRecords[7]->steps);
    ASSERT_TRUE(binder.WriteFireRecordKelvo(7));

    {
        FirePageHost host(new FireKeyEdit_Kelvo(services, binder));
        host.Click(L"gun_762mm_Fire_Kelvo");  // records 7, 8, 9
        EXPECT_EQ(host.Text(L"result_fire_count1_Kelvo"), L"5");
        host.Type(L"result_fire_count1_Kelvo", L"0");
        host.Type(L"result_fire_delay_times1_Kelvo", L"15");
        host.Type(L"result_fire_Y-Axis1_Kelvo", L"-20");
    }
    e.CloseMCUDevice_Kelvo();

    open();
    const uint8_t expected[23] = {0, 0xA1, 0xFD, 0xFF, 0, 0, 0xFA, 0xEC, 0xFE, 1, 0x21};
    const FireRecordKelvo& read = *KelvoFireRecords[7];
    EXPECT_EQ(Bytes(read.steps, 23), Bytes(expected, 23));
    e.CloseMCUDevice_Kelvo();
}

TEST_F(FireDevices, MeskRecordsTravelWithAllTheirThirtyTwoBytes) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Mesk);
    OpenNolx(DeviceLibrary::Mesk, e.InitMCUDevice_Mesk, e.ReadDeviceData_Mesk, MeskFireMacros, 10,
             &DeviceLibraryBinder::ReadFireMacroMesk);
    uint8_t known[32] = {0x04, 1, 1, 0xA1};
    known[26] = 0xFD;
    known[27] = 6;
    std::copy(std::begin(known), std::end(known), MeskFireMacros[5]->steps);
    ASSERT_TRUE(binder.WriteFireMacroMesk(5));

    {
        FirePageHost host(new FireKeyEdit_Mesk(services, binder));
        host.Click(L"gun_556mm_Fire_Mesk");  // records 5 and 6
        EXPECT_EQ(host.Text(L"result_fire_gun_count1_Mesk"), L"6");
        host.Type(L"result_fire_gun_count1_Mesk", L"200");
    }

    OpenNolx(DeviceLibrary::Mesk, e.InitMCUDevice_Mesk, e.ReadDeviceData_Mesk, MeskFireMacros, 6,
             &DeviceLibraryBinder::ReadFireMacroMesk);
    known[27] = 200;
    EXPECT_EQ(Bytes(MeskFireMacros[5]->steps, 32), Bytes(known, 32));
}

TEST_F(FireDevices, ADolvAdjustmentReachesTheControllerAsItsLowByte) {
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Dolv);
    OpenNolx(DeviceLibrary::Dolv, e.InitMCUDevice_Dolv, e.ReadDeviceData_Dolv, DolvFireMacros, 10,
             &DeviceLibraryBinder::ReadFireMacroDolv);
    const uint8_t known[24] = {0x04, 2, 2, 0xFD, 9, 0xFE, 0, 40};
    std::copy(std::begin(known), std::end(known), DolvFireMacros[8]->steps);
    ASSERT_TRUE(binder.WriteFireMacroDolv(8));

    {
        FirePageHost host(new FireKeyEdit_Dolv(services, binder));
        host.Click(L"gun_762mm_Fire_Dolv");  // records 7, 8, 9
        EXPECT_EQ(host.Text(L"result_fire_gun_count2_Dolv"), L"9");
        host.Type(L"result_fire_Y_Adjustment_Value2_Dolv", L"-200");
        host.Type(L"result_fire_Y_Value2_Dolv", L"-7");
    }

    OpenNolx(DeviceLibrary::Dolv, e.InitMCUDevice_Dolv, e.ReadDeviceData_Dolv, DolvFireMacros, 9,
             &DeviceLibraryBinder::ReadFireMacroDolv);
    const uint8_t expected[24] = {0x04, 2, 0xF9, 0xFD, 9, 0xFE, 0, 40};
    EXPECT_EQ(Bytes(DolvFireMacros[8]->steps, 24), Bytes(expected, 24));
    EXPECT_EQ(DolvFireMacros[8]->yAdjust, static_cast<int8_t>(-200 & 0xFF));
}
