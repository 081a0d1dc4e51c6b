#pragma once
// A device library whose getter of one 32-bit field fails: while the object
// lives, the process's binder calls a stand-in that refuses every call in
// place of that export. Swap it only while no device request runs.

#include "app/core/binder/device_binder.h"

class RefusedGetter {
public:
    using Getter = int(__stdcall*)(int* value);

    explicit RefusedGetter(Getter DeviceEntries::*entry);
    ~RefusedGetter();
    RefusedGetter(const RefusedGetter&) = delete;
    RefusedGetter& operator=(const RefusedGetter&) = delete;

    // The calls refused since the object was made.
    int Calls() const;

private:
    Getter& slot_;
    const Getter library_;
};
