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

TEST(KelvoDefaultBlocks, MainBlockBytesThatDependOnTheKinds) {
    const Main rgb = mainBlock(L"I2C", L"RGB");
    EXPECT_EQ(rgb[4], 0xBF);
    EXPECT_EQ(rgb[57], 255);
    EXPECT_EQ(std::string(rgb.begin() + 111, rgb.begin() + 127), "HID Gaming mouse");
    EXPECT_EQ(rgb[163], 0xD2);
    EXPECT_EQ(mainBlock(L"I2C", L"Unknown"), rgb);  // other LED kinds build the RGB block
    EXPECT_EQ(mainBlock(L"eeprom", L"NT")[4], 0xAA);  // other memory kinds leave byte 4
    EXPECT_EQ(mainBlock(L"Flash", L"MCULED")[42], 0x7F);

    const Main sync = mainBlock(L"I2C", L"Sync", 0x5C);
    EXPECT_EQ(sync[54], 0x6D);
    EXPECT_TRUE(std::all_of(sync.begin() + 57, sync.begin() + 111, [](uint8_t b) { return b == 0x5C; }));
}

TEST(KelvoDefaultBlocks, SecondBlockKeepsItsFirstByte) {
    std::array<uint8_t, kelvo::kDefaultSecondBlockSize> second;
    second.fill(0x33);
    kelvo::buildDefaultSecondBlock(second.data(), L"NT");
    EXPECT_EQ(second[0], 0x33);
    EXPECT_EQ(second[1], 0xF5);
    EXPECT_EQ(second[27], 0xD2);
}

TEST_F(KelvoBus, SetBytesRequestNeedsAHandleAndAnAcceptingDevice) {
    EXPECT_EQ(kelvo::sendSetBytesRequest(nullptr, 1, 2, 3, 4, 5), E_HANDLE);
    hid::DeviceHandles handles;
    ASSERT_TRUE(hid::FindDevice(handles, device_ids::kVendor, device_ids::kKelvoProduct, hid::InputHandle::None));
    EXPECT_EQ(kelvo::sendSetBytesRequest(handles.feature, 1, 2, 3, 4, 5), E_FAIL);  // the mouse speaks report 4 only
    machine->close(handles.feature);
}

}  // namespace
