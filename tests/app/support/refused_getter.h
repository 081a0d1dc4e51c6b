#pragma once
// A device library whose getter fails: while the object lives, the process's
// binder calls a stand-in that refuses every call in place of that export.
// Swap it only while no device request runs.

#include "app/core/binder/device_binder.h"

#include <functional>

class RefusedGetter {
public:
    template <class... Params>
    explicit RefusedGetter(int(__stdcall* DeviceEntries::*entry)(Params...)) {
        using Getter = int(__stdcall*)(Params...);
        // The binder hands out its entries read-only; a test stands in for the library.
        Getter& slot = const_cast<DeviceEntries&>(DeviceLibraryBinder::Instance().Entries()).*entry;
        const Getter library = slot;
        restore_ = [&slot, library] { slot = library; };
        ForgetCalls();
        slot = &Refuse<Params...>;
    }
    ~RefusedGetter() { restore_(); }
    RefusedGetter(const RefusedGetter&) = delete;
    RefusedGetter& operator=(const RefusedGetter&) = delete;

    // The calls refused since the object was made.
    int Calls() const;

private:
    template <class... Params>
    static int __stdcall Refuse(Params...) {
        CountCall();
        return -1;
    }
    static void CountCall();
    static void ForgetCalls();

    std::function<void()> restore_;
};
