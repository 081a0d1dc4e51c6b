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

// A controller's state file and the memory it holds (none before the first
// save when there was no file).
struct StateImage {
    std::wstring path;
    std::vector<uint8_t> saved;
};

std::wstring widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::unique_ptr<Machine> machineFromEnvironment(std::vector<std::shared_ptr<Device>>* plugged) {
    auto machine = std::make_unique<Machine>(Machine::Clock::Wall);
    machine->setTransferLatencyMs(static_cast<unsigned>(_wtoi(environmentValue(L"HIDSIM_LATENCY_MS").c_str())));

    const std::wstring stateDir = environmentValue(L"HIDSIM_STATE_DIR");
    auto states = std::make_shared<std::map<const Device*, StateImage>>();
    std::map<std::string, int> seen;
    for (const std::string& name : deviceNames()) {
        std::shared_ptr<Device> device = makeDevice(name);
        if (!device) continue;
        if (!stateDir.empty()) {
            const int count = ++seen[name];
            std::wstring path = stateDir + L"\\" + widen(name);
            if (count > 1) path += L"-" + std::to_wstring(count);
            path += L".bin";
            StateImage& state = (*states)[device.get()];
            state.path = path;
            if (loadImage(path, device->firmware().memory())) state.saved = device->firmware().memory();
        }
        machine->plugIn(device);
        if (plugged) plugged->push_back(device);
    }
    if (!stateDir.empty()) {
        CreateDirectoryW(stateDir.c_str(), nullptr);
        // From the first transfer on, the image follows what the controller
        // holds, committed or not: a program started again finds the
        // controller as this one left it.
        machine->setTransferListener([states](Device& device) {
            auto it = states->find(&device);
            if (it == states->end() || it->second.saved == device.firmware().memory()) return;
            it->second.saved = device.firmware().memory();
            saveImage(it->second.path, it->second.saved);
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
