#pragma once
// Builds the simulated machine of a whole-program run from the environment:
//   HIDSIM_DEVICES    comma-separated families plugged in (default qiro,kelvo,wenk)
//   HIDSIM_STATE_DIR  folder of one memory image per controller, loaded at start
//                     and saved after every commit, and when the machine goes
//                     away with the process (plugged-in controllers only)
//   HIDSIM_LATENCY_MS wall-clock cost of one feature transfer (default 0)
//   HIDSIM_CLOCK      "virtual": the libraries' pauses cost no wall time
//                     (default: they do, as on a real bus)
//   HIDSIM_TRACE      file that gets one line per transfer

#include "devices/sim/machine.h"

#include <memory>
#include <vector>

namespace hidsim {

// `plugged`, when given, receives the devices plugged in.
std::unique_ptr<Machine> machineFromEnvironment(std::vector<std::shared_ptr<Device>>* plugged = nullptr);

}  // namespace hidsim
