#pragma once
// A simulated controller's memory kept in a file between runs
// (HIDSIM_STATE_DIR).

#include <cstdint>
#include <string>
#include <vector>

namespace hidsim {

// The file's bytes into the memory when the file holds exactly as many.
void loadImage(const std::wstring& path, std::vector<uint8_t>& memory);
// The memory into the file, through a temporary file beside it.
void saveImage(const std::wstring& path, const std::vector<uint8_t>& memory);

}  // namespace hidsim
