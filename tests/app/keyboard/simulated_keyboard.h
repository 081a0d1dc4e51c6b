#pragma once
// The simulated keyboard's memory and transfers as the simulator leaves them
// in HIDSIM_STATE_DIR and HIDSIM_TRACE.

#include <cstdint>
#include <string>
#include <vector>

// The memory image after the last write.
std::vector<uint8_t> SimulatedMemory();
// The trace lines written so far.
std::vector<std::string> TraceLines();
// Of the trace lines from `first` on: the commands sent to the keyboard, as
// "write 0x0050" or "reload".
std::vector<std::string> KeyboardCommands(size_t first);
