// Damaged configuration images written to the mouse and read back: the
// library unpacks them and answers every field, macro and fire buffer from
// them without reading or writing past a buffer.
#include "devices/kelvo/default_image.h"
#include "devices/kelvo/fields.h"
#include "kelvo_bus.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Image = std::vector<uint8_t>;
using hostile::GuardedBytes;

std::vector<Image> Seeds() {
    const auto factory = kelvo::defaultImage();
    Image withMacro(factory.begin(), factory.end());
    // A macro at the first program number 0x121: name at 0x100, data at 0x120.
    const uint8_t data[] = {0x01, 0x04, 0xFD, 0x00, 0x82, 0x04, 0xFC, 0x5A};
    std::copy(std::begin(data), std::end(data), withMacro.begin() + 0x120);
    withMacro[0x40] = 0x08;  // key 0 of set 0 plays it
    withMacro[0x41] = 0x01;
    withMacro[0x42] = 0x21;
    return {Image(factory.begin(), factory.end()), withMacro, Image(kelvo::kImageSize, 0xFF)};
}

const std::vector<Image> kTokens = {{0xFF}, {0x00}, {0x01, 0x21}, {0x07, 0xFF}, {0xFF, 0xFF, 0xFF}, {0xCC}};

// Output buffers of every length a caller may pass, each ending at a guard page.
struct GuardedOutputs {
    GuardedOutputs() {
        for (size_t length = 0; length < 40; ++length) fire.push_back(std::make_unique<GuardedBytes>(length));
    }
    std::vector<std::unique_ptr<GuardedBytes>> fire;
    GuardedBytes name{kelvo::kMacroNameSize};
    GuardedBytes data{kelvo::kMacroDataMax};
};

// Asks the working copy for everything the exports answer; returns how many answers were refused.
int ReadEverything(const kelvo::WorkingCopy& copy, hostile::Mutator& mutator, GuardedOutputs& out) {
    int refused = 0;
    for (int flag = 0; flag <= static_cast<int>(kelvo::Flag::KeyMode); ++flag) kelvo::getFlag(copy, kelvo::Flag(flag));
    for (int field = 0; field <= static_cast<int>(kelvo::ByteField::FireTime); ++field)
        kelvo::getByte(copy, kelvo::ByteField(field));
    kelvo::getLedType(copy);
    kelvo::getSensorOrientation(copy);
    kelvo::getMcuLedCount(copy);
    kelvo::getLedMode(copy);
    kelvo::getLedStep(copy);
    int value = 0;
    kelvo::Rgb colour;
    kelvo::Triple bytes;
    uint8_t y = 0;
    for (int i = -1; i <= 10; ++i) {
        refused += !kelvo::getMcuLedSource(copy, i, value);
        refused += !kelvo::getCpiValue(copy, i, value);
        refused += !kelvo::getCpiColour(copy, i, colour);
        refused += !kelvo::getFireKey(copy, i, bytes);
        refused += !kelvo::getFireYAxis(copy, i, y);
        refused += !kelvo::getFireColour(copy, i, colour);
        const int length = static_cast<int>(mutator.Below(out.fire.size() + 4)) - 4;
        refused += !kelvo::getFireBuffer(copy, i, out.fire[length > 0 ? length : 0]->data(), length);
    }
    // Macros at the addresses the key assignments name, and anywhere else.
    for (int set = 0; set < 2; ++set) {
        for (int key = 0; key < 9; ++key) {
            kelvo::getKeyAssignment(copy, set, key, bytes);
            refused += !kelvo::getMacro(copy, bytes[1] << 8 | bytes[2], out.name.data(), out.data.data());
        }
    }
    for (int i = 0; i < 8; ++i) {
        const int address = static_cast<int>(mutator.Below(0x900)) - 0x40;
        refused += !kelvo::getMacro(copy, address, out.name.data(), out.data.data());
    }
    return refused;
}

TEST(KelvoHostileImages, UnpackedImagesAnswerEveryFieldWithinTheirBuffers) {
    const std::vector<Image> seeds = Seeds();
    hostile::Mutator mutator(0x4B494D47);
    GuardedOutputs outputs;
    int refused = 0;
    for (int round = 0; round < 5000; ++round) {
        const GuardedBytes image(mutator.MutateInPlace(seeds, kTokens));
        kelvo::WorkingCopy copy;
        kelvo::unpackImage(image.data(), copy);
        refused += ReadEverything(copy, mutator, outputs);
        Image packed(kelvo::kImageSize);
        kelvo::packImage(copy, packed.data());
        ASSERT_EQ(packed[0x2F], kelvo::blockChecksum(&packed[0], 0x2F));
    }
    EXPECT_GT(refused, 0);
}

// The import as the page runs it: the raw image written to the controller,
// then the whole read that unpacks it.
TEST_F(KelvoBus, ImportedHostileImagesReadBackAsWritten) {
    open();
    const std::vector<Image> seeds = Seeds();
    hostile::Mutator mutator(0x4B494D50);
    GuardedOutputs outputs;
    for (int round = 0; round < 200; ++round) {
        const GuardedBytes image(mutator.MutateInPlace(seeds, kTokens));
        ASSERT_EQ(device.writeRawImage(image.data()), S_OK);
        ASSERT_EQ(device.readImage(), S_OK);
        ASSERT_TRUE(std::equal(image.data(), image.data() + image.size(), device.wireImage().begin()));
        ReadEverything(device.copy(), mutator, outputs);
    }
}

}  // namespace
