#include "tests/app/support/refused_getter.h"

#include <atomic>

namespace {

std::atomic<int> refusedCalls{0};

int __stdcall Refuse(int*) {
    ++refusedCalls;
    return -1;
}

}  // namespace

// The binder hands out its entries read-only; a test stands in for the library.
RefusedGetter::RefusedGetter(Getter DeviceEntries::*entry)
    : slot_(const_cast<DeviceEntries&>(DeviceLibraryBinder::Instance().Entries()).*entry), library_(slot_) {
    refusedCalls = 0;
    slot_ = &Refuse;
}

RefusedGetter::~RefusedGetter() { slot_ = library_; }

int RefusedGetter::Calls() const { return refusedCalls.load(); }
