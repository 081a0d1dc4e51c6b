#pragma once
// Default configuration blocks in the layout of the front of a Nolx-family
// image (164-byte main block, the 28-byte block after it, 48-byte key
// tables), and the one-shot report-0x40 set-bytes request of that family.
// Memory kinds are "I2C" or "Flash"; LED kinds "RGB", "Sync", "NT" or "MCULED".

#include <windows.h>

#include <cstdint>

namespace kelvo {

constexpr size_t kDefaultMainBlockSize = 164;
constexpr size_t kDefaultSecondBlockSize = 28;
constexpr size_t kDefaultKeyTableSize = 48;

void buildDefaultMainBlock(uint8_t* block, const wchar_t* memoryKind, const wchar_t* ledKind);
void buildDefaultSecondBlock(uint8_t* block, const wchar_t* ledKind);
void buildDefaultKeyTable(uint8_t* table);

// Sends [0x40, 0x05, 0, a, b, c, d, e]: E_HANDLE for the null handle, E_FAIL
// when the transfer fails.
HRESULT sendSetBytesRequest(HANDLE feature, uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e);

}  // namespace kelvo
