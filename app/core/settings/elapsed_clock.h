#pragma once

#include <cstdint>

// Milliseconds of the high-resolution performance counter.
int64_t ElapsedMilliseconds();
