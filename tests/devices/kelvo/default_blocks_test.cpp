#include "devices/common/device_ids.h"
#include "devices/kelvo/default_blocks.h"
#include "kelvo_bus.h"

#include <array>

namespace {

using Main = std::array<uint8_t, kelvo::kDefaultMainBlockSize>;

Main mainBlock(const wchar_t* memory, const wchar_t* led, uint8_t fill = 0xAA) {
    Main block;
    block.fill(fill);
    kelvo::buildDefaultMainBlock(block.data(), memory, led);
    return block;
}

TEST(KelvoDefaultBlocks, MainBlockFollowsMemoryAndLedKinds) {
    const Main rgb = mainBlock(L"I2C", L"RGB");
    EXPECT_EQ(rgb[0], device_ids::kVendor >> 8);
    EXPECT_EQ(rgb[3], device_ids::kKelvoProduct & 0xFF);
    EXPECT_EQ(rgb[4], 0xBF);
    EXPECT_EQ(rgb[5], 0xFF);
    EXPECT_EQ(rgb[8], 0xAF);
    EXPECT_EQ(rgb[41], 0x87);
    EXPECT_EQ(rgb[42], 0x3F);
    EXPECT_EQ(rgb[43], 0x03);
    EXPECT_EQ(rgb[48], 0x01);
    EXPECT_EQ(rgb[57], 255);  // first of the ten colours
    EXPECT_EQ(rgb[85], 255);  // white, last of them
    EXPECT_EQ(rgb[88], 255);  // green, first of the eight
    EXPECT_EQ(std::string(rgb.begin() + 111, rgb.begin() + 127), "HID Gaming mouse");
    EXPECT_EQ(rgb[162], 0);
    EXPECT_EQ(rgb[163], 0xD2);
    EXPECT_EQ(mainBlock(L"I2C", L"Unknown"), rgb);

    const Main flash = mainBlock(L"Flash", L"MCULED");
    EXPECT_EQ(flash[4], 0xFF);
    EXPECT_EQ(flash[7], 0xCF);
    EXPECT_EQ(flash[42], 0x7F);
    EXPECT_EQ(flash[51], 0xFF);
    EXPECT_EQ(mainBlock(L"eeprom", L"NT")[4], 0xAA);  // other memory kinds leave byte 4
}

TEST(KelvoDefaultBlocks, SyncLeavesTheColourBytes) {
    const Main sync = mainBlock(L"I2C", L"Sync", 0x5C);
    EXPECT_EQ(sync[7], 0xBF);
    EXPECT_EQ(sync[42], 0x05);
    EXPECT_EQ(sync[54], 0x6D);
    EXPECT_TRUE(std::all_of(sync.begin() + 57, sync.begin() + 111, [](uint8_t b) { return b == 0x5C; }));
}

TEST(KelvoDefaultBlocks, SecondBlockAndKeyTable) {
    std::array<uint8_t, kelvo::kDefaultSecondBlockSize> second;
    second.fill(0x33);
    kelvo::buildDefaultSecondBlock(second.data(), L"NT");
    EXPECT_EQ(second[0], 0x33);
    EXPECT_EQ(second[1], 0xF5);
    EXPECT_EQ(second[3], 0x01);
    EXPECT_EQ(second[26], 0x00);
    EXPECT_EQ(second[27], 0xD2);
    kelvo::buildDefaultSecondBlock(second.data(), L"Sync");
    EXPECT_EQ(second[1], 0x42);

    std::array<uint8_t, kelvo::kDefaultKeyTableSize> table;
    table.fill(0xFF);
    kelvo::buildDefaultKeyTable(table.data());
    EXPECT_EQ(table[8], 0x06);
    EXPECT_EQ(table[11], 0x10);
    EXPECT_EQ(table[32], 0x08);
    EXPECT_TRUE(std::all_of(table.begin() + 36, table.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(KelvoBus, SetBytesRequestNeedsAHandleAndAnAcceptingDevice) {
    EXPECT_EQ(kelvo::sendSetBytesRequest(nullptr, 1, 2, 3, 4, 5), E_HANDLE);
    hid::DeviceHandles handles;
    ASSERT_TRUE(hid::FindDevice(handles, device_ids::kVendor, device_ids::kKelvoProduct, hid::InputHandle::None));
    EXPECT_EQ(kelvo::sendSetBytesRequest(handles.feature, 1, 2, 3, 4, 5), E_FAIL);  // the mouse speaks report 4 only
    machine->close(handles.feature);
}

}  // namespace
