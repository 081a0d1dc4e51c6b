#include "nolx_fixture.h"

using namespace nolx_test;
using nolx::McuDevice;
using nolx::MemoryKind;
using nolx::Transport;

namespace {

const uint8_t kBlock[8] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};

class NolxTransport : public NolxTest {
protected:
    void SetUp() override {
        device = &machine->plugIn(hidsim::qiro());
        ASSERT_TRUE(transport.open(device_ids::kVendor, device_ids::kNolxProduct));
        clearTrace();
    }
    Transport transport;
};

}  // namespace

TEST_F(NolxTransport, BlockWritesChunkSevenBytesAndAShortChunkKeepsThePreviousTail) {
    const uint8_t pastBlock = memory()[308];
    const uint8_t pastShortBlock = memory()[0x0126];
    ASSERT_EQ(transport.writeBlock(300, 8, kBlock), S_OK);
    ASSERT_EQ(transport.writeBlock(0x0123, 3, kBlock), S_OK);
    ASSERT_EQ(transport.writeBlock(400, 0, kBlock), S_OK);
    EXPECT_EQ(sent(), (std::vector<std::string>{
                          BlockWriteReport(300, 8), Hex({0x41, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}),
                          Hex({0x41, 0x88, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}),
                          BlockWriteReport(0x0123, 3), Hex({0x41, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF, 0xFF}),
                          BlockWriteReport(400, 0)}));
    // The controller stores exactly the block.
    EXPECT_EQ(memory()[307], 0x88);
    EXPECT_EQ(memory()[308], pastBlock);
    EXPECT_EQ(memory()[0x0125], 0x33);
    EXPECT_EQ(memory()[0x0126], pastShortBlock);
}

TEST_F(NolxTransport, BlockReadsTakeOneDataReportPerSevenBytes) {
    std::copy(kBlock, kBlock + 8, memory().begin() + 500);
    uint8_t seven[7] = {};
    uint8_t eight[9] = {};
    ASSERT_EQ(transport.readBlock(500, 7, seven), S_OK);
    EXPECT_EQ(gets(), 1u);
    ASSERT_EQ(transport.readBlock(500, 8, eight), S_OK);
    EXPECT_EQ(gets(), 3u);
    EXPECT_EQ(eight[7], 0x88);
    EXPECT_EQ(eight[8], 0x00);  // nothing past the block's length
    EXPECT_EQ(sent().front(), BlockReadReport(500, 7));
}

TEST_F(NolxTransport, SetBytesCarriesOnlyTheLowAddressByte) {
    ASSERT_EQ(transport.setBytes(0x1F0, 1, 2, 3, 3), S_OK);
    EXPECT_EQ(sent(), std::vector<std::string>{SetBytesReport(0xF0, 1, 2, 3, 3)});
    EXPECT_EQ(memory()[0xF2], 3);
}

TEST_F(NolxTransport, ALostChunkFailsTheBlockAndReadsAsZeros) {
    std::copy(kBlock, kBlock + 8, memory().begin() + 600);
    uint8_t bytes[8] = {};
    device->failTransfer(3);  // the second data report
    EXPECT_EQ(transport.readBlock(600, 8, bytes), E_FAIL);
    EXPECT_EQ(bytes[0], 0x11);
    EXPECT_EQ(bytes[7], 0x00);

    device->failTransfer(2);
    EXPECT_EQ(transport.writeBlock(700, 8, kBlock), E_FAIL);
    // A refused command sends nothing after it.
    clearTrace();
    device->failTransfer(1);
    EXPECT_EQ(transport.writeBlock(700, 8, kBlock), E_FAIL);
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTransport, ReadAreaReadsTheWindowInChunks) {
    uint8_t block[28] = {};
    ASSERT_EQ(transport.readArea(0, 164, 28, block), S_OK);
    EXPECT_EQ(sent(), std::vector<std::string>{Hex({0x40, 0x06, 0x00, 164, 0x00, 28, 0x00, 0x00})});
    EXPECT_EQ(gets(), 4u);
    EXPECT_TRUE(std::equal(block, block + 28, memory().begin() + 164));
}

TEST(NolxTransportWithoutDevice, NullHandleThenInvalidHandleFailAsTheirKinds) {
    hidsim::ScopedMachine machine;
    Transport transport;
    uint8_t bytes[8] = {};
    EXPECT_EQ(transport.sendCommand(0x0E), E_HANDLE);
    EXPECT_EQ(transport.setBytes(4, 0, 0, 0, 1), E_HANDLE);
    EXPECT_EQ(transport.readBlock(0, 8, bytes), E_HANDLE);
    EXPECT_EQ(transport.writeDataReport({}), E_HANDLE);
    EXPECT_EQ(transport.readArea(0, 164, 28, bytes), E_FAIL);
    uint8_t input[4];
    EXPECT_EQ(transport.readInputReport(input), E_FAIL);

    ASSERT_FALSE(transport.open(device_ids::kVendor, device_ids::kNolxProduct));
    EXPECT_EQ(transport.sendCommand(0x0E), E_FAIL);
    EXPECT_EQ(transport.writeDataReport({}), S_OK);
    EXPECT_EQ(transport.readArea(0, 164, 28, bytes), E_HANDLE);
}

TEST_F(NolxTest, InitOpensTheVendorInterfaceAndQueriesTheStatus) {
    device = &machine->plugIn(hidsim::qiro());
    McuDevice qiro(nolx::ChipSettings(ChipId::Qiro));
    ASSERT_EQ(qiro.init(0x10000 | device_ids::kVendor, 0x70000 | device_ids::kNolxProduct, 1), S_OK);
    // The mouse collection is refused, the consumer collection has no 8-byte
    // feature reports: only the vendor interface stays open, twice.
    EXPECT_EQ(machine->openHandleCount(), 2u);
    EXPECT_EQ(sent(), std::vector<std::string>{CommandReport(0x0D)});
    EXPECT_EQ(received(), std::vector<std::string>{Hex({0x41, 0x83, 0x5A, 0xC0, 0, 0, 0, 0})});
    int vendor = 0;
    qiro.getVendorId(&vendor);
    EXPECT_EQ(vendor, 0x10000 | device_ids::kVendor);

    ASSERT_EQ(qiro.init(device_ids::kVendor, device_ids::kNolxProduct, 1), S_OK);
    EXPECT_EQ(machine->openHandleCount(), 2u);  // a re-open closes what it replaces
}

TEST_F(NolxTest, DiscoveryEndsAtAFailedDetailQuery) {
    machine->addEmptyIndex();
    machine->addDetailFailureIndex();
    machine->plugIn(hidsim::qiro());
    McuDevice qiro(nolx::ChipSettings(ChipId::Qiro));
    EXPECT_EQ(qiro.init(device_ids::kVendor, device_ids::kNolxProduct, 0), E_FAIL);
    EXPECT_EQ(machine->openHandleCount(), 0u);
}

TEST_F(NolxTest, EachChipAcceptsOnlyItsOwnStatusSignature) {
    struct Case {
        ChipId chip;
        uint8_t first, second, kind;
        bool accepted;
        MemoryKind memory;
    };
    const Case cases[] = {
        {ChipId::Qiro, 0x83, 0x5A, 0xC0, true, MemoryKind::I2C},
        {ChipId::Qiro, 0x80, 0x5A, 0x80, true, MemoryKind::Flash},
        {ChipId::Qiro, 0x00, 0x5A, 0x00, true, MemoryKind::I2C},  // an unknown kind keeps the last one
        {ChipId::Qiro, 0x84, 0x5A, 0xC0, false, MemoryKind::Unknown},
        {ChipId::Dolv, 0x40, 0x3A, 0xC0, true, MemoryKind::I2C},
        {ChipId::Mesk, 0x40, 0x3A, 0xC0, false, MemoryKind::Unknown},
        {ChipId::Mesk, 0x3F, 0x3A, 0x80, true, MemoryKind::Flash},
        {ChipId::Dolv, 0x3F, 0x3A, 0xC0, false, MemoryKind::Unknown},
        {ChipId::Dolv, 0x41, 0x5A, 0xC0, false, MemoryKind::Unknown},
    };
    device = &machine->plugIn(hidsim::qiro());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << nolx::ChipSettings(c.chip).name << " " << int(c.first));
        firmware().setStatusReply(c.first, c.second, c.kind);
        McuDevice mcu(nolx::ChipSettings(c.chip));
        EXPECT_EQ(SUCCEEDED(mcu.init(device_ids::kVendor, device_ids::kNolxProduct, 0)), c.accepted);
        EXPECT_EQ(mcu.memoryKind(), c.memory);
        // A rejected controller stays open.
        EXPECT_EQ(mcu.transport().sendCommand(0x0E), S_OK);
    }
}

TEST_F(NolxTest, ControllersSharingTheProductIdAreToldApartByTheFirstFound) {
    machine->plugIn(hidsim::mesk());
    machine->plugIn(hidsim::qiro());
    McuDevice meskLibrary(nolx::ChipSettings(ChipId::Mesk));
    McuDevice qiroLibrary(nolx::ChipSettings(ChipId::Qiro));
    EXPECT_EQ(meskLibrary.init(device_ids::kVendor, device_ids::kNolxProduct, 0), S_OK);
    // Discovery takes the first interface with the ids: the Mesk, which the
    // Qiro library then rejects.
    EXPECT_EQ(qiroLibrary.init(device_ids::kVendor, device_ids::kNolxProduct, 0), E_FAIL);
}
