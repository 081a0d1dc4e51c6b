#include "app/core/files/macro_file_format.h"

#include "app/core/binder/wire_fields.h"

#include <algorithm>

namespace {

constexpr uint8_t kNolxEndStep = 0x00;

// Length of the Nolx step that starts with the byte.
size_t NolxStepLength(uint8_t first) {
    switch (first) {
        case 0x02:
        case 0x82:
        case 0xFD:
            return 2;
        case 0x04:
        case 0xFE:
            return 3;
        default:
            return 1;
    }
}

size_t NolxDataLength(const uint8_t* field, size_t fieldSize) {
    for (size_t at = 0; at < fieldSize; at += NolxStepLength(field[at])) {
        if (field[at] == kNolxEndStep) return at + 1;
    }
    return fieldSize;
}

}  // namespace

MacroFileLayout MacroFileLayoutOf(MacroFileFamily family) {
    switch (family) {
        case MacroFileFamily::Wenk:
            return {32, 144};
        case MacroFileFamily::Kelvo:
            return {32, 224};
        case MacroFileFamily::KelvoDriver:
            return {32, 2048};
        case MacroFileFamily::Dolv:
        case MacroFileFamily::Mesk:
        case MacroFileFamily::Qiro:
            break;
    }
    return {16, 224};
}

std::vector<uint8_t> MacroDataFromField(MacroFileFamily family, const uint8_t* field) {
    const size_t fieldSize = MacroFileLayoutOf(family).dataField;
    size_t kept = fieldSize;
    switch (family) {
        case MacroFileFamily::Wenk:
        case MacroFileFamily::KelvoDriver:
            break;
        case MacroFileFamily::Kelvo:
            kept = std::min(fieldSize, field[1] + size_t{2});
            break;
        case MacroFileFamily::Dolv:
        case MacroFileFamily::Mesk:
        case MacroFileFamily::Qiro:
            kept = NolxDataLength(field, fieldSize);
            break;
    }
    return std::vector<uint8_t>(field, field + kept);
}

std::vector<uint8_t> EncodeMacroRecord(MacroFileFamily family, const MacroRecord& macro) {
    const MacroFileLayout layout = MacroFileLayoutOf(family);
    std::vector<uint8_t> record(layout.RecordSize());
    NameToWireField(macro.name, record.data(), layout.nameField);
    DataToField(macro.data, record.data() + layout.nameField, layout.dataField);
    return record;
}

std::vector<uint8_t> EncodeMacroFile(MacroFileFamily family, const MacroList& macros) {
    std::vector<uint8_t> file;
    const MacroRecord empty;
    for (const MacroRef& macro : macros) {
        const std::vector<uint8_t> record = EncodeMacroRecord(family, macro ? *macro : empty);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

MacroList DecodeMacroFile(MacroFileFamily family, const uint8_t* bytes, size_t size) {
    const MacroFileLayout layout = MacroFileLayoutOf(family);
    MacroList macros;
    for (size_t at = 0; at + layout.RecordSize() <= size; at += layout.RecordSize()) {
        auto macro = std::make_shared<MacroRecord>();
        macro->name = NameFromWireField(bytes + at, layout.nameField);
        macro->data = MacroDataFromField(family, bytes + at + layout.nameField);
        macros.push_back(std::move(macro));
    }
    return macros;
}
