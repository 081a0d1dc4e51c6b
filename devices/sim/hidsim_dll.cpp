// HidSim.dll: one simulated machine per process, shared by every simulated
// device library loaded into it; for tests that run the program in their own
// process, the controllers' memory, the buttons of the mice and the faults of
// the bus and the controllers.
#include "devices/sim/environment.h"
#include "devices/sim/kelvo_firmware.h"
#include "devices/sim/nolx_firmware.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Simulation {
    std::vector<std::shared_ptr<hidsim::Device>> devices;
    std::unique_ptr<hidsim::Machine> machine = hidsim::machineFromEnvironment(&devices);
};

Simulation& simulation() {
    static Simulation instance;
    return instance;
}

// The controller of that name, plugged in or not: a family ("wenk") names
// its first controller, a family with a number ("wenk-2") a later one, as
// its state file is named.
hidsim::Device* controllerNamed(const char* name) {
    if (!name) return nullptr;
    std::string family = name;
    int wanted = 1;
    const size_t dash = family.find('-');
    if (dash != std::string::npos) {
        wanted = std::atoi(family.c_str() + dash + 1);
        family.resize(dash);
    }
    int seen = 0;
    for (const auto& device : simulation().devices) {
        if (device->family() == family && ++seen == wanted) return device.get();
    }
    return nullptr;
}

}  // namespace

extern "C" __declspec(dllexport) hid::Platform* HidSim_Platform() { return simulation().machine.get(); }

// Presses a button on the first plugged-in mouse of the family ("qiro",
// "dolv", "mesk"): "profile" or "dpi". The firmware changes its memory and
// sends its input report. 0 when pressed, -1 for no such mouse or button.
extern "C" __declspec(dllexport) int HidSim_PressButton(const char* family, const char* button) {
    hidsim::Device* device = controllerNamed(family);
    auto* firmware = device ? dynamic_cast<hidsim::NolxFirmware*>(&device->firmware()) : nullptr;
    if (!firmware || !button) return -1;
    if (std::strcmp(button, "profile") == 0) {
        firmware->pressProfileButton();
    } else if (std::strcmp(button, "dpi") == 0) {
        firmware->pressDpiButton();
    } else {
        return -1;
    }
    return 0;
}

// Copies at most `size` bytes of the configuration memory of the family's
// first plugged-in controller, as it holds it now (committed or not); the
// number of bytes copied, -1 for no such controller.
extern "C" __declspec(dllexport) int HidSim_ReadMemory(const char* family, uint8_t* buffer, int size) {
    hidsim::Device* device = controllerNamed(family);
    if (!device || !buffer || size < 0) return -1;
    const std::vector<uint8_t>& memory = device->firmware().memory();
    const size_t count = std::min(memory.size(), static_cast<size_t>(size));
    std::copy_n(memory.begin(), count, buffer);
    return static_cast<int>(count);
}

// Unplugs the family's first controller once `transfers` more feature
// transfers have passed (0: at once); the transfer after them already fails.
// 0, or -1 for no such controller.
extern "C" __declspec(dllexport) int HidSim_Unplug(const char* family, int transfers) {
    hidsim::Device* device = controllerNamed(family);
    if (!device || transfers < 0) return -1;
    device->afterTransfers(static_cast<unsigned>(transfers), [device] { device->unplug(); });
    return 0;
}

// Loses `count` feature transfers of the family's first controller, from the
// nth one from now (1 = the next): a lost request never reaches the
// controller, a lost reply never reaches the host. 0, or -1.
extern "C" __declspec(dllexport) int HidSim_LoseTransfers(const char* family, int nth, int count) {
    hidsim::Device* device = controllerNamed(family);
    if (!device || nth < 1 || count < 1) return -1;
    device->failTransfer(static_cast<unsigned>(nth), static_cast<unsigned>(count));
    return 0;
}

// The family's first Kelvo controller stops acknowledging once `transfers`
// more feature transfers have passed: its polls answer "not yet" from then
// on. 0, or -1 for no such controller.
extern "C" __declspec(dllexport) int HidSim_StopAcknowledging(const char* family, int transfers) {
    hidsim::Device* device = controllerNamed(family);
    auto* firmware = device ? dynamic_cast<hidsim::KelvoFirmware*>(&device->firmware()) : nullptr;
    if (!firmware || transfers < 0) return -1;
    device->afterTransfers(static_cast<unsigned>(transfers),
                           [firmware] { firmware->setPollsBeforeReply(hidsim::KelvoFirmware::kNeverReplies); });
    return 0;
}

// Flips every bit of one memory byte of the family's first Nolx-family
// controller, which breaks the checksum of the block that holds it. 0, or -1.
extern "C" __declspec(dllexport) int HidSim_CorruptByte(const char* family, int address) {
    hidsim::Device* device = controllerNamed(family);
    auto* firmware = device ? dynamic_cast<hidsim::NolxFirmware*>(&device->firmware()) : nullptr;
    if (!firmware || address < 0 || static_cast<size_t>(address) >= firmware->memory().size()) return -1;
    firmware->corruptByte(static_cast<unsigned>(address));
    return 0;
}

// Ends every fault of the family's first controller: it is plugged in again,
// acknowledges again and loses no transfer. 0, or -1.
extern "C" __declspec(dllexport) int HidSim_ClearFaults(const char* family) {
    hidsim::Device* device = controllerNamed(family);
    if (!device) return -1;
    device->clearTransferFaults();
    if (auto* firmware = dynamic_cast<hidsim::KelvoFirmware*>(&device->firmware())) {
        device->afterTransfers(0, [firmware] { firmware->setPollsBeforeReply(0); });
    }
    if (!device->plugged()) device->plugBack();
    return 0;
}
