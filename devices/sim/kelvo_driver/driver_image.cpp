#include "devices/sim/kelvo_driver/driver_image.h"

#include "devices/kelvo/default_image.h"
#include "devices/kelvo/fields.h"

#include <algorithm>

namespace kelvo_driver {

Image defaultImage() {
    Image image(kImageSize, 0xFF);
    std::fill(image.begin(), image.begin() + address::kMacroArea, 0);

    const auto kelvoImage = kelvo::defaultImage();
    kelvo::WorkingCopy kelvo;
    kelvo::unpackImage(kelvoImage.data(), kelvo);
    image[address::kLedFlags] = static_cast<uint8_t>(kelvo.front[kelvo::address::kFlags0] & 0x05);
    image[address::kCpiStep] = kelvo::getByte(kelvo, kelvo::ByteField::CpiStep);
    for (int level = 0; level < kLevels; ++level) {
        int value = 0;
        kelvo::getCpiValue(kelvo, level, value);
        image[address::kCpiValues + level] = static_cast<uint8_t>(value);
        kelvo::Rgb colour;
        kelvo::getCpiColour(kelvo, level + 1, colour);
        const size_t at = address::kCpiColours + 3 * static_cast<size_t>(level);
        image[at] = static_cast<uint8_t>(colour.red);
        image[at + 1] = static_cast<uint8_t>(colour.green);
        image[at + 2] = static_cast<uint8_t>(colour.blue);
    }
    image[address::kCurrentCpi] = kelvo::getByte(kelvo, kelvo::ByteField::CurrentCpi);
    image[address::kKeyMode] = static_cast<uint8_t>(kelvo::getFlag(kelvo, kelvo::Flag::KeyMode));
    const uint8_t block[4] = {0x01, 0x02, 0xFF, 0x04};
    std::copy(block, block + 4, image.begin() + address::kLedCpiBlock);
    for (int set = 0; set < 2; ++set) {
        for (int button = 0; button < kButtons; ++button) {
            kelvo::Triple bytes{};
            kelvo::getKeyAssignment(kelvo, set, button, bytes);
            std::copy(bytes.begin(), bytes.end(), image.begin() + address::kKeySets[set] + 3 * button);
        }
    }
    image[address::kFireCount] = kelvo::getByte(kelvo, kelvo::ByteField::FireCount);
    image[address::kFireTime] = kelvo::getByte(kelvo, kelvo::ByteField::FireTime);
    return image;
}

}  // namespace kelvo_driver
