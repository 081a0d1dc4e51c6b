#include "devices/kelvo/default_blocks.h"

#include "devices/common/device_ids.h"
#include "devices/common/hid_platform.h"

#include <cstring>
#include <cwchar>

namespace kelvo {

namespace {

enum class LedKind { Rgb, Sync, Nt, McuLed, Other };

LedKind ledKindOf(const wchar_t* text) {
    if (std::wcscmp(text, L"RGB") == 0) return LedKind::Rgb;
    if (std::wcscmp(text, L"Sync") == 0) return LedKind::Sync;
    if (std::wcscmp(text, L"NT") == 0) return LedKind::Nt;
    if (std::wcscmp(text, L"MCULED") == 0) return LedKind::McuLed;
    return LedKind::Other;
}

void put(uint8_t* block, size_t at, std::initializer_list<uint8_t> bytes) {
    std::memcpy(block + at, bytes.begin(), bytes.size());
}

constexpr uint8_t kFixedBytes8To41[34] = {0xAF, 0x20, 0x35, 0x29, 0x10, 0x30, 0x1A, 0x00, 0x00, 0x45, 0x02, 0xEF,
                                          0x10, 0xEF, 0x10, 0xEF, 0x10, 0xFF, 0x10, 0x50, 0x03, 0x01, 0x02, 0x48,
                                          0x96, 0xFA, 0x20, 0x1E, 0x02, 0x01, 0x20, 0x00, 0x06, 0x87};
constexpr uint8_t kTenColours[30] = {255, 0,   0,   255, 128, 0, 255, 255, 0,   0,   255, 0,   0,   0,   255,
                                     0,   255, 128, 0,   255, 255, 128, 0,   255, 255, 0,   255, 255, 255, 255};
constexpr uint8_t kEightColours[24] = {0,   255, 0,   255, 255, 0, 255, 128, 0,   255, 0,   0,
                                       255, 0,   128, 255, 0,   255, 128, 0,   255, 0,   0,   255};
constexpr char kProductString[] = "HID Gaming mouse";
constexpr uint8_t kBlockEnd = 0xD2;

}  // namespace

void buildDefaultMainBlock(uint8_t* block, const wchar_t* memoryKind, const wchar_t* ledKind) {
    const LedKind led = ledKindOf(ledKind);
    put(block, 0, {static_cast<uint8_t>(device_ids::kVendor >> 8), static_cast<uint8_t>(device_ids::kVendor),
                   static_cast<uint8_t>(device_ids::kKelvoProduct >> 8),
                   static_cast<uint8_t>(device_ids::kKelvoProduct)});
    if (std::wcscmp(memoryKind, L"I2C") == 0) block[4] = 0xBF;
    if (std::wcscmp(memoryKind, L"Flash") == 0) block[4] = 0xFF;

    switch (led) {
    case LedKind::Sync: put(block, 5, {0x3F, 0x7F, 0xBF}); break;
    case LedKind::Nt:
    case LedKind::McuLed: put(block, 5, {0x3F, 0x7F, 0xCF}); break;
    default: put(block, 5, {0xFF, 0x7F, 0x7F}); break;
    }
    std::memcpy(block + 8, kFixedBytes8To41, sizeof kFixedBytes8To41);
    block[42] = led == LedKind::Sync ? 0x05 : led == LedKind::McuLed ? 0x7F : 0x3F;
    put(block, 43, {0x03, 0x64, 0x98, 0x00, 0x00});
    switch (led) {
    case LedKind::Sync: put(block, 48, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08}); break;
    case LedKind::Nt:
    case LedKind::McuLed: put(block, 48, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}); break;
    default: put(block, 48, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}); break;
    }
    if (led != LedKind::Sync) {
        std::memcpy(block + 57, kTenColours, sizeof kTenColours);
        std::memcpy(block + 87, kEightColours, sizeof kEightColours);
    }
    std::memcpy(block + 111, kProductString, 16);
    std::memset(block + 127, 0, 36);
    block[163] = kBlockEnd;
}

void buildDefaultSecondBlock(uint8_t* block, const wchar_t* ledKind) {
    switch (ledKindOf(ledKind)) {
    case LedKind::Sync: block[1] = 0x42; break;
    case LedKind::Nt: block[1] = 0xF5; break;
    case LedKind::McuLed: block[1] = 0x81; break;
    default: block[1] = 0x05; break;
    }
    block[2] = 0x01;
    block[3] = 0x01;
    std::memset(block + 4, 0, 23);
    block[27] = kBlockEnd;
}

void buildDefaultKeyTable(uint8_t* table) {
    static constexpr uint8_t kEntries[kDefaultKeyTableSize] = {
        0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12, 0x00, 0x10, 0x01, 0x02, 0x00, 0x00,
        0x01, 0x10, 0x00, 0x00, 0x02, 0x08, 0x07, 0x00, 0x01, 0x04, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00,
        0x08, 0x00, 0x00, 0x00};
    std::memcpy(table, kEntries, kDefaultKeyTableSize);
}

HRESULT sendSetBytesRequest(HANDLE feature, uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e) {
    if (feature == nullptr) return E_HANDLE;
    const uint8_t report[8] = {0x40, 0x05, 0x00, a, b, c, d, e};
    return hid::platform().setFeature(feature, report, sizeof report) ? S_OK : E_FAIL;
}

}  // namespace kelvo
