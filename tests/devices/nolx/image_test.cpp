#include "devices/nolx/default_blocks.h"
#include "nolx_fixture.h"

#include <cstring>

using namespace nolx_test;

namespace {

int Get(HRESULT (nolx::McuDevice::*getter)(int*) const, const nolx::McuDevice& mcu) {
    int value = -12345;
    EXPECT_EQ((mcu.*getter)(&value), S_OK);
    return value;
}

}  // namespace

TEST_F(NolxTest, TheFactoryImageReadsAsTheDefaults) {
    open(ChipId::Qiro);
    EXPECT_EQ(Get(&nolx::McuDevice::getVendorId, *mcu), device_ids::kVendor);
    EXPECT_EQ(Get(&nolx::McuDevice::getProductId, *mcu), device_ids::kNolxProduct);
    EXPECT_EQ(Get(&nolx::McuDevice::getCpiLevelCount, *mcu), 4);
    EXPECT_EQ(Get(&nolx::McuDevice::getCurrentGear, *mcu), 2);
    EXPECT_EQ(Get(&nolx::McuDevice::getReportRate, *mcu), 3);
    EXPECT_EQ(Get(&nolx::McuDevice::getBreathMode, *mcu), 4);
    const int steps[] = {4, 6, 8, 9, 0, 0, 0, 0};
    for (int level = 0; level < 8; ++level) {
        int step = -1;
        mcu->getCpiValue(level, &step);
        EXPECT_EQ(step, steps[level]) << level;
    }
    int step = -1;
    mcu->getCpiValue(-1, &step);
    EXPECT_EQ(step, 0);
    char name[17];
    mcu->getProductString(name);
    EXPECT_STREQ(name, "HID Gaming mouse");
    uint8_t r, g, b;
    ASSERT_EQ(mcu->getCpiColour(3, &r, &g, &b), S_OK);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 0, 0}));
    EXPECT_EQ(mcu->getCpiColour(8, &r, &g, &b), E_INVALIDARG);
    int rate = 0, on = 0;
    mcu->getLedBreath(&rate, &on);
    EXPECT_EQ(rate, 3);
    EXPECT_EQ(on, 1);
    // The read is one block command and 293 data reports, and sends nothing else.
    EXPECT_EQ(mcu->readDeviceData(), S_OK);
    EXPECT_EQ(sent(), std::vector<std::string>{BlockReadReport(0, 2048)});
    EXPECT_EQ(gets(), 293u);
}

TEST_F(NolxTest, BlocksWithBadChecksumsReadAsTheirDefaultsWithoutWritingTheController) {
    open(ChipId::Dolv, 0, false);
    PokeSealed(*device, 0, 164, {{43, 0}, {111, 'X'}, {4, 0x00}});
    PokeSealed(*device, 164, 28, {{164, 0x32}, {165, 0x83}, {166, 0}});
    PokeSealed(*device, 290, 49, {{290, 7}});
    memory()[0] ^= 0x01;    // main block
    memory()[170] ^= 0x01;  // block 164
    memory()[192] ^= 0x01;  // key table 1; table 3 stays valid
    firmware().setStatusReply(0x41, 0x3A, 0x80);  // Flash
    ASSERT_EQ(mcu->init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
    const std::vector<uint8_t> before = memory();
    clearTrace();
    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    EXPECT_EQ(sent().size(), 1u);
    EXPECT_EQ(memory(), before);

    EXPECT_EQ(Get(&nolx::McuDevice::getCpiLevelCount, *mcu), 4);
    EXPECT_EQ(Get(&nolx::McuDevice::getVendorId, *mcu), device_ids::kVendor);
    EXPECT_EQ(Get(&nolx::McuDevice::getReportRate, *mcu), 3);  // byte 4 = 0xFF on Flash
    char name[17];
    mcu->getProductString(name);
    EXPECT_STREQ(name, "HID Gaming mouse");
    // Block 164 keeps its key-mode byte as read.
    EXPECT_EQ(Get(&nolx::McuDevice::getCurrentGear, *mcu), 2);
    EXPECT_EQ(Get(&nolx::McuDevice::getBreathMode, *mcu), 4);
    EXPECT_EQ(Get(&nolx::McuDevice::getKeyMode, *mcu), 2);
    uint8_t key[4];
    mcu->getMacroKey(1, 3, &key[0], &key[1], &key[2], &key[3]);
    EXPECT_EQ((std::vector<int>(key, key + 4)), (std::vector<int>{6, 18, 0, 16}));
    mcu->getMacroKey(3, 1, &key[0], &key[1], &key[2], &key[3]);
    EXPECT_EQ(key[0], 7);
}

TEST_F(NolxTest, FieldsDecodeFromTheirBits) {
    struct Case {
        uint8_t rotation, rate, led;
        int degrees, code, on, modeIndex;
    };
    const Case cases[] = {{0x3F, 0x20, 0x89, 270, 2, 1, 0}, {0xC0, 0x00, 0x00, 0, 0, 0, 9},
                          {0x80, 0x10, 0x83, 90, 1, 1, 6}, {0x40, 0x30, 0x07, 180, 3, 0, 2}};
    open(ChipId::Qiro, 0, false);
    for (const Case& c : cases) {
        PokeSealed(*device, 0, 164, {{6, c.rotation}, {4, c.rate}});
        PokeSealed(*device, 1016, 8, {{1017, c.led}});
        ASSERT_EQ(mcu->readDeviceData(), S_OK);
        EXPECT_EQ(Get(&nolx::McuDevice::getSensorRotation, *mcu), c.degrees);
        EXPECT_EQ(Get(&nolx::McuDevice::getReportRate, *mcu), c.code);
        int rate = 0, on = -1;
        mcu->getLedBreath(&rate, &on);
        EXPECT_EQ(on, c.on);
        // The LED mode index shows in the byte the rate setter rebuilds.
        mcu->setLedBreath(2, 1);
        EXPECT_EQ(memory()[1017] & 0x0F, 9 - c.modeIndex);
    }
}

TEST_F(NolxTest, MeskBreathRateComesFromMainByte56) {
    open(ChipId::Mesk, 0, false);
    const std::pair<uint8_t, int> cases[] = {{0, 10}, {5, 10}, {6, 9}, {40, 3}, {41, 2}, {45, 2}, {46, 1}, {255, 1}};
    for (auto [stored, rate] : cases) {
        PokeSealed(*device, 0, 164, {{56, stored}, {165, 0x85}});
        ASSERT_EQ(mcu->readDeviceData(), S_OK);
        int value = 0;
        mcu->getLedBreath(&value, nullptr);
        EXPECT_EQ(value, rate) << int(stored);
    }
    // Mesk's breath mode is the low nibble itself.
    EXPECT_EQ(Get(&nolx::McuDevice::getBreathMode, *mcu), 5);
}

TEST_F(NolxTest, AFailedWholeReadReportsFailureButStillRebuildsTheCopies) {
    open(ChipId::Qiro, 0, false);
    PokeSealed(*device, 0, 164, {{43, 1}});
    device->failTransfer(5);
    EXPECT_EQ(mcu->readDeviceData(), E_FAIL);
    // The main block lost a chunk, so its checksum failed and it reads as default.
    EXPECT_EQ(Get(&nolx::McuDevice::getCpiLevelCount, *mcu), 4);
}

TEST(NolxDefaults, EveryChecksummedBlockOfTheFactoryImagesIsSealed) {
    for (ChipId id : {ChipId::Qiro, ChipId::Dolv, ChipId::Mesk}) {
        const nolx::Chip& chip = nolx::ChipSettings(id);
        const std::vector<uint8_t> image = nolx::DefaultImage(chip);
        ASSERT_EQ(image.size(), 2048u);
        EXPECT_TRUE(nolx::BlockIsSealed(&image[0], 164));
        EXPECT_TRUE(nolx::BlockIsSealed(&image[164], 28));
        for (unsigned t = 0; t < chip.keyTables; ++t) EXPECT_TRUE(nolx::BlockIsSealed(&image[192 + 49 * t], 49));
        EXPECT_TRUE(nolx::BlockIsSealed(&image[1016], 8));
        EXPECT_EQ(image[0] * 256 + image[1], device_ids::kVendor);
        EXPECT_EQ(image[2] * 256 + image[3], device_ids::kNolxProduct);
    }
}
