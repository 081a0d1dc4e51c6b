#include "app/main/frame/close_wait.h"
#include "devices/kelvo/default_image.h"
#include "devices/kelvo/fields.h"
#include "kelvo_bus.h"

#include <functional>
#include <utility>

namespace {

namespace command = kelvo::command;

std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
    return bytes;
}

TEST_F(KelvoBus, WholeReadRunsOneTransactionAndFillsImageAndCopy) {
    memory() = pattern(kelvo::kImageSize, 3);
    open();
    EXPECT_EQ(device.readImage(), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kTransactionStart), 2u);  // open, read
    EXPECT_EQ(firmware.commandCount(command::kReadWindow), 1u);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 342u);
    EXPECT_EQ(firmware.commandCount(command::kCommit), 1u);
    EXPECT_EQ(firmware.commandCount(command::kTransactionEnd), 1u);
    EXPECT_TRUE(std::equal(memory().begin(), memory().end(), device.wireImage().begin()));
    EXPECT_EQ(kelvo::getByte(device.copy(), kelvo::ByteField::FireTime), memory()[0xF8]);
    EXPECT_EQ(device.copy().macros[1024], memory()[0x600]);
}

TEST_F(KelvoBus, FailedWholeReadKeepsImageAndCopyAndCommitsNothing) {
    open();
    ASSERT_EQ(device.readImage(), S_OK);
    const auto image = device.wireImage();
    const auto copy = device.copy().front;
    memory() = pattern(kelvo::kImageSize, 9);

    firmware.refuseCommand(command::kReadWindow);
    EXPECT_EQ(device.readImage(), E_FAIL);
    firmware.refuseCommand(command::kReadWindow, false);
    firmware.refuseCommand(command::kReadChunk);
    EXPECT_EQ(device.readImage(), E_FAIL);

    EXPECT_EQ(device.wireImage(), image);
    EXPECT_EQ(device.copy().front, copy);
    EXPECT_EQ(firmware.commandCount(command::kCommit), 1u);
    EXPECT_EQ(firmware.commandCount(command::kTransactionEnd), 3u);  // every transaction is closed
}

TEST_F(KelvoBus, WholeWriteSendsThePackedCopyAndKeepsItAsTheImage) {
    open();
    ASSERT_EQ(device.readImage(), S_OK);
    kelvo::setByte(device.copy(), kelvo::ByteField::CpiStep, 6);
    memory()[0x38] = 0x77;  // a gap byte the controller holds
    EXPECT_EQ(device.writeImage(), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kWriteChunk), 342u);
    EXPECT_EQ(memory()[0x02], 6);
    EXPECT_EQ(memory()[0x2F], kelvo::blockChecksum(memory().data(), 0x2F));
    EXPECT_EQ(memory()[0x38], 0x00);
    EXPECT_TRUE(std::equal(memory().begin(), memory().end(), device.wireImage().begin()));
}

TEST_F(KelvoBus, FailedWriteIsNotCommittedAndLeavesTheControllerMemory) {
    open();
    ASSERT_EQ(device.readImage(), S_OK);
    const std::vector<uint8_t> before = memory();
    const unsigned commits = firmware.commandCount(command::kCommit);
    kelvo::setByte(device.copy(), kelvo::ByteField::CpiStep, 6);
    firmware.refuseCommand(command::kWriteChunk);
    EXPECT_EQ(device.writeImage(), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kCommit), commits);
    EXPECT_EQ(memory(), before);
}

// A close waits for the whole read or write under way: one of a controller
// at 20 ms a transfer that answers on its second poll, each short pause
// lasting up to a system timer tick more (15.6 ms), ends inside that wait.
TEST_F(KelvoBus, WholeImagesOfASlowControllerEndWithinTheClosesWait) {
    open();
    firmware.setPollsBeforeReply(1);
    const std::pair<const char*, std::function<HRESULT()>> operations[] = {
        {"read", [&] { return device.readImage(); }}, {"write", [&] { return device.writeImage(); }}};
    for (const auto& operation : operations) {
        machine->resetCounters();
        ASSERT_EQ(operation.second(), S_OK) << operation.first;
        const auto counters = machine->counters();
        const uint64_t longestMs = counters.transfers() * 20ull + counters.sleptMs + counters.sleeps * 16ull;
        EXPECT_LT(longestMs, kCloseWaitMs) << operation.first;
    }
}

TEST_F(KelvoBus, FireDataWriteSendsOnlyTheFireRegions) {
    open();
    ASSERT_EQ(device.readImage(), S_OK);
    kelvo::WorkingCopy& copy = device.copy();
    kelvo::setFireColour(copy, 9, {1, 2, 3});
    kelvo::setFireYAxis(copy, 0, 0x11);
    kelvo::setFireKey(copy, 4, {7, 8, 9});
    uint8_t buffer[24] = {5};
    kelvo::setFireBuffer(copy, 9, buffer, 24);
    kelvo::setByte(copy, kelvo::ByteField::FireCount, 99);  // not part of the fire-data write
    kelvo::setByte(copy, kelvo::ByteField::CpiStep, 6);

    std::vector<uint8_t> expected = memory();
    std::copy(copy.front.begin() + 0x80, copy.front.begin() + 0x9E, expected.begin() + 0x80);
    std::copy(copy.front.begin() + 0xB0, copy.front.begin() + 0xC4, expected.begin() + 0xB0);
    std::copy(copy.front.begin() + 0xD0, copy.front.begin() + 0xEE, expected.begin() + 0xD0);
    std::copy(copy.fireBuffers.begin(), copy.fireBuffers.end(), expected.begin() + 0x500);

    EXPECT_EQ(device.writeFireData(), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kWriteWindow), 4u);
    EXPECT_EQ(firmware.commandCount(command::kWriteChunk), 5u + 4u + 5u + 43u);
    EXPECT_EQ(memory(), expected);
}

TEST_F(KelvoBus, RawWriteStoresTheCallersBytesAndLeavesTheLibrarysCopies) {
    open();
    ASSERT_EQ(device.readImage(), S_OK);
    const auto image = device.wireImage();
    const auto copy = device.copy().front;
    const std::vector<uint8_t> raw = pattern(kelvo::kImageSize, 1);
    EXPECT_EQ(device.writeRawImage(raw.data()), S_OK);
    EXPECT_EQ(memory(), raw);
    EXPECT_EQ(device.wireImage(), image);
    EXPECT_EQ(device.copy().front, copy);
}

TEST_F(KelvoBus, NeverOpenedDeviceTouchesNothing) {
    EXPECT_EQ(device.readImage(), 1);
    EXPECT_EQ(device.writeImage(), E_FAIL);
    EXPECT_EQ(device.writeFireData(), E_FAIL);
    EXPECT_EQ(device.writeRawImage(memory().data()), E_FAIL);
    uint8_t value = 0x55;
    EXPECT_EQ(device.readByAddress(0, value), E_FAIL);
    EXPECT_EQ(value, 0x55);
    int32_t change = 0;
    EXPECT_EQ(device.readChangeData(change), E_FAIL);
    EXPECT_EQ(machine->counters().transfers(), 0u);
    EXPECT_TRUE(std::all_of(device.wireImage().begin(), device.wireImage().end(), [](uint8_t b) { return b == 0xFF; }));
}

TEST_F(KelvoBus, OpenWithoutTheControllerLeavesAHandleThatFailsEveryTransaction) {
    EXPECT_EQ(device.open(device_ids::kVendor, 0x7777), 1);
    EXPECT_EQ(machine->counters().transfers(), 0u);
    EXPECT_EQ(device.readImage(), E_FAIL);
    EXPECT_EQ(device.close(), 1);
}

TEST_F(KelvoBus, CloseEndsTheTransactionOnceAndThenReportsNoDevice) {
    open();
    EXPECT_EQ(device.close(), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kCommit), 1u);
    EXPECT_EQ(firmware.commandCount(command::kTransactionEnd), 1u);
    EXPECT_EQ(machine->openHandleCount(), 0u);
    const unsigned transfers = machine->counters().transfers();
    EXPECT_EQ(device.close(), 1);
    EXPECT_EQ(machine->counters().transfers(), transfers);
    EXPECT_EQ(device.open(device_ids::kVendor, device_ids::kKelvoProduct), S_OK);
}

TEST_F(KelvoBus, CloseOfANeverOpenedDeviceFailsOnceThenReportsNoDevice) {
    EXPECT_EQ(device.close(), E_FAIL);
    EXPECT_EQ(device.close(), 1);
    EXPECT_EQ(machine->counters().transfers(), 0u);
}

TEST_F(KelvoBus, ReadByAddressTakesTheFirstByteOutsideATransaction) {
    open();
    memory()[0x123] = 0xAB;
    uint8_t value = 0;
    EXPECT_EQ(device.readByAddress(0x123, value), S_OK);
    EXPECT_EQ(value, 0xAB);
    EXPECT_EQ(firmware.commandCount(command::kTransactionStart), 1u);  // the open's only

    firmware.refuseCommand(command::kReadWindow);
    value = 0x55;
    EXPECT_EQ(device.readByAddress(0x123, value), E_FAIL);
    EXPECT_EQ(value, 0x55);
}

TEST_F(KelvoBus, ChangeDataIsTheInputReportsFirstFourBytes) {
    open();
    mouse->sendInput({0x05, 0x01, 0x02, 0x83, 0x44, 0x55});
    int32_t value = 0;
    EXPECT_EQ(device.readChangeData(value), S_OK);
    EXPECT_EQ(static_cast<uint32_t>(value), 0x83020105u);
    mouse->unplug();
    EXPECT_EQ(device.readChangeData(value), E_FAIL);
}

}  // namespace
