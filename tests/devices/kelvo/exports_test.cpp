#include "devices/common/device_ids.h"
#include "devices/kelvo/default_image.h"
#include "library_exports.h"
#include "tests/support/guarded_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using library_exports::builtFile;
using library_exports::Library;

std::set<std::string> expectedNames() {
    std::set<std::string> names = {
        "InitMCUDevice_Kelvo",          "CloseMCUDevice_Kelvo",         "ReadMCUDevice_Kelvo",
        "WriteMCUDevice_Kelvo",         "WriteFireData_Kelvo",          "Device_Get_Device_Data_Kelvo",
        "Device_Set_Device_Data_Kelvo", "Device_Get_Data_By_Addr_Kelvo", "Device_Get_Change_Data_Kelvo",
        "Device_Get_RB_Current_Mode_Kelvo", "Device_Set_RB_Current_Mode_Kelvo",
    };
    for (const char* field :
         {"Led_Type", "Led_On_Off", "Led_B4CPI_On_Off", "Led_LCPI_On_Off", "Led_FireFn_On_Off", "Save_KeyMode_On_Off",
          "Key_Mode", "CPI_RGB", "MCULED_Control", "Key_Count", "MCULED_Count", "MCULED_Current_Mode",
          "MCULED_Current_Step", "MiddleKey_Press_Type", "CPIKey_Press_Type", "GunKey_Press_Type", "Fire_Count",
          "Fire_Time", "Sensor_Ori", "DeviceVID", "DevicePID", "CPI_Step", "Current_CPI", "CPI_Value",
          "Pro_File_Data", "Fire_Macro_Data", "Fire_YAxis", "Fire_RGB", "Fire_Buffer", "Marco_Buffer",
          "MCU_LED_Source"}) {
        names.insert(std::string("Device_Get_") + field + "_Kelvo");
        names.insert(std::string("Device_Set_") + field + "_Kelvo");
    }
    return names;
}

class KelvoLibrary : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(KelvoLibrary, ExportsExactlyTheInterfaceByPlainName) {
    Library library(builtFile(GetParam(), L"KorvaneIT_Kelvo.dll"));
    ASSERT_NE(library.module(), nullptr);
    const auto table = library_exports::exportTable(library.module());
    EXPECT_EQ(table.module, "KorvaneITMCU.dll");
    const std::set<std::string> expected = expectedNames();
    ASSERT_EQ(expected.size(), 73u);
    EXPECT_EQ(table.names, expected);
    for (const std::string& name : expected) EXPECT_NE(GetProcAddress(library.module(), name.c_str()), nullptr) << name;
    EXPECT_EQ(GetProcAddress(library.module(), "Device_Get_RB_Current_Mode_Kelvo"),
              GetProcAddress(library.module(), "Device_Get_MCULED_Current_Mode_Kelvo"));
    EXPECT_EQ(GetProcAddress(library.module(), "Device_Set_RB_Current_Mode_Kelvo"),
              GetProcAddress(library.module(), "Device_Set_MCULED_Current_Mode_Kelvo"));
}

TEST_P(KelvoLibrary, AccessorsWorkThroughTheBoundEntries) {
    Library library(builtFile(GetParam(), L"KorvaneIT_Kelvo.dll"));
    ASSERT_NE(library.module(), nullptr);
    auto setMode = library.entry<int __stdcall(int)>("Device_Set_RB_Current_Mode_Kelvo");
    auto getMode = library.entry<int __stdcall(int*)>("Device_Get_MCULED_Current_Mode_Kelvo");
    auto getValue = library.entry<int __stdcall(int*, int)>("Device_Get_CPI_Value_Kelvo");
    auto getImage = library.entry<int __stdcall(uint8_t*, int)>("Device_Get_Device_Data_Kelvo");
    ASSERT_TRUE(setMode && getMode && getValue && getImage);
    int mode = 0;
    EXPECT_EQ(setMode(2), 0);
    EXPECT_EQ(getMode(&mode), 0);
    EXPECT_EQ(mode, 3);
    int value = 0;
    EXPECT_EQ(getValue(&value, 7), -1);
    uint8_t image[4] = {};
    EXPECT_EQ(getImage(image, 4), 0);
    EXPECT_EQ(image[0], 0xFF);  // nothing read yet
    EXPECT_EQ(getImage(image, 2049), -1);
}

INSTANTIATE_TEST_SUITE_P(Variants, KelvoLibrary, ::testing::Values(L"bin", L"bin-sim"));

TEST(KelvoLibraries, DeliveredOneFindsNoControllerAndSimulatedOneOpensItsMouse) {
    using Init = int __stdcall(int, int);
    {
        Library delivered(builtFile(L"bin", L"KorvaneIT_Kelvo.dll"));
        auto init = delivered.entry<Init>("InitMCUDevice_Kelvo");
        ASSERT_NE(init, nullptr);
        EXPECT_EQ(init(device_ids::kVendor, device_ids::kKelvoProduct), 1);
    }
    SetEnvironmentVariableW(L"HIDSIM_DEVICES", L"kelvo");
    Library simulated(builtFile(L"bin-sim", L"KorvaneIT_Kelvo.dll"));
    auto init = simulated.entry<Init>("InitMCUDevice_Kelvo");
    auto byAddress = simulated.entry<int __stdcall(int*, int)>("Device_Get_Data_By_Addr_Kelvo");
    auto close = simulated.entry<int __stdcall()>("CloseMCUDevice_Kelvo");
    ASSERT_TRUE(init && byAddress && close);
    EXPECT_EQ(init(device_ids::kVendor, device_ids::kKelvoProduct), 0);
    int vendorByte = -1;
    EXPECT_EQ(byAddress(&vendorByte, 0x36), 0);
    EXPECT_EQ(vendorByte, device_ids::kVendor & 0xFF);

    // The whole image as read, exactly 2048 bytes, into a buffer that ends at a guard page.
    auto read = simulated.entry<int __stdcall()>("ReadMCUDevice_Kelvo");
    auto getImage = simulated.entry<int __stdcall(uint8_t*, int)>("Device_Get_Device_Data_Kelvo");
    ASSERT_TRUE(read && getImage);
    EXPECT_EQ(read(), 0);
    hostile::GuardedBytes image(kelvo::kImageSize);
    ASSERT_EQ(getImage(image.data(), static_cast<int>(kelvo::kImageSize)), 0);
    const auto factory = kelvo::defaultImage();
    EXPECT_TRUE(std::equal(factory.begin(), factory.end(), image.data()));

    EXPECT_EQ(close(), 0);
    EXPECT_EQ(close(), 1);
}

}  // namespace
