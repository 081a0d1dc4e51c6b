#include "devices/sim/environment.h"

#include "devices/sim/families.h"
#include "devices/sim/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <memory>
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

// The machine of a whole-program run with a state folder. A controller's
// image is saved when its firmware commits, and when the machine goes away
// with the program's process: a program ending is no power cycle, so a
// controller still plugged in leaves its memory as it holds it, committed
// or not; an unplugged one keeps what it committed.
class StatefulMachine : public Machine {
public:
    explicit StatefulMachine(Clock clock) : Machine(clock) {}
    ~StatefulMachine() override {
        for (const State& state : states_) {
            if (state.device->plugged()) saveImage(state.path, state.device->firmware().memory());
        }
    }
    StatefulMachine(const StatefulMachine&) = delete;
    StatefulMachine& operator=(const StatefulMachine&) = delete;

    void keepState(std::shared_ptr<Device> device, std::wstring path) {
        states_.push_back({std::move(device), std::move(path)});
    }
    void saveCommitted(Device& device) const {
        for (const State& state : states_) {
            if (state.device.get() == &device) saveImage(state.path, device.firmware().memory());
        }
    }

private:
    struct State {
        std::shared_ptr<Device> device;
        std::wstring path;
    };
    std::vector<State> states_;
};

}  // namespace

std::unique_ptr<Machine> machineFromEnvironment(std::vector<std::shared_ptr<Device>>* plugged) {
    const bool virtualClock = _wcsicmp(environmentValue(L"HIDSIM_CLOCK").c_str(), L"virtual") == 0;
    auto machine = std::make_unique<StatefulMachine>(virtualClock ? Machine::Clock::Virtual : Machine::Clock::Wall);
    machine->setTransferLatencyMs(static_cast<unsigned>(_wtoi(environmentValue(L"HIDSIM_LATENCY_MS").c_str())));

    const std::wstring stateDir = environmentValue(L"HIDSIM_STATE_DIR");
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
            machine->keepState(device, path);
        }
        machine->plugIn(device);
        if (plugged) plugged->push_back(device);
    }
    if (!stateDir.empty()) {
        CreateDirectoryW(stateDir.c_str(), nullptr);
        // The machine owns the listener: the pointer lives as long as it.
        const StatefulMachine* states = machine.get();
        machine->setCommitListener([states](Device& device) { states->saveCommitted(device); });
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
