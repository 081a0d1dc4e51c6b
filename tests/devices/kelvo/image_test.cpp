#include "devices/common/device_ids.h"
#include "devices/kelvo/default_image.h"
#include "devices/kelvo/fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using kelvo::kImageSize;
using Image = std::vector<uint8_t>;

Image patterned() {
    Image image(kImageSize);
    for (size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<uint8_t>(i * 13 + 5);
    return image;
}

bool isCarried(size_t address) {
    static const std::pair<size_t, size_t> regions[] = {{0x00, 0x37}, {0x40, 0x76}, {0x80, 0x9D}, {0xB0, 0xC3},
                                                        {0xD0, 0xED}, {0xF0, 0xFA}, {0x100, 0x7FF}};
    return std::any_of(std::begin(regions), std::end(regions),
                       [&](const auto& region) { return address >= region.first && address <= region.second; });
}

TEST(KelvoImage, PackAndUnpackRoundTripWithChecksumsAndComplements) {
    const Image device = patterned();
    kelvo::WorkingCopy copy;
    kelvo::unpackImage(device.data(), copy);
    Image packed(kImageSize, 0xEE);
    kelvo::packImage(copy, packed.data());

    EXPECT_EQ(packed[0x2F], kelvo::blockChecksum(&packed[0x00], 0x2F));
    EXPECT_EQ(packed[0x76], kelvo::blockChecksum(&packed[0x40], 0x36));
    EXPECT_EQ(packed[0xFA], kelvo::blockChecksum(&packed[0xF0], 0x0A));
    EXPECT_EQ(packed[0x33], 0xFF - packed[0x32]);
    EXPECT_EQ(copy.front[0x2F], packed[0x2F]);  // the copy takes the fresh checksums too
    for (size_t address = 0; address < kImageSize; ++address) {
        if (address == 0x2F || address == 0x33 || address == 0x76 || address == 0xFA) continue;
        const uint8_t expected = isCarried(address) ? device[address] : 0;
        ASSERT_EQ(packed[address], expected) << std::hex << address;
    }

    kelvo::WorkingCopy again;
    kelvo::unpackImage(packed.data(), again);
    EXPECT_EQ(again.front, copy.front);
    EXPECT_EQ(again.macros, copy.macros);
    EXPECT_EQ(again.fireBuffers, copy.fireBuffers);
}

TEST(KelvoImage, FactoryImageIsConsistent) {
    const auto image = kelvo::defaultImage();
    EXPECT_EQ(image[0x2F], kelvo::blockChecksum(&image[0x00], 0x2F));
    EXPECT_EQ(image[0x76], kelvo::blockChecksum(&image[0x40], 0x36));
    EXPECT_EQ(image[0xFA], kelvo::blockChecksum(&image[0xF0], 0x0A));
    kelvo::WorkingCopy copy;
    kelvo::unpackImage(image.data(), copy);
    EXPECT_EQ(kelvo::getByte(copy, kelvo::ByteField::DevicePid), device_ids::kKelvoProduct & 0xFF);
    EXPECT_EQ(kelvo::getFlag(copy, kelvo::Flag::LedOnOff), 0);  // the LED is on
}

}  // namespace
