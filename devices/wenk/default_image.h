#pragma once
// The Wenk keyboard's factory memory: the image behind "DefaultData_1.bin",
// from which the program takes each key's default code, and the simulated
// keyboard's first memory.
//
// Key i of a profile (child i of the keyboard page's key container) is the
// i-th key of a 104-key layout read row by row, left to right: the function
// row with its three system keys, the number row with the navigation and
// numeric-pad keys beside it, and so on down to the bottom row.

#include "devices/wenk/memory_map.h"

#include <array>

namespace wenk {

constexpr size_t kDefaultKeyCount = 104;

std::array<uint8_t, kMemorySize> defaultImage();

}  // namespace wenk
