#include "devices/wenk/default_image.h"

#include <algorithm>

namespace wenk {

namespace {

// Device key codes (keyboard usage ids; 0x81.. modifiers) of the 104 keys.
constexpr uint8_t kKeys[kDefaultKeyCount] = {
    // Esc, F1-F12, Print Screen, Scroll Lock, Pause
    0x29, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
    // ` 1-0 - = Backspace, Insert Home Page Up, Num Lock / * -
    0x35, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x2D, 0x2E, 0x2A, 0x49, 0x4A, 0x4B,
    0x53, 0x54, 0x55, 0x56,
    // Tab Q-P [ ] \, Delete End Page Down, pad 7 8 9 +
    0x2B, 0x14, 0x1A, 0x08, 0x15, 0x17, 0x1C, 0x18, 0x0C, 0x12, 0x13, 0x2F, 0x30, 0x31, 0x4C, 0x4D, 0x4E,
    0x5F, 0x60, 0x61, 0x57,
    // Caps Lock A-L ; ' Enter, pad 4 5 6
    0x39, 0x04, 0x16, 0x07, 0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F, 0x33, 0x34, 0x28, 0x5C, 0x5D, 0x5E,
    // Left Shift Z-M , . / Right Shift, Up, pad 1 2 3 Enter
    0x82, 0x1D, 0x1B, 0x06, 0x19, 0x05, 0x11, 0x10, 0x36, 0x37, 0x38, 0x92, 0x52, 0x59, 0x5A, 0x5B, 0x58,
    // Left Ctrl, Win, Left Alt, Space, Right Alt, Win, Applications, Right Ctrl, Left Down Right, pad 0 .
    0x81, 0x88, 0x84, 0x2C, 0x94, 0x98, 0x65, 0x91, 0x50, 0x51, 0x4F, 0x62, 0x63,
};

// Fn, the lighting key, then F13-F22: codes that name themselves, since a
// function button's default text is its key name.
constexpr uint8_t kFunctionButtons[kFunctionButtonCount] = {0x7E, 0x7F, 0x68, 0x69, 0x6A, 0x6B,
                                                        0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x71};

constexpr uint8_t kLedEffect = 1;
constexpr uint8_t kLedSpeed = 2;
constexpr uint8_t kLedBrightness = 4;

}  // namespace

std::array<uint8_t, kMemorySize> defaultImage() {
    std::array<uint8_t, kMemorySize> image{};
    image[kProfileIndexAddress] = 0;
    image[kProfileIndexAddress + 1] = 0xFF;
    for (int slot = 0; slot < kMacroSlots; ++slot) {
        image[kMacroPointerAddress + 2 * slot] = static_cast<uint8_t>(kSlotAddress[slot] >> 8);
        image[kMacroPointerAddress + 2 * slot + 1] = static_cast<uint8_t>(kSlotAddress[slot]);
    }
    for (int profile = 0; profile < kProfiles; ++profile) {
        uint8_t* block = &image[profileAddress(profile)];
        std::copy(std::begin(kKeys), std::end(kKeys), block);
        std::copy(std::begin(kFunctionButtons), std::end(kFunctionButtons), block + kFunctionButtonsOffset);
        block[kProfileSize] = blockChecksum(block, kProfileSize);
        uint8_t* led = &image[ledAddress(profile)];
        led[0] = kLedEffect;
        led[1] = static_cast<uint8_t>(kLedSpeed | kLedBrightness << 3);
    }
    return image;
}

}  // namespace wenk
