#include "devices/nolx/macro_area.h"

#include "devices/nolx/image_layout.h"

#include <algorithm>

namespace nolx {

namespace {

constexpr size_t kHeaderSize = 16;

bool SlotIsEmpty(uint8_t first, uint8_t second) {
    return (first == 0x00 && second == 0x00) || first == 0xFF || second == 0xFF;
}

// Area offset just past an entry, leaving room for the closing 0x00 when its
// data (as a caller gave them) do not carry one.
size_t EndOffset(const MacroEntry& entry) {
    const bool closed = !entry.data.empty() && entry.data.back() == 0x00;
    return entry.address - kMacroArea + entry.data.size() + (closed ? 0 : 1);
}

}  // namespace

int MacroStepLength(uint8_t opcode) {
    switch (opcode) {
    case 0x00:
        return 0;
    case 0x01: case 0x02: case 0x81: case 0x82: case 0xFD:
        return 2;
    case 0x04: case 0xFE:
        return 3;
    case 0x21: case 0x22: case 0x24: case 0x28: case 0x30:
    case 0xA1: case 0xA2: case 0xA4: case 0xA8: case 0xB0:
    case 0xFC:
        return 1;
    default:
        return -1;
    }
}

MacroList ParseMacroArea(const MacroAreaBytes& area) {
    MacroList macros;
    size_t pos = 0;
    while (pos < area.size()) {
        if (pos + 1 < area.size() && SlotIsEmpty(area[pos], area[pos + 1])) {
            pos += kHeaderSize;
            continue;
        }
        MacroEntry entry;
        const size_t headerLength = std::min(kHeaderSize, area.size() - pos);
        std::copy_n(area.begin() + pos, headerLength, entry.header.begin());
        pos += kHeaderSize;
        const size_t start = std::min(pos, area.size());
        entry.address = static_cast<unsigned>(kMacroArea + start);
        bool scanEnds = false;
        while (true) {
            if (pos >= area.size()) {
                pos = area.size();
                scanEnds = true;
                break;
            }
            const int step = MacroStepLength(area[pos]);
            if (step == 0) break;
            if (step < 0) {
                scanEnds = true;
                break;
            }
            pos += static_cast<size_t>(step);
        }
        entry.data.assign(area.begin() + start, area.begin() + pos);
        entry.data.push_back(0x00);
        pos += 1;
        macros.push_back(std::move(entry));
        if (scanEnds) break;
    }
    return macros;
}

MacroAreaBytes LayOutMacros(const MacroList& macros) {
    MacroAreaBytes area{};
    for (const MacroEntry& entry : macros) {
        const size_t data = entry.address - kMacroArea;
        if (entry.address < kMacroArea + kHeaderSize || data > area.size()) continue;
        std::copy(entry.header.begin(), entry.header.end(), area.begin() + (data - kHeaderSize));
        const size_t length = std::min(entry.data.size(), area.size() - data);
        std::copy_n(entry.data.begin(), length, area.begin() + data);
    }
    return area;
}

unsigned AppendAddress(const MacroList& macros, size_t length) {
    const size_t header = macros.empty() ? 0 : EndOffset(macros.back());
    const size_t data = header + kHeaderSize;
    if (data > kMacroAreaSize || length > kMacroAreaSize - data) return 0;
    return static_cast<unsigned>(kMacroArea + data);
}

MacroList WithoutMacro(const MacroList& macros, size_t index) {
    MacroList kept;
    size_t header = 0;
    for (size_t i = 0; i < macros.size(); ++i) {
        if (i == index) continue;
        MacroEntry entry = macros[i];
        entry.address = static_cast<unsigned>(kMacroArea + header + kHeaderSize);
        header = EndOffset(entry);
        kept.push_back(std::move(entry));
    }
    return kept;
}

}  // namespace nolx
