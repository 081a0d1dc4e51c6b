#pragma once
// Helpers of the settings wrappers: an unbound entry is never called.

#include "app/core/binder/device_entries.h"

// True when every entry is bound.
template <class... Entries>
bool Bound(Entries... entries) {
    return ((entries != nullptr) && ...);
}

// True when the entry is bound and returned 0.
template <class Entry, class... Args>
bool Succeeded(Entry entry, Args... args) {
    return entry != nullptr && entry(args...) == 0;
}

// In a family's traits: one member pointer per entry of its list, named by the
// export's base name, so that one wrapper body serves several families.
#define VASTEMOR_ENTRY_TRAIT(lib, base, suffix, result, params) \
    static constexpr auto base = &DeviceEntries::base##suffix;
