#include "devices/sim/environment.h"

#include "devices/sim/families.h"
#include "devices/sim/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace hidsim {

namespace {

std::wstring environmentValue(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

std::vector<std::string> deviceNames() {
    std::wstring list = environmentValue(L"HIDSIM_DEVICES");
    if (list.empty()) list = L"qiro,kelvo,wenk";
    std::vector<std::string> names;
    std::string name;
    for (wchar_t c : list + L",") {
        if (c == L',' || c == L' ') {
            if (!name.empty()) names.push_back(name);
            name.clear();
        } else {
            name += static_cast<char>(towlower(c));
        }
    }
    return names;
}

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::unique_ptr<Machine> machineFromEnvironment(std::vector<std::shared_ptr<Device>>* plugged) {
    auto machine = std::make_unique<Machine>(Machine::Clock::Wall);
    machine->setTransferLatencyMs(static_cast<unsigned>(_wtoi(environmentValue(L"HIDSIM_LATENCY_MS").c_str())));

    const std::wstring stateDir = environmentValue(L"HIDSIM_STATE_DIR");
    auto statePaths = std::make_shared<std::map<const Device*, std::wstring>>();
    std::map<std::string, int> seen;
    for (const std::string& name : deviceNames()) {
        std::shared_ptr<Device> device = makeDevice(name);
        if (!device) continue;
        if (!stateDir.empty()) {
            const int count = ++seen[name];
            std::wstring path = stateDir + L"\\" + widen(name);
            if (count > 1) path += L"-" + std::to_wstring(count);
            path += L".bin";
            loadImage(path, device->firmware().memory());
            (*statePaths)[device.get()] = path;
        }
        machine->plugIn(device);
        if (plugged) plugged->push_back(device);
    }
    if (!stateDir.empty()) {
        CreateDirectoryW(stateDir.c_str(), nullptr);
        machine->setCommitListener([statePaths](Device& device) {
            auto it = statePaths->find(&device);
            if (it != statePaths->end()) saveImage(it->second, device.firmware().memory());
        });
    }

    const std::wstring tracePath = environmentValue(L"HIDSIM_TRACE");
    if (!tracePath.empty()) {
        std::shared_ptr<FILE> file(_wfopen(tracePath.c_str(), L"a"), [](FILE* f) {
            if (f) std::fclose(f);
        });
        if (file) {
            machine->setTrace([file](const std::string& line) {
                std::fprintf(file.get(), "%s\n", line.c_str());
                std::fflush(file.get());
            });
        }
    }
    return machine;
}

}  // namespace hidsim
