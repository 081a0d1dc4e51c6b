// The simulated Qiro and Dolv libraries over HidSim.dll, as the program loads them.
#include "devices/common/device_ids.h"
#include "library_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace nolx_test;

namespace {


std::vector<uint8_t> ReadFileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::ifstream in(path.c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

template <class F>
F Bind(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// One simulated machine per process: the environment is set once, before the
// first simulated library reaches HidSim.dll.
class SimulatedLibraries : public ::testing::Test {
protected:
    // HidSim.dll holds the trace open until the process ends, so a run
    // clears what the run before it left.
    static void SetUpTestSuite() {
        folder = BuildFolder() + L"tests\\nolx-simulated";
        stateDir = folder + L"\\state";
        tracePath = folder + L"\\trace.txt";
        DeleteFileW((stateDir + L"\\qiro.bin").c_str());
        DeleteFileW(tracePath.c_str());
        CreateDirectoryW(folder.c_str(), nullptr);
        _wputenv(L"HIDSIM_DEVICES=qiro");
        _wputenv((L"HIDSIM_STATE_DIR=" + stateDir).c_str());
        _wputenv((L"HIDSIM_TRACE=" + tracePath).c_str());
    }
    static std::wstring folder, stateDir, tracePath;
};

std::wstring SimulatedLibraries::folder, SimulatedLibraries::stateDir, SimulatedLibraries::tracePath;

}  // namespace

TEST_F(SimulatedLibraries, QiroReadsChangesADpiLevelAndTheCommitSavesTheState) {
    HMODULE qiro = LoadLibraryW(LibraryPath(L"bin-sim", L"Qiro").c_str());
    ASSERT_NE(qiro, nullptr);
    auto init = Bind<int(__stdcall*)(int, int, int)>(qiro, "InitMCUDevice_Qiro");
    auto read = Bind<int(__stdcall*)()>(qiro, "ReadDeviceData_Qiro");
    auto getCpi = Bind<int(__stdcall*)(int, int*)>(qiro, "Device_Get_CPI_Value_Qiro");
    auto setCpi = Bind<int(__stdcall*)(int, int)>(qiro, "Device_Set_CPI_Value_Qiro");
    auto setRate = Bind<int(__stdcall*)(int)>(qiro, "Devcie_Set_Report_Rate_Qiro");

    ASSERT_EQ(init(device_ids::kVendor, device_ids::kNolxProduct, 0), 0);
    ASSERT_EQ(read(), 0);
    int step = 0;
    ASSERT_EQ(getCpi(0, &step), 0);
    EXPECT_EQ(step, 4);
    ASSERT_EQ(setCpi(0, 7), 0);

    const std::vector<std::string> trace = ReadLines(tracePath);
    EXPECT_TRUE(Contains(trace, "SET qiro 40 0d 00 00 00 00 00 00"));
    EXPECT_TRUE(Contains(trace, "GET qiro 41 83 5a c0 00 00 00 00"));
    EXPECT_TRUE(Contains(trace, "SET qiro 40 09 00 00 08 00 00 00"));
    EXPECT_EQ(trace.back(), "SET qiro 40 05 00 a6 01 00 00 01");
    EXPECT_TRUE(Contains(trace, "SET qiro 40 05 00 2c 67 00 00 01"));

    const std::wstring state = stateDir + L"\\qiro.bin";
    EXPECT_EQ(GetFileAttributesW(state.c_str()), INVALID_FILE_ATTRIBUTES);  // nothing committed yet
    ASSERT_EQ(setRate(2), 0);
    const std::vector<uint8_t> saved = ReadFileBytes(state);
    ASSERT_EQ(saved.size(), 2048u);
    EXPECT_EQ(saved[44], 0x67);
    EXPECT_EQ(saved[4], 0xAF);
    FreeLibrary(qiro);
}

TEST_F(SimulatedLibraries, DolvRejectsTheQiroAndUnloadsWithItsReaderBlocked) {
    HMODULE dolv = LoadLibraryW(LibraryPath(L"bin-sim", L"Dolv").c_str());
    ASSERT_NE(dolv, nullptr);
    auto init = Bind<int(__stdcall*)(int, int, int)>(dolv, "InitMCUDevice_Dolv");
    auto read = Bind<int(__stdcall*)()>(dolv, "ReadDeviceData_Dolv");
    EXPECT_EQ(init(device_ids::kVendor, device_ids::kNolxProduct, 0), -1);
    read();  // the handles stay open: the reader blocks in a read
    Sleep(50);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(FreeLibrary(dolv));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
}
