#include "nolx_fixture.h"

using namespace nolx_test;
using Reports = std::vector<std::string>;

TEST_F(NolxTest, IdsLevelCountAndGearAreSingleByteWrites) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setVendorId(0x1234), S_OK);
    EXPECT_EQ(mcu->setProductId(0xABCD), S_OK);
    EXPECT_EQ(mcu->setCpiLevelCount(9), S_OK);  // limited to 8
    EXPECT_EQ(mcu->setCurrentGear(3), S_OK);
    EXPECT_EQ(sent(), (Reports{SetBytesReport(0, 0x12, 0x34, 0, 2), SetBytesReport(2, 0xAB, 0xCD, 0, 2),
                               SetByteReport(43, 7), SetByteReport(166, 2)}));
    int value = 0;
    mcu->getCpiLevelCount(&value);
    EXPECT_EQ(value, 8);
    mcu->getCurrentGear(&value);
    EXPECT_EQ(value, 3);

    clearTrace();
    mcu->setCpiLevelCount(0);
    EXPECT_EQ(sent(), Reports{SetByteReport(43, 0xFF)});
    mcu->getCpiLevelCount(&value);
    EXPECT_EQ(value, 0);
}

TEST_F(NolxTest, CpiValueSharesItsByteWithTheNeighbourLevelAndReselectsTheGear) {
    open(ChipId::Qiro);  // stored gear 1
    mcu->setCpiValue(2, 4);
    clearTrace();
    EXPECT_EQ(mcu->setCpiValue(3, 9), S_OK);
    // One data report brings the level the mouse holds.
    const std::string gearRead = BlockReadReport(164, 7);
    EXPECT_EQ(sent(), (Reports{SetByteReport(45, 0x94), gearRead, SetByteReport(166, 0), SetByteReport(166, 1)}));

    mcu->setCurrentGear(1);
    clearTrace();
    mcu->setCpiValue(0, 2);
    EXPECT_EQ(sent(), (Reports{SetByteReport(44, 0x62), gearRead, SetByteReport(166, 1), SetByteReport(166, 0)}));
    mcu->setCurrentGear(4);
    clearTrace();
    mcu->setCpiValue(1, 3);
    EXPECT_EQ(sent(), (Reports{SetByteReport(44, 0x32), gearRead, SetByteReport(166, 2), SetByteReport(166, 3)}));

    clearTrace();
    EXPECT_EQ(mcu->setCpiValue(8, 1), E_INVALIDARG);
    EXPECT_EQ(mcu->setCpiValue(-1, 1), E_INVALIDARG);
    EXPECT_EQ(mcu->setCpiValue(2, 16), E_INVALIDARG);  // would spill into level 3
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTest, CpiColourWritesTheColourThenTheWholeMainBlock) {
    open(ChipId::Qiro);
    mcu->setCpiLevelCount(6);
    mcu->setVendorId(0x1111);
    clearTrace();
    EXPECT_EQ(mcu->setCpiColour(2, 1, 2, 3), S_OK);
    const Reports reports = sent();
    ASSERT_EQ(reports.size(), 2u + 24u);
    EXPECT_EQ(reports[0], SetBytesReport(93, 1, 2, 3, 3));
    EXPECT_EQ(reports[1], BlockWriteReport(0, 164));
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[0], 164));
    // The level count and ids set before are not reverted by the block.
    EXPECT_EQ(memory()[43], 5);
    EXPECT_EQ(memory()[0], 0x11);
    EXPECT_EQ(memory()[95], 3);

    clearTrace();
    EXPECT_EQ(mcu->setCpiColour(8, 1, 2, 3), E_INVALIDARG);
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTest, UserColourIsThreeByteWritesThatStopAtTheFirstFailure) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setUserColour(2, 10, 20, 30), S_OK);
    EXPECT_EQ(sent(), (Reports{SetByteReport(60, 10), SetByteReport(61, 20), SetByteReport(62, 30)}));
    uint8_t r = 0, g = 0, b = 0;
    mcu->getUserColour(2, &r, &g, &b);
    EXPECT_EQ(g, 20);

    clearTrace();
    mcu->setUserColour(99, 1, 1, 1);  // colour 10
    EXPECT_EQ(sent().front(), SetByteReport(84, 1));

    clearTrace();
    device->failTransfer(2);
    EXPECT_EQ(mcu->setUserColour(1, 5, 6, 7), E_FAIL);
    EXPECT_EQ(machine->counters().setFeature, 2u);

    clearTrace();
    EXPECT_EQ(mcu->setUserColour(0, 5, 6, 7), E_INVALIDARG);
    EXPECT_EQ(mcu->getUserColour(0, &r, &g, &b), E_INVALIDARG);
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTest, ProductStringIsSentInFiveTripletsAndOneByte) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setProductString("abc"), S_OK);
    EXPECT_EQ(sent(), (Reports{SetBytesReport(111, 'a', 'b', 'c', 3), SetBytesReport(114, 0, 0, 0, 3),
                               SetBytesReport(117, 0, 0, 0, 3), SetBytesReport(120, 0, 0, 0, 3),
                               SetBytesReport(123, 0, 0, 0, 3), SetByteReport(126, 0)}));
    mcu->setProductString("ABCDEFGHIJKLMNOPQRST");
    char name[17];
    mcu->getProductString(name);
    EXPECT_STREQ(name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(memory()[126], 'P');
}

TEST_F(NolxTest, ReportRateCommitsAndDolvAndMeskReopenAfterwards) {
    struct Case {
        ChipId chip;
        uint64_t pauseMs;
        bool reopens;
    };
    for (const Case& c : {Case{ChipId::Qiro, 500, false}, Case{ChipId::Dolv, 500, true},
                          Case{ChipId::Mesk, 1000, true}}) {
        SCOPED_TRACE(nolx::ChipSettings(c.chip).name);
        open(c.chip);
        EXPECT_EQ(mcu->setReportRate(2), S_OK);
        Reports expected = {SetByteReport(4, 0xAF), CommandReport(0x0E)};
        if (c.reopens) expected.push_back(CommandReport(0x0D));
        EXPECT_EQ(sent(), expected);
        EXPECT_EQ(machine->counters().sleptMs, c.pauseMs);
        EXPECT_EQ(firmware().commits(), 1u);
        // The firmware keeps the checksum, so the rate survives a read.
        ASSERT_EQ(mcu->readDeviceData(), S_OK);
        int code = 0;
        mcu->getReportRate(&code);
        EXPECT_EQ(code, 2);
        mcu.reset();
        device->unplug();
    }
    EXPECT_EQ(machine->openHandleCount(), 0u);
}

TEST_F(NolxTest, RotationAnswersTheLastSetDegreesUntilTheNextRead) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setSensorRotation(90), S_OK);
    EXPECT_EQ(sent().back(), SetByteReport(6, (memory()[6] & 0x3F) | 0x80));
    mcu->setSensorRotation(45);
    EXPECT_EQ(memory()[6] >> 6, 0);
    int degrees = 0;
    mcu->getSensorRotation(&degrees);
    EXPECT_EQ(degrees, 45);
    mcu->readDeviceData();
    mcu->getSensorRotation(&degrees);
    EXPECT_EQ(degrees, 270);
}

TEST_F(NolxTest, BreathModeByteDiffersPerChip) {
    open(ChipId::Qiro);
    mcu->setBreathMode(3);
    EXPECT_EQ(sent(), Reports{SetByteReport(165, 0x84)});
    int mode = 0;
    mcu->getBreathMode(&mode);
    EXPECT_EQ(mode, 3);

    mcu.reset();
    device->unplug();
    open(ChipId::Mesk, 0, false);
    PokeSealed(*device, 164, 28, {{165, 0x85}});
    mcu->readDeviceData();
    clearTrace();
    mcu->setBreathMode(2);
    EXPECT_EQ(sent(), Reports{SetByteReport(165, 0x82)});
}

TEST_F(NolxTest, LedBreathRateGoesThroughTheHeaderAndRegistersExceptOnMesk) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setLedBreath(5, 0), S_OK);
    const Reports reports = sent();
    ASSERT_EQ(reports.size(), 6u);
    EXPECT_EQ(reports[0], BlockWriteReport(1008, 16));
    EXPECT_EQ(reports[4], CommandReport(0x01, 0x07, 0xC4, 2));
    EXPECT_EQ(reports[5], CommandReport(0x01, 0x07, 0xC5, 0x09));
    EXPECT_EQ(firmware().ledRegister(0xC4), 2);
    EXPECT_EQ(firmware().ledRegister(0xC5), 0x09);
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[1016], 8));
    int rate = 0, on = 1;
    mcu->getLedBreath(&rate, &on);
    EXPECT_EQ(rate, 5);
    EXPECT_EQ(on, 0);

    mcu.reset();
    device->unplug();
    open(ChipId::Mesk);
    EXPECT_EQ(mcu->setLedBreath(3, 1), S_OK);
    EXPECT_EQ(sent(), Reports{SetByteReport(56, 40)});
    mcu->setLedBreath(11, 1);  // out of range: the byte stays
    EXPECT_EQ(sent().back(), SetByteReport(56, 40));
    mcu->getLedBreath(&rate, nullptr);
    EXPECT_EQ(rate, 11);
}

TEST_F(NolxTest, KeyModeBytesDependOnChipAndInitFlag) {
    struct Case {
        ChipId chip;
        int flag;
        int mode;
        Reports reports;
    };
    // Block 164 of the factory image has key-mode byte 0 (high nibble 0).
    const Case cases[] = {
        {ChipId::Qiro, 0, 1, {SetByteReport(167, 4), SetByteReport(168, 15), SetByteReport(169, 0),
                              SetByteReport(170, 0x20), SetByteReport(164, 0x01)}},
        {ChipId::Qiro, 1, 1, {SetByteReport(167, 4), SetByteReport(168, 15), SetByteReport(169, 0),
                              SetByteReport(170, 0x20), SetByteReport(164, 0xF1)}},
        {ChipId::Dolv, 0, 1, {SetByteReport(167, 4), SetByteReport(168, 15), SetByteReport(169, 0),
                              SetByteReport(170, 0x18), SetByteReport(164, 0xF1)}},
        {ChipId::Dolv, 1, 1, {SetByteReport(167, 4), SetByteReport(168, 15), SetByteReport(169, 0),
                              SetByteReport(170, 0x18), SetByteReport(164, 0x01)}},
        {ChipId::Mesk, 1, 2, {SetByteReport(167, 0), SetByteReport(168, 0), SetByteReport(169, 0),
                              SetByteReport(170, 0), SetByteReport(164, 0xF2)}},
        {ChipId::Mesk, 0, 0, {SetByteReport(167, 0), SetByteReport(168, 0), SetByteReport(169, 0),
                              SetByteReport(170, 0), SetByteReport(164, 0x00)}},
        {ChipId::Qiro, 0, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << nolx::ChipSettings(c.chip).name << " flag " << c.flag << " mode " << c.mode);
        open(c.chip, c.flag);
        EXPECT_EQ(SUCCEEDED(mcu->setKeyMode(c.mode)), !c.reports.empty());
        EXPECT_EQ(sent(), c.reports);
        mcu.reset();
        device->unplug();
    }
}

TEST_F(NolxTest, KeyModeKeepsTheHighNibbleOfTheByteAsRead) {
    open(ChipId::Qiro, 0, false);
    PokeSealed(*device, 164, 28, {{164, 0x52}});
    mcu->readDeviceData();
    clearTrace();
    mcu->setKeyMode(1);
    EXPECT_EQ(sent().back(), SetByteReport(164, 0x51));
    int mode = 0;
    mcu->getKeyMode(&mode);
    EXPECT_EQ(mode, 1);
}

TEST_F(NolxTest, MacroKeyWritesAllTablesThenMakesTheControllerReload) {
    for (ChipId chip : {ChipId::Qiro, ChipId::Dolv}) {
        SCOPED_TRACE(nolx::ChipSettings(chip).name);
        open(chip);
        const unsigned tables = nolx::ChipSettings(chip).keyTables;
        EXPECT_EQ(mcu->setMacroKey(static_cast<int>(tables), 12, 1, 2, 3, 4), S_OK);
        const Reports reports = sent();
        const size_t chunks = (49 * tables + 6) / 7;
        ASSERT_EQ(reports.size(), 1 + chunks + 1 + 2);
        EXPECT_EQ(reports[0], BlockWriteReport(192, 49 * tables));
        EXPECT_EQ(reports[1 + chunks], Hex({0x40, 0x06, 0x00, 164, 0x00, 28, 0x00, 0x00}));
        EXPECT_EQ(reports[2 + chunks], SetByteReport(164, 15));
        EXPECT_EQ(reports[3 + chunks], SetByteReport(164, 0x00));
        const unsigned entry = 192 + 49 * (tables - 1) + 44;
        EXPECT_EQ(memory()[entry + 3], 4);
        EXPECT_TRUE(nolx::BlockIsSealed(&memory()[192 + 49 * (tables - 1)], 49));
        uint8_t b[4] = {};
        mcu->getMacroKey(static_cast<int>(tables), 12, &b[0], &b[1], &b[2], &b[3]);
        EXPECT_EQ(b[2], 3);

        clearTrace();
        uint8_t untouched[4] = {9, 9, 9, 9};
        EXPECT_EQ(mcu->setMacroKey(static_cast<int>(tables) + 1, 1, 1, 1, 1, 1), E_INVALIDARG);
        EXPECT_EQ(mcu->setMacroKey(1, 13, 1, 1, 1, 1), E_INVALIDARG);
        EXPECT_EQ(mcu->setMacroKey(1, 0, 1, 1, 1, 1), E_INVALIDARG);
        EXPECT_EQ(mcu->getMacroKey(static_cast<int>(tables) + 1, 1, &untouched[0], &untouched[1], &untouched[2],
                                   &untouched[3]),
                  E_INVALIDARG);
        EXPECT_EQ(untouched[0], 9);
        EXPECT_TRUE(sent().empty());
        mcu.reset();
        device->unplug();
    }
}

TEST_F(NolxTest, ComboKeysLiveInTheMainBlock) {
    open(ChipId::Qiro);
    EXPECT_EQ(mcu->setComboKey(9, 5, 6, 7, 8), S_OK);
    EXPECT_EQ(sent().front(), BlockWriteReport(0, 164));
    EXPECT_EQ(memory()[159], 5);
    EXPECT_EQ(memory()[162], 8);
    uint8_t b[4] = {};
    mcu->getComboKey(9, &b[0], &b[1], &b[2], &b[3]);
    EXPECT_EQ(b[1], 6);
    clearTrace();
    EXPECT_EQ(mcu->setComboKey(0, 1, 1, 1, 1), E_INVALIDARG);
    EXPECT_EQ(mcu->setComboKey(10, 1, 1, 1, 1), E_INVALIDARG);
    EXPECT_EQ(mcu->getComboKey(10, &b[0], &b[1], &b[2], &b[3]), E_INVALIDARG);
    EXPECT_TRUE(sent().empty());
}

TEST_F(NolxTest, SettingsSentAloneSurviveALaterFireMacroWrite) {
    open(ChipId::Dolv, 1);
    mcu->setCurrentGear(3);
    mcu->setBreathMode(2);
    mcu->setKeyMode(2);
    mcu->setCpiLevelCount(5);
    mcu->setUserColour(5, 1, 2, 3);
    const uint8_t record[24] = {0x21};
    ASSERT_EQ(mcu->setFireMacro(0, record, 1, 2, 9, 9, 9), S_OK);
    EXPECT_EQ(memory()[166], 2);
    EXPECT_EQ(memory()[165], 0x83);
    EXPECT_EQ(memory()[164], 0xF2);
    EXPECT_EQ(memory()[43], 4);
    EXPECT_EQ(memory()[69], 1);
}

TEST_F(NolxTest, AProfileAndLevelChangedOnTheMouseSurviveLaterWrites) {
    open(ChipId::Qiro);  // key mode 0, stored gear 1
    firmware().pressProfileButton();
    firmware().pressDpiButton();
    const uint8_t record[24] = {0x21};
    EXPECT_EQ(mcu->setFireMacro(0, record, 1, 2, 9, 9, 9), S_OK);
    EXPECT_EQ(memory()[164] & 0x0F, 1);
    EXPECT_EQ(memory()[166], 2);
    firmware().pressDpiButton();
    EXPECT_EQ(mcu->setCpiValue(0, 5), S_OK);
    EXPECT_EQ(memory()[166], 3);
    int gear = 0;
    mcu->getCurrentGear(&gear);
    EXPECT_EQ(gear, 4);

    // A read-back that fails or is damaged keeps the copy; the write lands
    // and succeeds.
    firmware().corruptByte(170);
    EXPECT_EQ(mcu->setFireMacro(1, record, 1, 2, 9, 9, 9), S_OK);
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[164], 28));
    EXPECT_EQ(memory()[172], 1);
    device->failTransfer(3);  // the read-back's data report
    EXPECT_EQ(mcu->setCpiValue(1, 6), S_OK);
    firmware().corruptByte(166);
    EXPECT_EQ(mcu->setCpiValue(2, 7), S_OK);
    EXPECT_EQ(memory()[44], 0x65);
    EXPECT_EQ(memory()[45] & 0x0F, 7);
    EXPECT_EQ(memory()[166], 3);
}

TEST_F(NolxTest, ALevelReadBackDamagedOutsideTheModeAndLevelIsNotTaken) {
    open(ChipId::Qiro);  // stored gear 1
    firmware().pressDpiButton();
    firmware().corruptByte(168);  // a key-mode byte of the read-back's report
    EXPECT_EQ(mcu->setCpiValue(0, 5), S_OK);
    EXPECT_EQ(memory()[166], 1);
    int gear = 0;
    mcu->getCurrentGear(&gear);
    EXPECT_EQ(gear, 2);
}
