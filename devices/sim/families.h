#pragma once
// The simulated controller families, by the names HIDSIM_DEVICES uses.

#include "devices/sim/device.h"

#include <memory>
#include <string>
#include <vector>

namespace hidsim {

using DeviceFactory = std::shared_ptr<Device> (*)();

struct Family {
    const char* name;
    DeviceFactory make;
};

const std::vector<Family>& families();

// A new device of the named family, or null for an unknown name.
std::shared_ptr<Device> makeDevice(const std::string& family);

}  // namespace hidsim
