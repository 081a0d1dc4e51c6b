// The simulated controller's own rules, where the libraries leave them open.
#include "nolx_fixture.h"

using namespace nolx_test;

namespace {

class SimulatedNolx : public NolxTest {
protected:
    bool set(std::initializer_list<uint8_t> bytes) {
        std::vector<uint8_t> report(bytes);
        return firmware().setFeature(report.data(), report.size());
    }
    bool getData(uint8_t* report) {
        report[0] = 0x41;
        return firmware().getFeature(report, 8);
    }
};

}  // namespace

TEST_F(SimulatedNolx, DataReportsOutsideAWindowAreStalled) {
    device = &machine->plugIn(hidsim::qiro());
    uint8_t report[8] = {};
    EXPECT_FALSE(set({0x41, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(getData(report));
    EXPECT_TRUE(set({0x40, 0x09, 0x00, 0x10, 0x00, 0x07, 0, 0}));
    EXPECT_TRUE(getData(report));
    EXPECT_FALSE(getData(report));  // the window is used up
    // A new command ends an open window.
    EXPECT_TRUE(set({0x40, 0x07, 0x00, 0x10, 0x00, 0x0E, 0, 0}));
    EXPECT_TRUE(set({0x40, 0x0D, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(set({0x41, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(set({0x40, 0x33, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(set({0x40, 0x05, 0x00, 0x10, 1, 2, 3, 4}));
}

TEST_F(SimulatedNolx, SetBytesKeepTheBlockChecksumsAndBlockWritesAreStoredAsSent) {
    device = &machine->plugIn(hidsim::mesk());
    EXPECT_TRUE(set({0x40, 0x05, 0x00, 0xA1, 0x11, 0x22, 0x33, 3}));  // 161..163: main block and its checksum
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[0], 164));
    EXPECT_TRUE(set({0x40, 0x05, 0x00, 0xEF, 0x09, 0, 0, 1}));  // the last entry byte of key table 1
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[192], 49));
    EXPECT_TRUE(set({0x40, 0x07, 0x00, 0xA4, 0x00, 0x01, 0, 0}));
    EXPECT_TRUE(set({0x41, 0x77, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(nolx::BlockIsSealed(&memory()[164], 28));
    // Mesk has no LED registers.
    EXPECT_FALSE(set({0x40, 0x01, 0x07, 0xC4, 0x02, 0, 0, 0}));
}

TEST_F(SimulatedNolx, OnMouseButtonsCycleTheProfileAndTheConfiguredLevels) {
    open(ChipId::Qiro);
    mcu->setCpiLevelCount(2);
    for (uint8_t expected : {0, 1, 0}) {
        firmware().pressDpiButton();
        EXPECT_EQ(memory()[166], expected);
    }
    for (uint8_t expected : {1, 2, 0}) {
        firmware().pressProfileButton();
        EXPECT_EQ(memory()[164] & 0x0F, expected);
    }
    EXPECT_TRUE(nolx::BlockIsSealed(&memory()[164], 28));
    firmware().corruptByte(170);
    EXPECT_FALSE(nolx::BlockIsSealed(&memory()[164], 28));
}
