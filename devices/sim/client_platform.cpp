// The platform of the simulated device libraries: the machine of HidSim.dll,
// loaded from the library's own folder.
#include "devices/common/hid_platform.h"

namespace {

// Stands in when HidSim.dll cannot be loaded: no device is present.
class AbsentPlatform : public hid::Platform {
    class EmptyList : public hid::InterfaceList {
        hid::InterfaceLookup path(unsigned, std::wstring&) override { return hid::InterfaceLookup::NoInterface; }
    };

public:
    std::unique_ptr<hid::InterfaceList> interfaces() override { return std::make_unique<EmptyList>(); }
    HANDLE open(const std::wstring&) override { return INVALID_HANDLE_VALUE; }
    void close(HANDLE) override {}
    bool attributes(HANDLE, uint16_t&, uint16_t&) override { return false; }
    bool capabilities(HANDLE, uint16_t&, uint16_t&) override { return false; }
    bool setFeature(HANDLE, const uint8_t*, size_t) override { return false; }
    bool getFeature(HANDLE, uint8_t*, size_t) override { return false; }
    bool readInput(HANDLE, uint8_t*, size_t) override { return false; }
    bool cancelInputRead(HANDLE) override { return false; }
    void sleepMs(unsigned milliseconds) override { Sleep(milliseconds); }
};

hid::Platform* loadSimulatedPlatform() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&loadSimulatedPlatform), &self);
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    HMODULE simulator = LoadLibraryW((folder + L"HidSim.dll").c_str());
    if (!simulator) return nullptr;
    using Entry = hid::Platform* (*)();
    auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(simulator, "HidSim_Platform")));
    return entry ? entry() : nullptr;
}

}  // namespace

hid::Platform& hid::platform() {
    static hid::Platform* simulated = loadSimulatedPlatform();
    static AbsentPlatform absent;
    return simulated ? *simulated : absent;
}
