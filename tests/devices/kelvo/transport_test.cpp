#include "kelvo_bus.h"

namespace {

using hidsim::KelvoFirmware;
namespace command = kelvo::command;

struct KelvoTransport : KelvoBus {
    void SetUp() override {
        KelvoBus::SetUp();
        open();
    }
    kelvo::Transport& transport() { return device.transport(); }
};

TEST_F(KelvoTransport, AcknowledgeOnTheFifthPollEndsTheCommand) {
    firmware.setPollsBeforeReply(4);
    EXPECT_EQ(transport().sendCommand(command::kCommit), S_OK);
    const auto counters = machine->counters();
    EXPECT_EQ(counters.setFeature, 1u);
    EXPECT_EQ(counters.getFeature, 5u);
    EXPECT_EQ(counters.sleptMs, 5u + 4 * 5u);
}

TEST_F(KelvoTransport, SilentControllerCostsFiveAttemptsOf30Ms) {
    firmware.setPollsBeforeReply(KelvoFirmware::kNeverReplies);
    EXPECT_EQ(transport().sendCommand(command::kCommit), E_FAIL);
    const auto counters = machine->counters();
    EXPECT_EQ(counters.setFeature, 5u);
    EXPECT_EQ(counters.getFeature, 25u);
    EXPECT_EQ(counters.sleptMs, 150u);
}

TEST_F(KelvoTransport, ReplyWithoutAcknowledgeIsRetriedAndFails) {
    firmware.refuseCommand(command::kCommit);
    EXPECT_EQ(transport().sendCommand(command::kCommit), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kCommit), 5u);
    EXPECT_EQ(machine->counters().getFeature, 5u);  // a non-zero status ends each attempt's polling
}

TEST_F(KelvoTransport, ChunkEndingIn0xCCNeedsAnAcknowledgeActuallyRead) {
    const uint8_t data[6] = {1, 2, 3, 4, 5, 0xCC};
    // The window and its acknowledge pass; every poll after the chunk fails.
    mouse->failTransfer(4, 1000);
    EXPECT_EQ(transport().writeBlock(0x300, 6, data), E_FAIL);
    mouse->failTransfer(0);
}

TEST_F(KelvoTransport, LostRequestIsSentAgainInsteadOfTakingTheOldAcknowledge) {
    mouse->failTransfer(3);  // the chunk request never reaches the controller
    uint8_t block[6] = {};
    ASSERT_EQ(transport().readBlock(0x40, 6, block), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 1u);
    EXPECT_TRUE(std::equal(block, block + 6, memory().begin() + 0x40));
}

TEST_F(KelvoTransport, AChunkWhoseAcknowledgesWereLostIsSentAgainFromItsWindow) {
    // Window, first chunk, then the second chunk's request arrives and its
    // five polls are lost: the controller moved its window on already.
    mouse->failTransfer(6, 5);
    uint8_t block[18] = {};
    ASSERT_EQ(transport().readBlock(0x40, 18, block), S_OK);
    EXPECT_TRUE(std::equal(block, block + 18, memory().begin() + 0x40));
    EXPECT_EQ(firmware.commandCount(command::kReadWindow), 2u);

    uint8_t source[18];
    for (int i = 0; i < 18; ++i) source[i] = static_cast<uint8_t>(0x60 + i);
    mouse->failTransfer(6, 5);
    ASSERT_EQ(transport().writeBlock(0x300, 18, source), S_OK);
    ASSERT_EQ(transport().sendCommand(command::kCommit), S_OK);
    EXPECT_TRUE(std::equal(source, source + 18, memory().begin() + 0x300));
}

TEST_F(KelvoTransport, BlocksMoveInSixByteChunksAndTheLastOneShort) {
    uint8_t block[21];
    std::fill(std::begin(block), std::end(block), 0xEE);
    ASSERT_EQ(transport().readBlock(0x40, 20, block), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 4u);
    EXPECT_TRUE(std::equal(block, block + 20, memory().begin() + 0x40));
    EXPECT_EQ(block[20], 0xEE);

    ASSERT_EQ(transport().readBlock(0x40, 18, block), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 4u + 3u);

    uint8_t source[20];
    for (int i = 0; i < 20; ++i) source[i] = static_cast<uint8_t>(0xA0 + i);
    traceSent();
    ASSERT_EQ(transport().writeBlock(0x300, 20, source), S_OK);
    ASSERT_EQ(transport().sendCommand(command::kCommit), S_OK);
    EXPECT_EQ(firmware.commandCount(command::kWriteChunk), 4u);
    // The short last chunk keeps the previous chunk's tail behind its two bytes.
    EXPECT_EQ(sent[4], "SET kelvo 04 07 b2 b3 ae af b0 b1");
    EXPECT_TRUE(std::equal(source, source + 20, memory().begin() + 0x300));
    EXPECT_EQ(memory()[0x314], 0x00);  // the window ends the write

    sent.clear();
    ASSERT_EQ(transport().writeBlock(0x300, 2, source), S_OK);
    EXPECT_EQ(sent[1], "SET kelvo 04 07 a0 a1 ff ff ff ff");
}

TEST_F(KelvoTransport, RefusedWindowFailsTheBlockAndLeavesTheDestination) {
    firmware.refuseCommand(command::kReadWindow);
    uint8_t block[6] = {9, 9, 9, 9, 9, 9};
    EXPECT_EQ(transport().readBlock(0, 6, block), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 0u);
    EXPECT_EQ(block[0], 9);

    firmware.refuseCommand(command::kWriteWindow);
    EXPECT_EQ(transport().writeBlock(0, 6, block), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kWriteChunk), 0u);
}

TEST_F(KelvoTransport, LostChunkFailsTheBlockAndStopsIt) {
    firmware.refuseCommand(command::kReadChunk);
    uint8_t block[30];
    EXPECT_EQ(transport().readBlock(0, 30, block), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kReadChunk), 5u);  // one chunk's five attempts

    firmware.refuseCommand(command::kWriteChunk);
    EXPECT_EQ(transport().writeBlock(0, 30, block), E_FAIL);
    EXPECT_EQ(firmware.commandCount(command::kWriteChunk), 5u);
}

TEST_F(KelvoTransport, HandshakeNeedsReadyControllerAndAChipKnownOnce) {
    firmware.setIdentity(0x35, false);
    EXPECT_EQ(transport().handshake(), E_FAIL);
    firmware.setIdentity(0x42, true);
    EXPECT_EQ(transport().handshake(), S_OK);  // the chip code of the open stays
    EXPECT_EQ(transport().chipCode(), 0x90);
    firmware.setIdentity(0xFD, true);
    EXPECT_EQ(transport().handshake(), S_OK);
    EXPECT_EQ(transport().chipCode(), 0x98);
}

TEST_F(KelvoBus, UnknownChipAtTheFirstHandshakeFailsTheOpen) {
    firmware.setIdentity(0x42, true);
    EXPECT_EQ(device.open(device_ids::kVendor, device_ids::kKelvoProduct), 1);
    EXPECT_EQ(device.transport().chipCode(), 0);
    firmware.setIdentity(0x75, true);
    EXPECT_EQ(device.open(device_ids::kVendor, device_ids::kKelvoProduct), S_OK);
    EXPECT_EQ(device.transport().chipCode(), 0x99);
}

}  // namespace
