#include "devices/nolx/macro_area.h"
#include "nolx_fixture.h"

using namespace nolx_test;
using nolx::MacroAreaBytes;
using nolx::ParseMacroArea;

namespace {

const uint8_t kHeader[16] = {'M', 0, 'a', 0, 'c', 0};

MacroAreaBytes AreaWith(size_t offset, std::initializer_list<uint8_t> bytes) {
    MacroAreaBytes area{};
    std::copy(bytes.begin(), bytes.end(), area.begin() + offset);
    return area;
}

void PutMacro(MacroAreaBytes& area, size_t offset, std::initializer_list<uint8_t> data) {
    std::copy(kHeader, kHeader + 16, area.begin() + offset);
    std::copy(data.begin(), data.end(), area.begin() + offset + 16);
}

}  // namespace

TEST(NolxMacroArea, ParseSkipsEmptySlotsAndMeasuresStepsByOpcode) {
    MacroAreaBytes area{};
    std::fill_n(area.begin(), 16, 0xFF);
    PutMacro(area, 16, {0x21, 0xA1, 0x00});
    PutMacro(area, 35, {0x04, 0x12, 0x34, 0xFE, 0x00, 0x00, 0x00});  // operands are not opcodes
    const nolx::MacroList macros = ParseMacroArea(area);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0].address, 528u);
    EXPECT_EQ(macros[0].data, (std::vector<uint8_t>{0x21, 0xA1, 0x00}));
    EXPECT_EQ(macros[0].header[0], 'M');
    EXPECT_EQ(macros[1].address, 496u + 51u);
    EXPECT_EQ(macros[1].data.size(), 7u);
}

TEST(NolxMacroArea, AnUnknownOpcodeOrTheAreaEndEndsTheLastMacro) {
    MacroAreaBytes area{};
    PutMacro(area, 0, {0x21, 0x55, 0x21, 0x00});
    PutMacro(area, 64, {0x22, 0x00});
    nolx::MacroList macros = ParseMacroArea(area);
    ASSERT_EQ(macros.size(), 1u);
    EXPECT_EQ(macros[0].data, (std::vector<uint8_t>{0x21, 0x00}));

    area = AreaWith(0, {});
    PutMacro(area, 480, {});
    std::fill(area.begin() + 496, area.end(), 0x24);
    macros = ParseMacroArea(area);
    ASSERT_EQ(macros.size(), 1u);
    EXPECT_EQ(macros[0].data.size(), 17u);  // 16 steps to the end, then the closing byte
}

TEST_F(NolxTest, AppendedMacrosFitExactlyInTheAreaAndAreWrittenWhole) {
    open(ChipId::Qiro);
    const std::vector<uint8_t> big(496, 0x21);
    EXPECT_EQ(mcu->setMacro(-1, kHeader, big.data(), 497), E_FAIL);
    EXPECT_TRUE(sent().empty());
    ASSERT_EQ(mcu->setMacro(-1, kHeader, big.data(), 496), S_OK);
    EXPECT_EQ(sent().front(), BlockWriteReport(496, 512));
    EXPECT_EQ(memory()[1007], 0x21);
    EXPECT_EQ(memory()[1008], 0x00);  // the LED header is not touched

    uint8_t header[16];
    std::vector<uint8_t> data(512);
    int address = 0, length = 0;
    ASSERT_EQ(mcu->getMacro(0, header, data.data(), &address, &length), S_OK);
    EXPECT_EQ(address, 512);
    EXPECT_EQ(length, 496);
    EXPECT_EQ(mcu->getMacro(1, header, data.data(), &address, &length), E_INVALIDARG);
    EXPECT_EQ(mcu->setMacro(-1, kHeader, big.data(), 0), E_FAIL);
}

TEST_F(NolxTest, MacrosReadBackWithTheirClosingByteAndRemovalMovesTheRestUp) {
    open(ChipId::Mesk);
    const uint8_t first[] = {0x21, 0xA1, 0x00};
    const uint8_t second[] = {0x04, 0x00, 0x10, 0x22};  // no closing byte
    const uint8_t third[] = {0xFD, 0x05, 0x00};
    ASSERT_EQ(mcu->setMacro(-1, kHeader, first, 3), S_OK);
    ASSERT_EQ(mcu->setMacro(-1, kHeader, second, 4), S_OK);
    ASSERT_EQ(mcu->setMacro(-1, kHeader, third, 3), S_OK);
    uint8_t header[16];
    uint8_t data[512];
    int address = 0, length = 0;
    mcu->getMacro(1, header, data, &address, &length);
    EXPECT_EQ(length, 4);  // as given, until the next read
    EXPECT_EQ(address, 496 + 16 + 3 + 16);

    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    ASSERT_EQ(mcu->macros().size(), 3u);
    EXPECT_EQ(mcu->macros()[1].data, (std::vector<uint8_t>{0x04, 0x00, 0x10, 0x22, 0x00}));
    EXPECT_EQ(mcu->macros()[2].data, (std::vector<uint8_t>{0xFD, 0x05, 0x00}));

    clearTrace();
    ASSERT_EQ(mcu->setMacro(0, nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(sent().front(), BlockWriteReport(496, 512));
    ASSERT_EQ(mcu->macros().size(), 2u);
    EXPECT_EQ(mcu->macros()[0].address, 512u);
    EXPECT_EQ(mcu->macros()[1].address, 512u + 5u + 16u);
    EXPECT_EQ(memory()[496 + 16 + 5 + 16], 0xFD);
    EXPECT_EQ(mcu->setMacro(2, nullptr, nullptr, 0), E_INVALIDARG);
    EXPECT_EQ(mcu->setMacro(-2, kHeader, first, 3), E_INVALIDARG);
    EXPECT_EQ(mcu->setMacro(-1, kHeader, first, -1), E_INVALIDARG);
}

TEST_F(NolxTest, AnAppendAfterSkippedSlotsGoesBehindTheLastMacro) {
    open(ChipId::Qiro, 0, false);
    std::fill_n(memory().begin() + 496, 32, 0xFF);
    std::copy(kHeader, kHeader + 16, memory().begin() + 528);
    memory()[544] = 0x21;
    memory()[545] = 0x00;
    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    ASSERT_EQ(mcu->macros().size(), 1u);
    ASSERT_EQ(mcu->macros()[0].address, 544u);

    const uint8_t added[] = {0x22, 0x00};
    ASSERT_EQ(mcu->setMacro(-1, kHeader, added, 2), S_OK);
    EXPECT_EQ(mcu->macros()[1].address, 544u + 2u + 16u);
    EXPECT_EQ(memory()[544], 0x21);
    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    ASSERT_EQ(mcu->macros().size(), 2u);
    EXPECT_EQ(mcu->macros()[0].data, (std::vector<uint8_t>{0x21, 0x00}));
    EXPECT_EQ(mcu->macros()[1].data, (std::vector<uint8_t>{0x22, 0x00}));
}

TEST_F(NolxTest, AMacroWithAnEmptySlotHeaderIsSkippedAtTheNextParse) {
    open(ChipId::Qiro);
    const uint8_t emptyHeader[16] = {};
    const uint8_t data[] = {0x21, 0x00};
    ASSERT_EQ(mcu->setMacro(-1, emptyHeader, data, 2), S_OK);
    EXPECT_EQ(mcu->macros().size(), 1u);
    ASSERT_EQ(mcu->readDeviceData(), S_OK);
    // The header reads as an empty slot; the scan goes on at the data.
    ASSERT_EQ(mcu->macros().size(), 1u);
    EXPECT_EQ(mcu->macros()[0].header[0], 0x21);
}

TEST_F(NolxTest, FireKeysAreCodeAndBigEndianValueInTheChipsBlock) {
    for (ChipId chip : {ChipId::Qiro, ChipId::Dolv}) {
        SCOPED_TRACE(nolx::ChipSettings(chip).name);
        const unsigned block = nolx::ChipSettings(chip).fireKeyBlock;
        open(chip, 0, false);
        memory()[block + 5] = 0x05;
        memory()[block + 6] = 0x01;
        memory()[block + 7] = 0x2C;
        mcu->readDeviceData();
        int code = 0, value = 0;
        ASSERT_EQ(mcu->getFireKey(1, &code, &value), S_OK);
        EXPECT_EQ(code, 5);
        EXPECT_EQ(value, 300);

        clearTrace();
        ASSERT_EQ(mcu->setFireKey(2, 0x107, 0x1234), S_OK);
        EXPECT_EQ(sent().front(), BlockWriteReport(block, 12));
        EXPECT_EQ(memory()[block + 8], 0x07);
        EXPECT_EQ(memory()[block + 9], 0x12);
        EXPECT_EQ(memory()[block + 11], 0xE0);  // the marker byte stays
        clearTrace();
        EXPECT_EQ(mcu->setFireKey(3, 1, 1), E_INVALIDARG);
        EXPECT_EQ(mcu->getFireKey(-1, &code, &value), E_INVALIDARG);
        EXPECT_TRUE(sent().empty());
        mcu.reset();
        device->unplug();
    }
}

TEST_F(NolxTest, FireMacroWritesColoursBlocksAndRecordsPerChip) {
    struct Case {
        ChipId chip;
        int index;
        unsigned recordAddress;
        std::string rangeWrite;
        bool reloads;
    };
    const Case cases[] = {
        {ChipId::Qiro, 6, 304 + 6 * 24, BlockWriteReport(304, 168), true},
        {ChipId::Dolv, 9, 1808 + 9 * 24, BlockWriteReport(1808, 240), false},
        {ChipId::Mesk, 9, 1696 + 9 * 32, BlockWriteReport(1536, 512), false},
    };
    for (const Case& c : cases) {
        const nolx::Chip& chip = nolx::ChipSettings(c.chip);
        SCOPED_TRACE(chip.name);
        open(c.chip);
        std::vector<uint8_t> record(chip.fireRecordSize);
        for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i + 1);
        ASSERT_EQ(mcu->setFireMacro(c.index, record.data(), 0x11, 0x22, 1, 2, 3), S_OK);

        const std::vector<std::string> reports = sent();
        ASSERT_GE(reports.size(), 10u);
        EXPECT_EQ(reports[0], SetBytesReport(57, 255, 0, 0, 3));
        EXPECT_EQ(reports[c.index], SetBytesReport(57 + 3 * c.index, 1, 2, 3, 3));
        // Block 164 is read first for the bytes the mouse's buttons change.
        EXPECT_EQ(reports[10], BlockReadReport(164, 28));
        EXPECT_EQ(reports[11], BlockWriteReport(164, 28));
        EXPECT_EQ(reports[11 + 5], BlockWriteReport(0, 164));
        EXPECT_EQ(reports[11 + 5 + 25], c.rangeWrite);
        EXPECT_EQ(reports.back() == SetByteReport(164, 0x00), c.reloads);

        EXPECT_EQ(memory()[171 + c.index], 0x11);
        EXPECT_EQ(memory()[181 + c.index], 0x22);
        EXPECT_TRUE(nolx::BlockIsSealed(&memory()[164], 28));
        EXPECT_EQ(memory()[c.recordAddress], 1);
        EXPECT_EQ(memory()[c.recordAddress + chip.fireRecordSize - 1], chip.fireRecordSize);

        std::vector<uint8_t> readBack(chip.fireRecordSize);
        int first = 0, second = 0, r = 0, g = 0, b = 0;
        ASSERT_EQ(mcu->getFireMacro(c.index, readBack.data(), &first, &second, &r, &g, &b), S_OK);
        EXPECT_EQ(readBack, record);
        EXPECT_EQ((std::vector<int>{first, second, r, g, b}), (std::vector<int>{0x11, 0x22, 1, 2, 3}));

        clearTrace();
        EXPECT_EQ(mcu->setFireMacro(static_cast<int>(chip.fireMacros), record.data(), 0, 0, 0, 0, 0), E_INVALIDARG);
        EXPECT_EQ(mcu->getFireMacro(-1, readBack.data(), &first, &second, &r, &g, &b), E_INVALIDARG);
        EXPECT_TRUE(sent().empty());
        mcu.reset();
        device->unplug();
    }
}
