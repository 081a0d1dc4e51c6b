// The macro list in the macro area, the three fire keys and the fire macros.
#include "devices/nolx/mcu_device.h"

#include <algorithm>

namespace nolx {

namespace {

uint8_t Byte(int value) { return static_cast<uint8_t>(value); }

constexpr unsigned kFireKeyOffset = 2;  // key k: code, value high, value low at 2 + 3k

}  // namespace

HRESULT McuDevice::writeMacroArea() {
    copies_.macroArea = LayOutMacros(macros_);
    return transport_.writeBlock(kMacroArea, kMacroAreaSize, copies_.macroArea.data());
}

HRESULT McuDevice::getMacro(int index, uint8_t* header, uint8_t* data, int* address, int* length) const {
    if (index < 0 || static_cast<size_t>(index) >= macros_.size()) return E_INVALIDARG;
    if (!header || !data || !address || !length) return E_POINTER;
    const MacroEntry& entry = macros_[index];
    std::copy(entry.header.begin(), entry.header.end(), header);
    std::copy(entry.data.begin(), entry.data.end(), data);
    *address = static_cast<int>(entry.address);
    *length = static_cast<int>(entry.data.size());
    return S_OK;
}

HRESULT McuDevice::setMacro(int index, const uint8_t* header, const uint8_t* data, int length) {
    if (index == -1) {
        if (!header || length < 0 || (length > 0 && !data)) return E_INVALIDARG;
        const unsigned address = AppendAddress(macros_, static_cast<size_t>(length));
        if (address == 0) return E_FAIL;
        MacroEntry entry;
        std::copy_n(header, entry.header.size(), entry.header.begin());
        entry.data.assign(data, data + length);
        entry.address = address;
        macros_.push_back(std::move(entry));
        return writeMacroArea();
    }
    if (index < 0 || static_cast<size_t>(index) >= macros_.size()) return E_INVALIDARG;
    macros_ = ParseMacroArea(LayOutMacros(WithoutMacro(macros_, static_cast<size_t>(index))));
    return writeMacroArea();
}

HRESULT McuDevice::getFireKey(int key, int* code, int* value) const {
    if (key < 0 || static_cast<unsigned>(key) >= kFireKeys) return E_INVALIDARG;
    if (!code || !value) return E_POINTER;
    const uint8_t* entry = &copies_.fireKeys[kFireKeyOffset + 3 * key];
    *code = entry[0];
    *value = entry[1] * 256 + entry[2];
    return S_OK;
}

HRESULT McuDevice::setFireKey(int key, int code, int value) {
    if (key < 0 || static_cast<unsigned>(key) >= kFireKeys) return E_INVALIDARG;
    uint8_t* entry = &copies_.fireKeys[kFireKeyOffset + 3 * key];
    entry[0] = Byte(code);
    entry[1] = Byte(value >> 8);
    entry[2] = Byte(value);
    return transport_.writeBlock(chip_.fireKeyBlock, kFireKeyBlockSize, copies_.fireKeys.data());
}

bool McuDevice::validFireMacro(int index) const {
    return index >= 0 && static_cast<unsigned>(index) < chip_.fireMacros;
}

HRESULT McuDevice::getFireMacro(int index, uint8_t* record, int* first, int* second, int* r, int* g,
                                int* b) const {
    if (!validFireMacro(index)) return E_INVALIDARG;
    if (!record || !first || !second || !r || !g || !b) return E_POINTER;
    std::copy_n(copies_.fireRecord(chip_, index), chip_.fireRecordSize, record);
    *first = copies_.block164[kFireFirstSetting + index];
    *second = copies_.block164[kFireSecondSetting + index];
    const uint8_t* colour = &copies_.main[kUserColours + 3 * index];
    *r = colour[0];
    *g = colour[1];
    *b = colour[2];
    return S_OK;
}

HRESULT McuDevice::setFireMacro(int index, const uint8_t* record, int first, int second, int r, int g, int b) {
    if (!validFireMacro(index)) return E_INVALIDARG;
    if (!record) return E_POINTER;
    copies_.block164[kFireFirstSetting + index] = Byte(first);
    copies_.block164[kFireSecondSetting + index] = Byte(second);
    uint8_t* colour = &copies_.main[kUserColours + 3 * index];
    colour[0] = Byte(r);
    colour[1] = Byte(g);
    colour[2] = Byte(b);
    std::copy_n(record, chip_.fireRecordSize, copies_.fireRecord(chip_, index));

    StatusChain chain;
    for (unsigned k = 0; k < kUserColourCount; ++k) {
        const uint8_t* c = &copies_.main[kUserColours + 3 * k];
        chain.add(transport_.setBytes(kUserColours + 3 * k, c[0], c[1], c[2], 3));
    }
    readMouseOwnBlock164();
    chain.add(writeBlock164());
    chain.add(writeMainBlock());
    chain.add(transport_.writeBlock(chip_.fireRangeAddress, chip_.fireRangeLength, copies_.fireRange.data()));
    if (chip_.fireWriteReloadsKeys) chain.add(reloadKeyAssignments());
    return chain.result();
}

}  // namespace nolx
