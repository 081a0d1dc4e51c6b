#include "devices/common/device_ids.h"
#include "tests/devices/kelvo/library_exports.h"

#include <gtest/gtest.h>

namespace {

using library_exports::builtFile;
using library_exports::Library;

class WenkLibrary : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(WenkLibrary, ExportsExactlyItsElevenNames) {
    Library library(builtFile(GetParam(), L"KorvaneIT_Wenk.dll"));
    ASSERT_NE(library.module(), nullptr);
    const std::set<std::string> expected = {
        "InitMCUDevice",        "Device_GetProFileData", "Device_WriteProFileData", "Device_GetProFileIndex",
        "Device_WriteProFileIndex", "Device_GetMarcoData", "Device_WriteMarcoData", "Device_GetLedData",
        "Device_WriteLedData",  "Device_ReloadDevice",   "Device_Write_Data"};
    const auto table = library_exports::exportTable(library.module());
    EXPECT_EQ(table.module, "KorvaneIT_Wenk.dll");
    EXPECT_EQ(table.names, expected);
    for (const std::string& name : expected) EXPECT_NE(GetProcAddress(library.module(), name.c_str()), nullptr) << name;
    // The program's binder looks these up and must find nothing.
    EXPECT_EQ(GetProcAddress(library.module(), "Device_ReadEEPromData"), nullptr);
    EXPECT_EQ(GetProcAddress(library.module(), "Device_WriteEEpromData"), nullptr);

    auto writeData = library.entry<int __stdcall(int, int, int, int, int, int, int)>("Device_Write_Data");
    auto reload = library.entry<int __stdcall()>("Device_ReloadDevice");
    ASSERT_TRUE(writeData && reload);
    EXPECT_EQ(writeData(1, 2, 3, 4, 5, 6, 7), 0);
    EXPECT_EQ(reload(), -1);  // never opened
}

INSTANTIATE_TEST_SUITE_P(Variants, WenkLibrary, ::testing::Values(L"bin", L"bin-sim"));

TEST(WenkLibraries, DeliveredOneFindsNoControllerAndSimulatedOneReadsItsKeyboard) {
    using Init = int __stdcall(int, int);
    {
        Library delivered(builtFile(L"bin", L"KorvaneIT_Wenk.dll"));
        auto init = delivered.entry<Init>("InitMCUDevice");
        auto getLed = delivered.entry<int __stdcall(int, uint8_t*, uint8_t*, uint8_t*, uint8_t*)>("Device_GetLedData");
        ASSERT_TRUE(init && getLed);
        EXPECT_EQ(init(device_ids::kVendor, device_ids::kWenkProduct), -1);
        // Without a keyboard the LED read fails and leaves the caller's bytes.
        uint8_t type = 7, speed = 7, brightness = 7, sync = 7;
        EXPECT_EQ(getLed(0, &type, &speed, &brightness, &sync), -1);
        EXPECT_EQ(type + speed + brightness + sync, 28);
    }
    SetEnvironmentVariableW(L"HIDSIM_DEVICES", L"wenk");
    Library simulated(builtFile(L"bin-sim", L"KorvaneIT_Wenk.dll"));
    auto init = simulated.entry<Init>("InitMCUDevice");
    auto getIndex = simulated.entry<int __stdcall(int*)>("Device_GetProFileIndex");
    auto getLed = simulated.entry<int __stdcall(int, uint8_t*, uint8_t*, uint8_t*, uint8_t*)>("Device_GetLedData");
    ASSERT_TRUE(init && getIndex && getLed);
    EXPECT_EQ(init(device_ids::kVendor, device_ids::kWenkProduct), 0);
    int index = -1;
    EXPECT_EQ(getIndex(&index), 0);
    EXPECT_EQ(index, 0);
    uint8_t type = 0, speed = 0, brightness = 0, sync = 9;
    EXPECT_EQ(getLed(1, &type, &speed, &brightness, &sync), 0);
    EXPECT_NE(type, 0);
    EXPECT_EQ(sync, 0);
}

}  // namespace
