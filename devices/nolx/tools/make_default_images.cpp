// Writes the default configuration images the pages' reset imports, into the
// current folder: the library's factory image per controller, and for Mesk
// three DPI presets.
#include "devices/nolx/default_blocks.h"
#include "devices/nolx/image_layout.h"

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <vector>

namespace {

using nolx::ChipId;
using nolx::ChipSettings;

std::vector<uint8_t> WithCpiPreset(std::vector<uint8_t> image, std::initializer_list<uint8_t> steps) {
    uint8_t* main = &image[nolx::kMainBlock];
    main[nolx::kCpiLevelCount] = static_cast<uint8_t>(steps.size() - 1);
    for (unsigned k = 0; k < nolx::kCpiLevels / 2; ++k) main[nolx::kCpiSteps + k] = 0;
    unsigned level = 0;
    for (uint8_t step : steps) {
        main[nolx::kCpiSteps + level / 2] |= static_cast<uint8_t>(level % 2 == 0 ? step : step << 4);
        ++level;
    }
    nolx::SealBlock(main, nolx::kMainBlockSize);
    return image;
}

bool Write(const char* name, const std::vector<uint8_t>& image) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (out) return true;
    std::fprintf(stderr, "cannot write %s\n", name);
    return false;
}

}  // namespace

int main() {
    const std::vector<uint8_t> mesk = nolx::DefaultImage(ChipSettings(ChipId::Mesk));
    bool ok = Write("TevkNolx005AData_Cfg1.bin", nolx::DefaultImage(ChipSettings(ChipId::Qiro)));
    ok = Write("TevkDolvBData_Cfg1.bin", nolx::DefaultImage(ChipSettings(ChipId::Dolv))) && ok;
    // Mesk: balanced (the factory image), precision (400-1000 DPI) and speed
    // (1600-6400 DPI in six levels).
    ok = Write("TevkMeskBData_Cfg1.bin", mesk) && ok;
    ok = Write("TevkMeskBData_Cfg2.bin", WithCpiPreset(mesk, {1, 2, 3, 4})) && ok;
    ok = Write("TevkMeskBData_Cfg3.bin", WithCpiPreset(mesk, {6, 7, 8, 9, 10, 11})) && ok;
    return ok ? 0 : 1;
}
