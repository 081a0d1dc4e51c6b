#pragma once
// The Kelvo mouse's factory configuration: the image behind
// "TevkKelvoData_Cfg1.bin" and the simulated controller's first memory.

#include "devices/kelvo/working_copy.h"

namespace kelvo {

std::array<uint8_t, kImageSize> defaultImage();

}  // namespace kelvo
