// Step buffers of the fire records and the limits of their edits.
#include "app/dialogs/fire/fire_limits.h"
#include "app/dialogs/fire/fire_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Buffer(std::initializer_list<uint8_t> head, size_t size) {
    std::vector<uint8_t> b(head);
    b.resize(size, 0);
    return b;
}

}  // namespace

TEST(KelvoSteps, RepeatMoveAndDelayWithTheirPositions) {
    auto b = Buffer({1, 0xA1, 0xFA, 0x0A, 0xFD, 0xFF, 0xFA, 0x05, 0xFE, 0x02, 0x21}, kKelvoStepBytes);
    const KelvoStageSteps s = ParseKelvoSteps(b.data());
    EXPECT_EQ(s.count, 256);  // FF + 1
    EXPECT_EQ(s.countPos, 5);
    // The repeat step takes four bytes: FA 05 right after it is not read.
    EXPECT_EQ(s.y, 10);
    EXPECT_EQ(s.yPos, 3);
    EXPECT_EQ(s.delay, 16);
    EXPECT_EQ(s.delayPos, 9);
}

TEST(KelvoSteps, TheLastStepOfAKindWinsAndYIsSigned) {
    auto b = Buffer({0, 0xFA, 0x01, 0xFB, 0xFA, 0xFA, 0xF0}, kKelvoStepBytes);
    const KelvoStageSteps s = ParseKelvoSteps(b.data());
    EXPECT_EQ(s.y, -16);
    EXPECT_EQ(s.yPos, 6);
    EXPECT_EQ(s.countPos, -1);
    EXPECT_EQ(s.delayPos, -1);
}

TEST(KelvoSteps, StoreCountMinusOneDelayInEightsAndTheStopFlag) {
    auto b = Buffer({0, 0xFD, 3, 0, 0, 0xFA, 4, 0xFE, 1}, kKelvoStepBytes);
    const KelvoStageSteps at = ParseKelvoSteps(b.data());
    StoreKelvoSteps(b.data(), at, 0, -3, 15, true);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[2], 0xFF);  // count 0 reads back as 256
    EXPECT_EQ(b[6], 0xFD);
    EXPECT_EQ(b[8], 1);  // 15 ms is one step of 8
    const KelvoStageSteps again = ParseKelvoSteps(b.data());
    EXPECT_EQ(again.count, 256);
    EXPECT_EQ(again.delay, 8);
    StoreKelvoSteps(b.data(), at, 256, 0, 2040, false);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(b[2], 0xFF);
    EXPECT_EQ(b[8], 0xFF);
}

TEST(KelvoSteps, AStepWhoseValueWouldBeTheChecksumIsNotTaken) {
    auto b = Buffer({}, kKelvoStepBytes);
    b[22] = 0xFE;
    b[23] = 0x40;  // the checksum byte
    const KelvoStageSteps s = ParseKelvoSteps(b.data());
    EXPECT_EQ(s.delayPos, -1);
    StoreKelvoSteps(b.data(), s, 5, 5, 800, false);
    EXPECT_EQ(b[23], 0x40);
}

TEST(NolxSteps, MoveCountAndAnArmedShootTime) {
    auto b = Buffer({0xFD, 7, 0x04, 0xFB, 0x0C, 0xA1, 0xFE, 0x01, 0x2C, 0x21, 0xFC}, 24);
    const NolxStageSteps s = ParseNolxSteps(b.data(), 24);
    EXPECT_EQ(s.count, 7);
    EXPECT_EQ(s.countPos, 1);
    EXPECT_EQ(s.x, -5);
    EXPECT_EQ(s.xPos, 3);
    EXPECT_EQ(s.y, 12);
    EXPECT_EQ(s.yPos, 4);
    EXPECT_EQ(s.time, 300);
    EXPECT_EQ(s.timePos, 7);
}

TEST(NolxSteps, OnlyAMoveArmsTheShootTime) {
    // A time before any move, two after one move, then a move re-arms.
    auto b = Buffer({0xFE, 0, 9, 0x04, 1, 2, 0xFE, 0, 50, 0xFE, 0, 60}, 24);
    NolxStageSteps s = ParseNolxSteps(b.data(), 24);
    EXPECT_EQ(s.time, 50);
    EXPECT_EQ(s.timePos, 7);
    b = Buffer({0x04, 1, 2, 0xFE, 0, 50, 0x04, 3, 4, 0xFE, 0, 70}, 24);
    s = ParseNolxSteps(b.data(), 24);
    EXPECT_EQ(s.time, 70);
    EXPECT_EQ(s.x, 3);
}

TEST(NolxSteps, TheScanCoversTheWholeBufferOfItsFamily) {
    auto b = Buffer({}, 32);
    b[26] = 0xFD;
    b[27] = 9;
    EXPECT_EQ(ParseNolxSteps(b.data(), 24).countPos, -1);
    EXPECT_EQ(ParseNolxSteps(b.data(), 32).countPos, 27);
}

TEST(NolxSteps, StepsCutOffByTheBufferEndAreNotTaken) {
    auto b = Buffer({0x04, 1, 1}, 25);
    b[21] = 0xFE;  // hi at 22, lo at 23: fits
    EXPECT_EQ(ParseNolxSteps(b.data(), 24).timePos, 22);
    b = Buffer({0x04, 1, 1}, 25);
    b[22] = 0xFE;  // lo would be byte 24
    b[24] = 0x77;  // beyond the buffer, must stay
    const NolxStageSteps s = ParseNolxSteps(b.data(), 24);
    EXPECT_EQ(s.timePos, -1);
    StoreNolxSteps(b.data(), s, 1, 1, 1, 0x1234);
    EXPECT_EQ(b[23], 0);
    EXPECT_EQ(b[24], 0x77);
    b = Buffer({}, 24);
    b[22] = 0x04;  // x at 23, y beyond
    EXPECT_EQ(ParseNolxSteps(b.data(), 24).xPos, -1);
}

TEST(NolxSteps, StoreWritesEachValueAsItsByteAndTheTimeHighByteFirst) {
    auto b = Buffer({0xFD, 0, 0x04, 0, 0, 0xFE, 0, 0}, 24);
    const NolxStageSteps at = ParseNolxSteps(b.data(), 24);
    StoreNolxSteps(b.data(), at, 255, -128, 127, 300);
    EXPECT_EQ(b[1], 255);
    EXPECT_EQ(b[3], 0x80);
    EXPECT_EQ(b[4], 0x7F);
    EXPECT_EQ(b[6], 0x01);
    EXPECT_EQ(b[7], 0x2C);
}

TEST(FireLimits, KelvoValuesAndTheYWithItsOffset) {
    int r = 0;
    EXPECT_TRUE(BreaksFireLimit(StageControl::KelvoCount, 257, 0, &r));
    EXPECT_EQ(r, 256);
    EXPECT_FALSE(BreaksFireLimit(StageControl::KelvoCount, 256, 0, &r));
    EXPECT_FALSE(BreaksFireLimit(StageControl::KelvoCount, -5, 0, &r));  // no lower limit
    EXPECT_TRUE(BreaksFireLimit(StageControl::KelvoDelay, 2047, 0, &r));
    EXPECT_EQ(r, 2040);
    EXPECT_TRUE(BreaksFireLimit(StageControl::KelvoY, 100, 40, &r));
    EXPECT_EQ(r, 87);
    EXPECT_TRUE(BreaksFireLimit(StageControl::KelvoY, 130, 0, &r));
    EXPECT_EQ(r, 127);
    EXPECT_TRUE(BreaksFireLimit(StageControl::KelvoOffset, 40, 100, &r));
    EXPECT_EQ(r, 27);
    EXPECT_FALSE(BreaksFireLimit(StageControl::KelvoOffset, -128, 127, &r));
}

TEST(FireLimits, NolxMovesAdjustmentsCountsAndTimes) {
    int r = 0;
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxX, -129, 0, &r));
    EXPECT_EQ(r, -128);
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxY, 128, 0, &r));
    EXPECT_EQ(r, 127);
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxX, 127, 1, &r));
    EXPECT_EQ(r, 126);
    EXPECT_FALSE(BreaksFireLimit(StageControl::NolxYAdjust, -200, 5, &r));  // no lower limit
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxXAdjust, 10, 120, &r));
    EXPECT_EQ(r, 7);
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxCount, 256, 0, &r));
    EXPECT_EQ(r, 255);
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxTime, 0, 0, &r));
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(BreaksFireLimit(StageControl::NolxTime, 65535, 0, &r));
    EXPECT_EQ(r, 65534);
    EXPECT_FALSE(BreaksFireLimit(StageControl::NolxTime, 300, 0, &r));
}
