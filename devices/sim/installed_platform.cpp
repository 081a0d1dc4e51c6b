#include "devices/sim/installed_platform.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace hidsim {
namespace {
std::atomic<Machine*> installed{nullptr};
}

void install(Machine* machine) { installed = machine; }

}  // namespace hidsim

hid::Platform& hid::platform() {
    hidsim::Machine* machine = hidsim::installed;
    if (!machine) {
        std::fprintf(stderr, "no simulated machine installed\n");
        std::abort();
    }
    return *machine;
}
