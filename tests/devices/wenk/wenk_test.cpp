#include "devices/common/device_ids.h"
#include "devices/kelvo/kelvo_device.h"
#include "devices/sim/installed_platform.h"
#include "devices/sim/kelvo_firmware.h"
#include "devices/sim/wenk_firmware.h"
#include "devices/wenk/default_image.h"
#include "devices/wenk/wenk_device.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

struct WenkBus : ::testing::Test {
    hidsim::ScopedMachine machine;
    std::shared_ptr<hidsim::Device> keyboard = hidsim::makeWenkDevice();
    hidsim::WenkFirmware& firmware = keyboard->firmwareAs<hidsim::WenkFirmware>();
    wenk::WenkDevice device;
    std::vector<std::string> sent;

    void SetUp() override { machine->plugIn(keyboard); }

    void open() {
        ASSERT_TRUE(device.open(device_ids::kVendor, device_ids::kWenkProduct));
        machine->resetCounters();
    }

    void traceSent() {
        machine->setTrace([this](const std::string& line) {
            if (line.rfind("SET", 0) == 0) sent.push_back(line);
        });
    }

    std::vector<uint8_t>& memory() { return firmware.memory(); }
};

std::array<uint8_t, wenk::kProfileSize> profileBlock(uint8_t seed) {
    std::array<uint8_t, wenk::kProfileSize> block;
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(seed + i * 3);
    return block;
}

TEST_F(WenkBus, ProfileWriteStoresTheChecksumBehindTheBlock) {
    open();
    const auto block = profileBlock(1);
    ASSERT_EQ(device.writeProfile(1, block.data()), S_OK);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), memory().begin() + 0x130));
    EXPECT_EQ(memory()[0x208], wenk::blockChecksum(block.data(), block.size()));
    EXPECT_EQ(machine->counters().setFeature, 1u + 31u);

    std::array<uint8_t, wenk::kProfileSize> read{};
    ASSERT_EQ(device.readProfile(1, read.data()), S_OK);
    EXPECT_EQ(read, block);
    ASSERT_EQ(device.writeProfile(0, block.data()), S_OK);
    EXPECT_EQ(memory()[0x128], memory()[0x208]);
}

TEST_F(WenkBus, ProfilesOutsideZeroAndOneAreRefusedWithoutATransfer) {
    open();
    auto block = profileBlock(0);
    EXPECT_EQ(device.writeProfile(2, block.data()), E_INVALIDARG);
    EXPECT_EQ(device.readProfile(2, block.data()), E_INVALIDARG);
    EXPECT_EQ(device.readProfile(-1, block.data()), E_INVALIDARG);
    EXPECT_EQ(device.writeProfileIndex(2), E_INVALIDARG);
    EXPECT_EQ(machine->counters().transfers(), 0u);
    EXPECT_EQ(block, profileBlock(0));
}

TEST_F(WenkBus, FailedDataReportLeavesTheCallersBuffer) {
    open();
    auto block = profileBlock(9);
    keyboard->failTransfer(10);
    EXPECT_EQ(device.readProfile(0, block.data()), E_FAIL);
    EXPECT_EQ(block, profileBlock(9));
    EXPECT_EQ(machine->counters().getFeature, 9u);  // the read stops at the lost report

    keyboard->failTransfer(3);
    EXPECT_EQ(device.writeProfile(0, block.data()), E_FAIL);
}

TEST_F(WenkBus, ShortLastChunkIsPaddedFromTheStaging) {
    open();
    traceSent();
    ASSERT_EQ(device.writeProfileIndex(1), S_OK);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], "SET wenk 08 06 02 00 02 00 00 00");
    EXPECT_EQ(sent[1], "SET wenk 07 01 fe ff ff ff ff ff");
    EXPECT_EQ(memory()[0x02], 0x01);
    EXPECT_EQ(memory()[0x03], 0xFE);
}

TEST_F(WenkBus, ProfileIndexIsItsFirstByteWhateverTheComplement) {
    open();
    int index = 7;
    ASSERT_EQ(device.readProfileIndex(index), S_OK);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(device.writeProfileIndex(1), S_OK);
    ASSERT_EQ(device.readProfileIndex(index), S_OK);
    EXPECT_EQ(index, 1);

    // A wrong complement, a blank controller, an index past the profiles:
    // the caller judges the index.
    const std::array<uint8_t, 2> held[] = {{0x01, 0x00}, {0x00, 0x00}, {0xFF, 0xFF}, {0x02, 0xFD}};
    for (const std::array<uint8_t, 2>& bytes : held) {
        memory()[0x02] = bytes[0];
        memory()[0x03] = bytes[1];
        index = 7;
        EXPECT_EQ(device.readProfileIndex(index), S_OK);
        EXPECT_EQ(index, bytes[0]);
    }

    // Only a read that fails is a failure; the index is left as it was.
    keyboard->failTransfer(2);
    index = 7;
    EXPECT_EQ(device.readProfileIndex(index), E_FAIL);
    EXPECT_EQ(index, 7);
}

TEST_F(WenkBus, LedBytesPackTypeSyncSpeedAndBrightness) {
    open();
    ASSERT_EQ(device.writeLed(0, {0, 3, 2, 1}), S_OK);
    EXPECT_EQ(memory()[0x129], 0x80);
    EXPECT_EQ(memory()[0x12A], 0x93);
    wenk::LedSettings read;
    ASSERT_EQ(device.readLed(0, read), S_OK);
    EXPECT_EQ(read.type, 0);
    EXPECT_EQ(read.speed, 3);
    EXPECT_EQ(read.brightness, 2);
    EXPECT_EQ(read.sync, 1);

    ASSERT_EQ(device.writeLed(1, {5, 1, 7, 2}), S_OK);  // only 1 means sync
    EXPECT_EQ(memory()[0x209], 0x05);
    EXPECT_EQ(memory()[0x20A], 0x39);
    ASSERT_EQ(device.readLed(3, read), S_OK);  // any profile but 0 reads the second bytes
    EXPECT_EQ(read.type, 5);
    EXPECT_EQ(read.sync, 0);
}

TEST_F(WenkBus, MacroSlotWritesPointerNameAndData) {
    open();
    std::array<uint8_t, 32> name;
    name.fill('n');
    std::array<uint8_t, 144> data;
    data.fill(0x44);
    ASSERT_EQ(device.writeMacro(2, name.data(), data.data()), S_OK);
    EXPECT_EQ(memory()[0x14], 0x05);
    EXPECT_EQ(memory()[0x15], 0x30);
    EXPECT_TRUE(std::equal(name.begin(), name.end(), memory().begin() + 0x510));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), memory().begin() + 0x530));

    std::array<uint8_t, 32> nameOut{};
    std::array<uint8_t, 144> dataOut{};
    ASSERT_EQ(device.readMacro(2, nameOut.data(), dataOut.data()), S_OK);
    EXPECT_EQ(nameOut, name);
    EXPECT_EQ(dataOut, data);
    EXPECT_EQ(device.writeMacro(6, name.data(), data.data()), E_INVALIDARG);
    EXPECT_EQ(device.readMacro(-1, nameOut.data(), dataOut.data()), E_INVALIDARG);
}

TEST_F(WenkBus, SlotZeroNeverOverwritesSlotOnesName) {
    open();
    std::array<uint8_t, 32> name1;
    name1.fill('1');
    std::array<uint8_t, 144> data{};
    ASSERT_EQ(device.writeMacro(1, name1.data(), data.data()), S_OK);

    std::array<uint8_t, 32> name0;
    name0.fill('0');
    data.fill(0);
    std::fill(data.begin(), data.begin() + 112, 0x66);
    ASSERT_EQ(device.writeMacro(0, name0.data(), data.data()), S_OK);
    EXPECT_TRUE(std::equal(name1.begin(), name1.end(), memory().begin() + 0x460));
    EXPECT_EQ(memory()[0x3F0 + 111], 0x66);

    const std::vector<uint8_t> before = memory();
    data[112] = 1;  // a macro too long for slot 0
    EXPECT_EQ(device.writeMacro(0, name0.data(), data.data()), E_INVALIDARG);
    EXPECT_EQ(memory(), before);

    std::array<uint8_t, 32> nameOut{};
    std::array<uint8_t, 144> dataOut;
    dataOut.fill(0xEE);
    ASSERT_EQ(device.readMacro(0, nameOut.data(), dataOut.data()), S_OK);
    EXPECT_EQ(nameOut, name0);
    EXPECT_EQ(dataOut[111], 0x66);
    EXPECT_TRUE(std::all_of(dataOut.begin() + 112, dataOut.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(WenkBus, ReloadAndTheNullHandle) {
    std::array<uint8_t, wenk::kProfileSize> block{};
    int index = 0;
    wenk::LedSettings led;
    EXPECT_EQ(device.readProfile(0, block.data()), E_HANDLE);
    EXPECT_EQ(device.readProfileIndex(index), E_HANDLE);
    EXPECT_EQ(device.writeLed(0, led), E_HANDLE);
    EXPECT_EQ(device.reload(), E_HANDLE);
    EXPECT_EQ(machine->counters().transfers(), 0u);

    EXPECT_FALSE(device.open(device_ids::kVendor, 0x7777));
    EXPECT_EQ(device.reload(), E_FAIL);
    open();
    EXPECT_EQ(device.reload(), S_OK);
    EXPECT_EQ(firmware.reloads(), 1u);
}

TEST_F(WenkBus, KeyboardLibraryCanProbeTheMouseTheMouseLibraryHoldsOpen) {
    auto mouse = hidsim::makeKelvoDevice();
    machine->plugIn(mouse);
    kelvo::KelvoDevice kelvoDevice;
    ASSERT_EQ(kelvoDevice.open(device_ids::kVendor, device_ids::kKelvoProduct), S_OK);
    EXPECT_TRUE(device.open(device_ids::kVendor, device_ids::kKelvoProduct));
    EXPECT_EQ(kelvoDevice.readImage(), S_OK);
    EXPECT_EQ(kelvoDevice.close(), S_OK);
    open();
    EXPECT_EQ(device.reload(), S_OK);
}

// Without an acknowledge a damaged answer passes for data; but reads never
// write, a garbled profile index is refused, and writes land as sent.
TEST_F(WenkBus, DamagedAnswersNeverReachTheKeyboardsMemory) {
    open();
    using hidsim::ReplyFault;
    for (ReplyFault kind : {ReplyFault::Random, ReplyFault::Short, ReplyFault::Stale}) {
        for (unsigned percent : {30u, 100u}) {
            keyboard->damageReplies(std::make_shared<hidsim::ReplyFaults>(kind, percent, percent + 1));
            const std::vector<uint8_t> before = memory();
            std::array<uint8_t, wenk::kProfileSize> block{};
            std::array<uint8_t, wenk::kMacroNameSize> name{};
            std::array<uint8_t, wenk::kMacroDataSize> data{};
            wenk::LedSettings led;
            for (int profile = 0; profile < wenk::kProfiles; ++profile) {
                device.readProfile(profile, block.data());
                device.readLed(profile, led);
            }
            for (int slot = 0; slot < wenk::kMacroSlots; ++slot) device.readMacro(slot, name.data(), data.data());
            int index = 9;
            const HRESULT read = device.readProfileIndex(index);
            if (FAILED(read)) {
                EXPECT_EQ(index, 9);
            }
            EXPECT_EQ(memory(), before);

            block = profileBlock(static_cast<uint8_t>(percent));
            ASSERT_EQ(device.writeProfile(1, block.data()), S_OK);
            EXPECT_TRUE(std::equal(block.begin(), block.end(), memory().begin() + wenk::profileAddress(1)));
            ASSERT_EQ(device.writeProfileIndex(1), S_OK);
            EXPECT_EQ(memory()[wenk::kProfileIndexAddress + 1], 0xFE);
        }
    }
    keyboard->damageReplies(nullptr);
}

TEST(WenkDefaultImage, HoldsAFullKeyMapInBothProfiles) {
    const auto image = wenk::defaultImage();
    EXPECT_EQ(image[0x02], 0);
    EXPECT_EQ(image[0x03], 0xFF);
    for (int profile = 0; profile < 2; ++profile) {
        const uint8_t* block = &image[wenk::profileAddress(profile)];
        const std::set<uint8_t> keys(block, block + wenk::kDefaultKeyCount);
        EXPECT_EQ(keys.size(), wenk::kDefaultKeyCount);
        EXPECT_EQ(keys.count(0), 0u);
        EXPECT_EQ(block[0], 0x29);  // Esc
        EXPECT_EQ(block[wenk::kDefaultKeyCount - 1], 0x63);  // numeric-pad decimal
        EXPECT_EQ(block[wenk::kDefaultKeyCount], 0);
        EXPECT_EQ(block[wenk::kProfileSize], wenk::blockChecksum(block, wenk::kProfileSize));
    }
    EXPECT_EQ(image[0x108], image[0x1E8]);  // function buttons of both profiles
    EXPECT_EQ(image[0x10 + 2 * 5], 0x07);
    EXPECT_EQ(image[0x11 + 2 * 5], 0x40);
}

}  // namespace
