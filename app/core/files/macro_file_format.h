#pragma once
// The macro files: fixed-size records without header or trailer, one per
// macro in list order. A record is a name field (UTF-16, the two bytes of
// every code unit swapped, zero-filled) followed by a data field (the macro's
// bytes in the family's macro byte code, zero-filled). The macro managers
// write these records and the configuration-file store reads them.

#include "app/core/settings/settings_containers.h"

#include <cstddef>
#include <cstdint>
#include <vector>

enum class MacroFileFamily { Wenk, Kelvo, KelvoDriver, Dolv, Mesk, Qiro };

struct MacroFileLayout {
    size_t nameField;
    size_t dataField;
    size_t RecordSize() const { return nameField + dataField; }
};

MacroFileLayout MacroFileLayoutOf(MacroFileFamily family);

// One record: the name cut to the field (16 or 8 code units), the data cut to
// its field.
std::vector<uint8_t> EncodeMacroRecord(MacroFileFamily family, const MacroRecord& macro);

// The whole file of a list; a missing record writes as an empty one.
std::vector<uint8_t> EncodeMacroFile(MacroFileFamily family, const MacroList& macros);

// Every whole record of the bytes, in order; a shorter tail is ignored.
// Names end at their first zero unit; the data is what the family keeps of
// its field (MacroDataFromField).
MacroList DecodeMacroFile(MacroFileFamily family, const uint8_t* bytes, size_t size);

// What a macro keeps of a data field: Wenk and Kelvo driver all of it; Kelvo
// the play mode, the length byte and the bytes it counts; Dolv, Mesk and Qiro
// the steps up to and including the step that is a zero byte.
std::vector<uint8_t> MacroDataFromField(MacroFileFamily family, const uint8_t* field);
