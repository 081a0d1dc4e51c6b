// HidSim.dll: one simulated machine per process, shared by every simulated
// device library loaded into it, and the buttons of its mice for tests that
// run the program in their own process.
#include "devices/sim/environment.h"
#include "devices/sim/nolx_firmware.h"

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

}  // namespace

extern "C" __declspec(dllexport) hid::Platform* HidSim_Platform() { return simulation().machine.get(); }

// Presses a button on the first plugged-in mouse of the family ("qiro",
// "dolv", "mesk"): "profile" or "dpi". The firmware changes its memory and
// sends its input report. 0 when pressed, -1 for no such mouse or button.
extern "C" __declspec(dllexport) int HidSim_PressButton(const char* family, const char* button) {
    if (!family || !button) return -1;
    for (const auto& device : simulation().devices) {
        auto* firmware = dynamic_cast<hidsim::NolxFirmware*>(&device->firmware());
        if (!firmware || device->family() != family) continue;
        if (std::strcmp(button, "profile") == 0) {
            firmware->pressProfileButton();
        } else if (std::strcmp(button, "dpi") == 0) {
            firmware->pressDpiButton();
        } else {
            return -1;
        }
        return 0;
    }
    return -1;
}
