// HidSim.dll: one simulated machine per process, shared by every simulated
// device library loaded into it.
#include "devices/sim/environment.h"

extern "C" __declspec(dllexport) hid::Platform* HidSim_Platform() {
    static std::unique_ptr<hidsim::Machine> machine = hidsim::machineFromEnvironment();
    return machine.get();
}
