#include "tests/app/support/refused_getter.h"

#include <atomic>

namespace {

std::atomic<int> refusedCalls{0};

}  // namespace

int RefusedGetter::Calls() const { return refusedCalls.load(); }

void RefusedGetter::CountCall() { ++refusedCalls; }

void RefusedGetter::ForgetCalls() { refusedCalls = 0; }
