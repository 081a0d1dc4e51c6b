#pragma once
// What a test sees of a simulated Nolx mouse behind the real library: the
// transfer trace (HIDSIM_TRACE) and the controller's memory.

#include "app/main/pages/nolx/nolx_family_traits.h"

#include <cstdint>
#include <string>
#include <vector>

// Removes the trace of earlier runs; call before the first library call.
void ForgetEarlierRuns();

// The trace lines from the first one not yet taken.
class TraceReader {
public:
    TraceReader();
    std::vector<std::string> Take();
    // Only the "SET" lines of Take().
    std::vector<std::string> TakeWrites();

private:
    size_t taken_ = 0;
};

// The controller's whole memory, read through the library (its transfers
// land in the trace); empty when it cannot be read.
std::vector<uint8_t> ControllerMemory(const NolxFamilyTraits& family = QiroFamilyTraits());

// "%02x" of a byte, as trace lines show it.
std::string Hex(uint8_t byte);
