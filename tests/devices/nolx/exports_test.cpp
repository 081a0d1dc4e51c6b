// Each built library exports exactly its set of undecorated names.
#include "library_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <string>
#include <vector>

using namespace nolx_test;

namespace {

const char* const kSharedNames[] = {
    "InitMCUDevice", "ReadDeviceData", "Device_Get_VID", "Device_Set_VID", "Device_Get_PID", "Device_Set_PID",
    "Device_Get_Number_CPI", "Device_Set_Number_CPI", "Device_Get_Current_CPI_Gear", "Device_Set_Current_CPI_Gear",
    "Device_Get_CPI_Value", "Device_Set_CPI_Value", "Device_Get_CPI_Color", "Device_Set_CPI_Color",
    "Device_Get_User_Color", "Device_Set_User_Color", "Devcie_Get_USB_Product_String",
    "Devcie_Set_USB_Product_String", "Devcie_Get_Report_Rate", "Devcie_Set_Report_Rate",
    "Devcie_Get_Sensor_Rotation", "Devcie_Set_Sensor_Rotation", "Device_Get_LED_Breath_Mode",
    "Device_Set_LED_Breath_Mode", "Device_Get_LED_Breath_Rate", "Device_Set_LED_Breath_Rate", "Devcie_Get_Key_Mode",
    "Devcie_Set_Key_Mode", "Devcie_Get_Macro_Key", "Devcie_Set_Macro_Key", "Device_Get_Fire_Key_Data",
    "Device_Set_Fire_Key_Data", "Device_Get_Fire_Macro_Data", "Device_Set_Fire_Macro_Data", "Device_Get_Macro_Data",
    "Device_Set_Macro_Data", "EEPROM_Save_Configuration", "EEPROM_Write_Configuration", "Devcie_Import_Base_Macro",
    "Devcie_Import_Patch_Code", "Devcie_Import_Configuration", "Device_Get_Data_By_Addr", "Device_Get_Change_Data",
};

std::set<std::string> ExpectedNames(const std::string& chip) {
    std::set<std::string> names;
    for (const char* name : kSharedNames) names.insert(std::string(name) + "_" + chip);
    if (chip == "Qiro") {
        names.insert({"Devcie_Get_Combo_Key_Qiro", "Devcie_Set_Combo_Key_Qiro", "Devcie_Get_Device_Data_Qiro"});
    }
    if (chip == "Dolv") names.insert({"Devcie_Exmport_Base_Macro_Dolv", "Device_SetCallBack_Dolv"});
    return names;
}

const IMAGE_EXPORT_DIRECTORY* ExportDirectory(HMODULE module) {
    auto* base = reinterpret_cast<const BYTE*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    return entry.Size ? reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress) : nullptr;
}

std::set<std::string> ExportedNames(HMODULE module, const IMAGE_EXPORT_DIRECTORY& exports) {
    auto* base = reinterpret_cast<const char*>(module);
    auto* names = reinterpret_cast<const DWORD*>(base + exports.AddressOfNames);
    std::set<std::string> result;
    for (DWORD i = 0; i < exports.NumberOfNames; ++i) result.insert(base + names[i]);
    return result;
}

LONG WINAPI EndProcessOnFault(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

struct Library {
    const wchar_t* variant;
    std::wstring chip;
};

class NolxLibraryFile : public ::testing::TestWithParam<Library> {
protected:
    void SetUp() override {
        module = LoadLibraryW(LibraryPath(GetParam().variant, GetParam().chip).c_str());
        ASSERT_NE(module, nullptr) << GetLastError();
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    std::string chip() const { return std::string(GetParam().chip.begin(), GetParam().chip.end()); }
    HMODULE module = nullptr;
};

}  // namespace

TEST_P(NolxLibraryFile, ExportsExactlyItsNamesUndecorated) {
    const std::set<std::string> expected = ExpectedNames(chip());
    EXPECT_EQ(expected.size(), chip() == "Qiro" ? 46u : chip() == "Dolv" ? 45u : 43u);
    for (const std::string& name : expected) {
        EXPECT_NE(reinterpret_cast<void*>(GetProcAddress(module, name.c_str())), nullptr) << name;
    }
    const IMAGE_EXPORT_DIRECTORY* exports = ExportDirectory(module);
    ASSERT_NE(exports, nullptr);
    EXPECT_EQ(ExportedNames(module, *exports), expected);
    EXPECT_EQ(exports->NumberOfFunctions, exports->NumberOfNames);
    EXPECT_STREQ(reinterpret_cast<const char*>(module) + exports->Name, "KorvaneITMCU.dll");
}

TEST_P(NolxLibraryFile, RefusesConfigurationImportsWithoutTouchingAnything) {
    using Import = int(__stdcall*)(const unsigned char*);
    auto import = reinterpret_cast<Import>(
        reinterpret_cast<void*>(GetProcAddress(module, ("Devcie_Import_Configuration_" + chip()).c_str())));
    ASSERT_NE(import, nullptr);
    const unsigned char image[2048] = {};
    EXPECT_EQ(import(image), -1);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, NolxLibraryFile,
                         ::testing::Values(Library{L"bin", L"Qiro"}, Library{L"bin", L"Dolv"},
                                           Library{L"bin", L"Mesk"}, Library{L"bin-sim", L"Qiro"},
                                           Library{L"bin-sim", L"Dolv"}, Library{L"bin-sim", L"Mesk"}));

TEST(NolxDeliveredLibrary, FindsNoControllerWhereNoneIsAttached) {
    HMODULE module = LoadLibraryW(LibraryPath(L"bin", L"Qiro").c_str());
    ASSERT_NE(module, nullptr);
    using Init = int(__stdcall*)(int, int, int);
    using Read = int(__stdcall*)();
    auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(GetProcAddress(module, "InitMCUDevice_Qiro")));
    auto read = reinterpret_cast<Read>(reinterpret_cast<void*>(GetProcAddress(module, "ReadDeviceData_Qiro")));
    EXPECT_EQ(init(0x3A7C, 0x0301, 0), -1);
    EXPECT_EQ(read(), -1);
    FreeLibrary(module);
}

TEST(NolxDeliveredLibrary, DolvUnloadsPromptlyWhileItsReaderThreadWaits) {
    // On one processor the reader, once it lets the unload go on, is often
    // preempted before it leaves; had it code of the library left to run, it
    // would fault, which ends the process with a failure.
    SetUnhandledExceptionFilter(&EndProcessOnFault);
    DWORD_PTR process = 0, system = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process, &system);
    SetProcessAffinityMask(GetCurrentProcess(), process & (~process + 1));
    for (int round = 0; round < 10; ++round) {
        HMODULE module = LoadLibraryW(LibraryPath(L"bin", L"Dolv").c_str());
        ASSERT_NE(module, nullptr);
        using Read = int(__stdcall*)();
        auto read = reinterpret_cast<Read>(reinterpret_cast<void*>(GetProcAddress(module, "ReadDeviceData_Dolv")));
        read();  // starts the reader even without a device
        Sleep(20);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(FreeLibrary(module));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    }
    Sleep(50);
    SetProcessAffinityMask(GetCurrentProcess(), process);
    SetUnhandledExceptionFilter(nullptr);
}
