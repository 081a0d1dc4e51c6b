// HidSim.dll: one simulated machine per process, shared by every simulated
// device library loaded into it; for tests that run the program in their own
// process, the controllers' memory and the buttons of the mice.
#include "devices/sim/environment.h"
#include "devices/sim/nolx_firmware.h"

#include <algorithm>
#include <cstring>

namespace {

struct Simulation {
    std::vector<std::shared_ptr<hidsim::Device>> devices;
    std::unique_ptr<hidsim::Machine> machine = hidsim::machineFromEnvironment(&devices);
};

Simulation& simulation() {
    static Simulation instance;
    return instance;
}

hidsim::Device* firstOfFamily(const char* family) {
    for (const auto& device : simulation().devices) {
        if (family && device->family() == family) return device.get();
    }
    return nullptr;
}

}  // namespace

extern "C" __declspec(dllexport) hid::Platform* HidSim_Platform() { return simulation().machine.get(); }

// Presses a button on the first plugged-in mouse of the family ("qiro",
// "dolv", "mesk"): "profile" or "dpi". The firmware changes its memory and
// sends its input report. 0 when pressed, -1 for no such mouse or button.
extern "C" __declspec(dllexport) int HidSim_PressButton(const char* family, const char* button) {
    hidsim::Device* device = firstOfFamily(family);
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
    hidsim::Device* device = firstOfFamily(family);
    if (!device || !buffer || size < 0) return -1;
    const std::vector<uint8_t>& memory = device->firmware().memory();
    const size_t count = std::min(memory.size(), static_cast<size_t>(size));
    std::copy_n(memory.begin(), count, buffer);
    return static_cast<int>(count);
}

// Unplugs (0) or plugs back (non-zero) the family's first controller; the
// program learns of it at its next device-change message. 0 when done, -1
// for no such controller.
extern "C" __declspec(dllexport) int HidSim_SetPlugged(const char* family, int plugged) {
    hidsim::Device* device = firstOfFamily(family);
    if (!device) return -1;
    if (plugged) {
        device->plugBack();
    } else {
        device->unplug();
    }
    return 0;
}
