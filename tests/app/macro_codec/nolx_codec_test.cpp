// The Dolv, Mesk and Qiro macro byte code.
#include "app/macro/codec/nolx_macro_codec.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const NolxLoop kQiroContinue{NolxLoopMode::QiroContinue, 1};
const NolxChip kChips[] = {NolxChip::Dolv, NolxChip::Mesk, NolxChip::Qiro};

NolxDecodedMacro Decode(NolxChip chip, const Bytes& bytes) {
    hostile::GuardedBytes guarded(bytes);
    return DecodeNolxMacro(chip, {guarded.data(), guarded.size()});
}

TEST(NolxCodec, WorkedExamplesEncodeByteForByte) {
    EXPECT_EQ(EncodeNolxMacro(NolxChip::Dolv, {}, {NolxLoopMode::Count, 5}), (Bytes{0xFD, 0x05, 0xFC, 0x00}));
    const MacroSteps keyA = {{0x82, 0x04}, {0xFE, 300}, {0x02, 0x04}};
    EXPECT_EQ(EncodeNolxMacro(NolxChip::Qiro, keyA, {NolxLoopMode::QiroStopOnAnyKey, 1}),
              (Bytes{0xFD, 0x7F, 0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02, 0x04, 0xFC, 0x00}));
    EXPECT_EQ(EncodeNolxMacro(NolxChip::Qiro, keyA, kQiroContinue),
              (Bytes{0x82, 0x04, 0xFE, 0x01, 0x2C, 0x02, 0x04, 0xFC, 0x00}));
    EXPECT_EQ(EncodeNolxMacro(NolxChip::Qiro, {{0x04, -5}, {0x04, 10}}, kQiroContinue), (Bytes{0x04, 0xFB, 0x0A, 0xFC, 0x00}));
    EXPECT_EQ(EncodeNolxMacro(NolxChip::Qiro, {{0xA1, 1}, {0xFE, 50}, {0x21, 1}}, kQiroContinue),
              (Bytes{0xA1, 0xFE, 0x00, 0x32, 0x21, 0xFC, 0x00}));
}

TEST(NolxCodec, LoopStepsOfEachChip) {
    auto loopOf = [](NolxChip chip, int mode, int count) {
        const Bytes data = EncodeNolxMacro(chip, {}, {mode, count});
        return Bytes(data.begin(), data.end() - 2);
    };
    EXPECT_EQ(loopOf(NolxChip::Dolv, NolxLoopMode::Endless, 9), (Bytes{0xFD, 0x00}));
    EXPECT_EQ(loopOf(NolxChip::Mesk, NolxLoopMode::Count, 254), (Bytes{0xFD, 0xFE}));
    EXPECT_EQ(loopOf(NolxChip::Mesk, NolxLoopMode::Count, 0), (Bytes{0xFD, 0x01})) << "0 would be endless";
    EXPECT_EQ(loopOf(NolxChip::Dolv, 2, 1), Bytes{}) << "no such Dolv mode";
    EXPECT_EQ(loopOf(NolxChip::Qiro, NolxLoopMode::QiroStop, 1), (Bytes{0xFD, 0x80}));
    EXPECT_EQ(loopOf(NolxChip::Qiro, NolxLoopMode::Count, 127), (Bytes{0xFD, 0x7E})) << "7F is stop on any key";
    EXPECT_EQ(NolxMaxRepeatCount(NolxChip::Qiro), 126);
    EXPECT_EQ(loopOf(NolxChip::Dolv, NolxLoopMode::Count, 256), (Bytes{0xFD, 0xFF}));
}

TEST(NolxCodec, RowsTheEncoderPairsHoldsAndLeavesOut) {
    const Bytes data = EncodeNolxMacro(NolxChip::Dolv,
                                       {{0x04, 300}, {0x04, -300}, {0xFE, 70000}, {0xFE, -1}, {0x01, 4}, {0x81, 4},
                                        {0x82, 0}, {0x02, 0}, {0x04, 7}, {0x82, 9}, {0x04, 3}},
                                       {NolxLoopMode::Endless, 1});
    EXPECT_EQ(data, (Bytes{0xFD, 0x00, 0x04, 0x7F, 0x80, 0xFE, 0xFF, 0xFF, 0xFE, 0x00, 0x00, 0x82, 0x00, 0x02, 0x00,
                           0x04, 0x07, 0x00, 0x82, 0x09, 0x04, 0x03, 0x00, 0xFC, 0x00}))
        << "a lone move row has Y 0 and never takes the key row after it";
}

TEST(NolxCodec, DecodingShowsStepsAndLoops) {
    const MacroSteps steps = {{0x82, 0x04}, {0x04, -5}, {0x04, 10}, {0xFE, 65535}, {0xA8, 0xA8}, {0x28, 0x28}, {0x02, 0}};
    for (NolxChip chip : kChips) {
        const NolxLoop loop{NolxLoopMode::Count, 77};
        const Bytes data = EncodeNolxMacro(chip, steps, loop);
        const NolxDecodedMacro decoded = Decode(chip, data);
        EXPECT_EQ(decoded.steps, steps);
        ASSERT_TRUE(decoded.loop);
        EXPECT_EQ(decoded.loop->mode, NolxLoopMode::Count);
        EXPECT_EQ(decoded.loop->repeatCount, 77);
        EXPECT_EQ(EncodeNolxMacro(chip, decoded.steps, *decoded.loop), data);
    }
    EXPECT_EQ(Decode(NolxChip::Dolv, {0xFD, 0x00, 0xFC, 0x00}).loop->mode, NolxLoopMode::Endless);
    const NolxDecodedMacro qiroZero = Decode(NolxChip::Qiro, {0xFD, 0x00, 0xFC, 0x00});
    EXPECT_EQ(qiroZero.loop->mode, NolxLoopMode::Count);
    EXPECT_EQ(qiroZero.loop->repeatCount, 0);
    EXPECT_EQ(Decode(NolxChip::Qiro, {0xFD, 0x7F}).loop->mode, NolxLoopMode::QiroStopOnAnyKey);
    EXPECT_EQ(Decode(NolxChip::Qiro, {0xFD, 0x80}).loop->mode, NolxLoopMode::QiroStop);
    EXPECT_EQ(Decode(NolxChip::Qiro, {0x82, 4, 0xFC, 0}).loop->mode, NolxLoopMode::QiroContinue);
    EXPECT_FALSE(Decode(NolxChip::Mesk, {0x82, 4, 0xFC, 0}).loop) << "the options stay as they are";
    EXPECT_FALSE(Decode(NolxChip::Qiro, {}).loop);
    EXPECT_TRUE(Decode(NolxChip::Qiro, {0x00}).steps.empty()) << "a new macro";
}

TEST(NolxCodec, DelaysAreReadHighByteFirst) {
    const Bytes delays = {0xFE, 0x00, 0x01, 0xFE, 0x00, 0xFF, 0xFE, 0x01, 0x00,
                          0xFE, 0x01, 0x2C, 0xFE, 0xFF, 0xFF, 0xFC, 0x00};
    for (NolxChip chip : kChips) {
        EXPECT_EQ(Decode(chip, delays).steps, (MacroSteps{{0xFE, 1}, {0xFE, 255}, {0xFE, 256}, {0xFE, 300}, {0xFE, 65535}}));
    }
}

TEST(NolxCodec, DecodingEndsAtTheZeroCodeOrAtTheDataEnd) {
    EXPECT_EQ(Decode(NolxChip::Dolv, {0x82, 0x00, 0x02, 0x00, 0xFC, 0x00, 0x82, 0x05}).steps,
              (MacroSteps{{0x82, 0}, {0x02, 0}}))
        << "a zero operand is no end";
    EXPECT_EQ(Decode(NolxChip::Dolv, {0x81, 0xA1, 0x01, 0x22, 0x00}).steps, (MacroSteps{{0xA1, 0xA1}, {0x22, 0x22}}))
        << "unknown codes skip one byte";
    EXPECT_EQ(Decode(NolxChip::Dolv, {0x82, 0x04, 0xFE, 0x01}).steps, (MacroSteps{{0x82, 4}}));
    EXPECT_EQ(Decode(NolxChip::Dolv, {0x21, 0x04, 0x01}).steps, (MacroSteps{{0x21, 0x21}}));
    EXPECT_EQ(Decode(NolxChip::Dolv, {0x82}).steps, MacroSteps{});
    EXPECT_FALSE(Decode(NolxChip::Dolv, {0xFD}).loop);
    EXPECT_EQ(Decode(NolxChip::Qiro, Bytes(224, 0x21)).steps.size(), 224u) << "no end step";
}

TEST(NolxCodec, RoomEndsAt224BytesAndCountsWhatIsAdded) {
    // Qiro "continue": FC 00 and the steps; Dolv count: FD n, the steps, FC 00.
    MacroSteps steps(111, MacroStep{0x82, 4});  // 222 step bytes
    EXPECT_FALSE(NolxHasRoomFor(NolxChip::Qiro, NolxLoopMode::QiroContinue, steps, 0, {{0xA1, 0xA1}}));
    steps.pop_back();  // 220
    EXPECT_TRUE(NolxHasRoomFor(NolxChip::Qiro, NolxLoopMode::QiroContinue, steps, 0, {{0x82, 4}}));
    EXPECT_FALSE(NolxHasRoomFor(NolxChip::Qiro, NolxLoopMode::QiroContinue, steps, 5, {{0xFE, 50}}));
    EXPECT_FALSE(NolxHasRoomFor(NolxChip::Dolv, NolxLoopMode::Count, steps, 0, {{0xA1, 0xA1}}));
    EXPECT_TRUE(NolxHasRoomFor(NolxChip::Dolv, NolxLoopMode::Count, steps, 0, {}));
    EXPECT_TRUE(NolxHasRoomFor(NolxChip::Dolv, NolxLoopMode::Count, steps, 0, {{0x99, 0}}));
    steps.resize(106);  // 212: a move pair is 3 bytes, not 6
    EXPECT_TRUE(NolxHasRoomFor(NolxChip::Qiro, NolxLoopMode::Count, steps, 999,
                               {{0x04, 1}, {0x04, 2}, {0x04, 3}, {0x04, 4}, {0xA1, 0xA1}, {0x21, 0x21}}));
    EXPECT_FALSE(NolxHasRoomFor(NolxChip::Qiro, NolxLoopMode::Count, steps, 999,
                                {{0x04, 1}, {0x04, 2}, {0x04, 3}, {0x04, 4}, {0xA1, 0xA1}, {0x21, 0x21}, {0x21, 0x21}}));
    const Bytes full = EncodeNolxMacro(NolxChip::Dolv, MacroSteps(200, MacroStep{0xFE, 9}), {NolxLoopMode::Count, 1});
    EXPECT_EQ(full.size(), 223u) << "whole steps only";
    EXPECT_EQ(full[221], 0xFC);
    EXPECT_EQ(full[222], 0x00);
}

TEST(NolxCodec, HostileDataIsNeverReadPastItsEnd) {
    const std::vector<Bytes> seeds = {
        EncodeNolxMacro(NolxChip::Qiro, {{0x82, 0x04}, {0xFE, 300}, {0x02, 0x04}, {0x04, -5}}, {NolxLoopMode::Count, 3}),
        EncodeNolxMacro(NolxChip::Dolv, {{0xA1, 1}, {0xFE, 50}, {0x21, 1}, {0x81, 7}}, {NolxLoopMode::Count, 5}),
        EncodeNolxMacro(NolxChip::Mesk, MacroSteps(70, MacroStep{0xFE, 9}), {NolxLoopMode::Count, 1}),
    };
    const std::vector<Bytes> tokens = {{0x02}, {0x82}, {0x04}, {0xFE}, {0xFD}, {0xFC},
                                       {0x21}, {0xA1}, {0x7F}, {0x80}, {0x01}, {0xFC, 0x00}};
    hostile::Mutator mutator(0x4E4F4C58);
    for (int round = 0; round < 5000; ++round) {
        const Bytes bytes = mutator.Mutate(seeds, tokens);
        for (NolxChip chip : kChips) {
            const NolxDecodedMacro decoded = Decode(chip, bytes);
            ASSERT_LE(decoded.steps.size(), bytes.size());
            const NolxLoop loop = decoded.loop ? *decoded.loop : NolxLoop{};
            const Bytes again = EncodeNolxMacro(chip, decoded.steps, loop);
            ASSERT_LE(again.size(), kNolxMacroDataLimit);
            ASSERT_EQ(again[again.size() - 2], 0xFC);
        }
    }
}

}  // namespace
