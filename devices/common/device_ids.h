#pragma once
// USB ids of the supported controllers, shared by the libraries' defaults,
// the simulators and the program.

#include <cstdint>

namespace device_ids {

constexpr uint16_t kVendor = 0x3A7C;
constexpr uint16_t kWenkProduct = 0x0101;
constexpr uint16_t kKelvoProduct = 0x0201;  // also the Kelvo driver mouse
constexpr uint16_t kNolxProduct = 0x0301;   // shared by Qiro, Dolv and Mesk

}  // namespace device_ids
