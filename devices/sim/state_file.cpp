#include "devices/sim/state_file.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace hidsim {

void loadImage(const std::wstring& path, std::vector<uint8_t>& memory) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() == memory.size()) memory = bytes;
}

void saveImage(const std::wstring& path, const std::vector<uint8_t>& memory) {
    const std::wstring temporary = path + L".tmp";
    {
        std::ofstream out(temporary.c_str(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        if (!out) return;
    }
    MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace hidsim
