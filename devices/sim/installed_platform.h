#pragma once
// In-process simulation: the platform of a test binary is the machine the
// test installed.

#include "devices/sim/machine.h"

namespace hidsim {

void install(Machine* machine);

// Installs a fresh machine for the lifetime of the object.
class ScopedMachine {
public:
    explicit ScopedMachine(Machine::Clock clock = Machine::Clock::Virtual) : machine_(clock) { install(&machine_); }
    ~ScopedMachine() { install(nullptr); }
    Machine& operator*() { return machine_; }
    Machine* operator->() { return &machine_; }

private:
    Machine machine_;
};

}  // namespace hidsim
