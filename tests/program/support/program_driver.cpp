#include "tests/program/support/program_driver.h"

#include "app/core/binder/device_binder.h"
#include "app/main/frame/device_families.h"
#include "app/main/frame/main_frame.h"
#include "app/main/pages/device_page.h"
#include "tests/program/support/program_process.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/tab_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace program_test {

namespace {

// Above the memory of every simulated controller.
constexpr int kLargestMemory = 65536;

// What the first driver of the process gave the simulator.
struct ProcessSimulation {
    bool prepared = false;
    std::wstring devices;
    std::wstring stateFolder;
};

ProcessSimulation& Simulation() {
    static ProcessSimulation simulation;
    return simulation;
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH];
    std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// For this process's C runtime (HidSim.dll's getenv) and for Windows (the
// temporary folder).
void SetVariable(const std::wstring& name, const std::wstring& value) {
    SetEnvironmentVariableW(name.c_str(), value.c_str());
    _wputenv((name + L"=" + value).c_str());
}

std::wstring RunningTestName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test == nullptr) return L"program";
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    return std::wstring(name.begin(), name.end());
}

void PrepareSimulation(const std::wstring& devices) {
    ProcessSimulation& simulation = Simulation();
    if (simulation.prepared) {
        EXPECT_EQ(simulation.devices, devices) << "the simulator keeps the devices of the process's first driver";
        return;
    }
    EXPECT_EQ(GetModuleHandleW(L"HidSim.dll"), nullptr) << "the simulator was loaded before the first driver";
    simulation.prepared = true;
    simulation.devices = devices;
    simulation.stateFolder = ExeFolder() + L"state\\" + RunningTestName();
    std::error_code ignored;
    std::filesystem::remove_all(simulation.stateFolder, ignored);
    const std::wstring temporary = simulation.stateFolder + L"\\temp";
    std::filesystem::create_directories(temporary, ignored);
    SetVariable(L"HIDSIM_DEVICES", devices);
    SetVariable(L"HIDSIM_STATE_DIR", simulation.stateFolder);
    SetVariable(L"HIDSIM_TRACE", simulation.stateFolder + L"\\trace.txt");
    SetVariable(L"TMP", temporary);
    SetVariable(L"TEMP", temporary);
}

void PrepareFramework() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    using SkinUI::CWindowManagerUI;
    CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
    CWindowManagerUI::SetResourceFolder(CWindowManagerUI::GetInstanceFolder() + L"res\\Skin\\");
    SkinUI::RegisterStandardControls();
}

// A change poll still blocked in its read when the window went would read on
// for the next window: the mice's handles opened again end such reads while
// AppRunning is clear, and the polls with them.
void EndChangePolls() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        const DeviceFamily& f = kDeviceFamilies[family];
        if (f.chip != ChipDolv && f.chip != ChipMesk && f.chip != ChipQiro) continue;
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(f.library);
        OpenFamilyDevice(binder.Entries(), family, 0);
    }
}

// The simulator's test entry of that name, once the device libraries loaded it.
void* SimulatorExport(const char* name) {
    HMODULE simulator = GetModuleHandleW(L"HidSim.dll");
    return simulator != nullptr ? reinterpret_cast<void*>(GetProcAddress(simulator, name)) : nullptr;
}

// Calls the simulator's test entry of that name; true when it returned 0.
template <class... Args>
bool CallSimulator(const char* name, Args... args) {
    using Entry = int (*)(Args...);
    const auto entry = reinterpret_cast<Entry>(SimulatorExport(name));
    return entry != nullptr && entry(args...) == 0;
}

}  // namespace

std::wstring MousePage(const wchar_t* family) { return std::wstring(L"device_Mouse_") + family + L"_page"; }

ProgramDriver::ProgramDriver(const std::wstring& devices) {
    PrepareSimulation(devices);
    PrepareFramework();
}

ProgramDriver::~ProgramDriver() { Close(); }

bool ProgramDriver::Open() {
    if (IsOpen()) return true;
    AppRunning = 1;
    frame_ = new MainFrame();
    window_ = frame_->Create(nullptr, L"Vastemor", 0x10CF0000, 0x60000, 0, 0, 1310, 749);
    if (window_ != nullptr) return true;
    delete frame_;
    frame_ = nullptr;
    return false;
}

bool ProgramDriver::Start() { return Open() && WaitIdle(); }

bool ProgramDriver::Restart() {
    Close();
    return Start();
}

void ProgramDriver::Close() {
    if (!IsOpen()) return;
    // As the taskbar closes it; the frame deletes itself.
    SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    frame_ = nullptr;
    window_ = nullptr;
    EndChangePolls();
    Settle(150);
}

bool ProgramDriver::IsOpen() const { return window_ != nullptr && IsWindow(window_); }

bool ProgramDriver::WaitIdle(DWORD ms) const {
    // A page asks for device work by an asynchronous notification.
    Settle(30);
    const bool idle = PumpUntil(
        [&] {
            return !IsOpen() ||
                   (!frame_->IsProgressOpen() && UiWindow::OfClass(L"ReadProgress").Handle() == nullptr);
        },
        ms);
    Settle(50);
    return idle;
}

bool ProgramDriver::ClickAndWait(const wchar_t* name, double xFraction) const {
    return Window().Click(name, xFraction) && WaitIdle();
}

bool ProgramDriver::ChooseFile(const wchar_t* button, const std::wstring& path) const {
    ModalScript answer({[&] { return AnswerFileDialog(path); }});
    return Window().Click(button) && answer.Wait() && WaitIdle();
}

int ProgramDriver::PageIndex(const std::wstring& pageRoot) const {
    auto* tabs = Window().FindAs<SkinUI::CTabLayoutUI>(L"tab_switch");
    if (tabs == nullptr) return -1;
    for (SkinUI::CControlUI* c = Window().Find(pageRoot.c_str()); c != nullptr; c = c->GetParent()) {
        if (c->GetParent() == tabs) return tabs->GetItemIndex(c);
    }
    return -1;
}

bool ProgramDriver::ShowPage(const std::wstring& pageRoot) const {
    const int index = PageIndex(pageRoot);
    auto* tabs = Window().FindAs<SkinUI::CTabLayoutUI>(L"tab_switch");
    return index >= 0 && Window().ChooseComboItem(L"device_combo", index) && tabs->GetSelectedIndex() == index;
}

std::vector<uint8_t> ProgramDriver::SavedMemory(const std::wstring& family) const {
    return FileBytes(StateFolder() + L"\\" + family + L".bin");
}

std::vector<std::string> ProgramDriver::TraceLines() const { return FileLines(StateFolder() + L"\\trace.txt"); }

std::vector<uint8_t> ProgramDriver::ControllerMemory(const char* family) const {
    using Read = int (*)(const char*, uint8_t*, int);
    const auto read = reinterpret_cast<Read>(SimulatorExport("HidSim_ReadMemory"));
    std::vector<uint8_t> memory(kLargestMemory);
    const int size = read != nullptr ? read(family, memory.data(), kLargestMemory) : -1;
    memory.resize(size > 0 ? static_cast<size_t>(size) : 0);
    return memory;
}

bool ProgramDriver::PressDeviceButton(const char* family, const char* button) const {
    return CallSimulator("HidSim_PressButton", family, button);
}

bool ProgramDriver::UnplugController(const char* family, int transfers) const {
    return CallSimulator("HidSim_Unplug", family, transfers);
}

bool ProgramDriver::LoseTransfers(const char* family, int nth, int count) const {
    return CallSimulator("HidSim_LoseTransfers", family, nth, count);
}

bool ProgramDriver::StopAcknowledging(const char* family, int transfers) const {
    return CallSimulator("HidSim_StopAcknowledging", family, transfers);
}

bool ProgramDriver::CorruptControllerByte(const char* family, int address) const {
    return CallSimulator("HidSim_CorruptByte", family, address);
}

bool ProgramDriver::ClearControllerFaults(const char* family) const {
    return CallSimulator("HidSim_ClearFaults", family);
}

void ProgramDriver::DeviceChanged() const { SendMessageW(window_, WM_DEVICECHANGE, 7, 0); }

bool ProgramDriver::PlugDevice(const char* family, bool plugged) const {
    if (!(plugged ? ClearControllerFaults(family) : UnplugController(family))) return false;
    DeviceChanged();
    return WaitIdle();
}

const std::wstring& ProgramDriver::StateFolder() const { return Simulation().stateFolder; }

}  // namespace program_test
