// The Kelvo and Kelvo driver macro byte code.
#include "app/macro/codec/kelvo_macro_codec.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

const KelvoMacroSettings kContinueOnce{1, {0, 1}};
const KelvoMacroSettings kContinueEndless{1, {1, 1}};

Bytes Encode(const MacroSteps& steps, const KelvoMacroSettings& settings = kContinueOnce,
             KelvoVariant variant = KelvoVariant::Kelvo) {
    return EncodeKelvoMacro(variant, steps, settings);
}

TEST(KelvoCodec, WorkedExamplesEncodeByteForByte) {
    EXPECT_EQ(Encode({{0x82, 0x04}, {0xFE, 100}, {0x02, 0x04}}),
              (Bytes{0x00, 0x0A, 0xFD, 0x00, 0x82, 0x04, 0xFE, 0x0C, 0x02, 0x04, 0xFC, 0xC3}));
    EXPECT_EQ(Encode({}, kContinueEndless), (Bytes{0x00, 0x04, 0xFD, 0xFF, 0xFC, 0xA6}));
    EXPECT_EQ(Encode({}, kContinueEndless, KelvoVariant::Driver), (Bytes{0x00, 0x00, 0x04, 0xFD, 0xFF, 0xFC, 0xA6}));
    EXPECT_EQ(Encode({}, {0, {0, 5}})[0], 1) << "play mode 0 (stop) is the play byte 1";
    EXPECT_EQ(Encode({}, {0, {0, 5}})[3], 4) << "count minus one";
}

TEST(KelvoCodec, StepBytesAndTheValuesTheyHold) {
    const Bytes data = Encode({{0x81, 2},
                               {0x01, 2},
                               {0xA1, 1},
                               {0x30, 16},
                               {0xFB, -1},
                               {0xFA, 127},
                               {0xFE, 2040},
                               {0xFE, 7},
                               {0xFE, 2048},
                               {0xFE, -5},
                               {0xFB, 200},
                               {0xFA, -300},
                               {0x99, 1},
                               {0x20, 1}});
    const Bytes steps(data.begin() + 4, data.end() - 2);
    EXPECT_EQ(steps, (Bytes{0x81, 2, 0x01, 2, 0xA1, 0x30, 0xFB, 0xFF, 0xFA, 0x7F, 0xFE, 0xFF, 0xFE, 0x00, 0xFE, 0xFF,
                            0xFE, 0x00, 0xFB, 0x7F, 0xFA, 0x80}))
        << "delays held at 0..2040 ms, moves at -128..127, unknown types left out";
    EXPECT_EQ(data[1], data.size() - 2);
    EXPECT_EQ(Encode({}, {1, {0, 0}})[3], 0x00) << "a count below 1 is not the endless FF";
    EXPECT_EQ(Encode({}, {1, {0, 300}})[3], 0xFE) << "nor is a count above 255";
    const Bytes count255 = {0, 4, 0xFD, 0xFE, 0xFC, 0xA1};
    const KelvoDecodedMacro decoded = DecodeKelvoMacro(KelvoVariant::Kelvo, count255);
    EXPECT_EQ(Encode(decoded.steps, {*decoded.playMode, *decoded.loop}), count255);
}

TEST(KelvoCodec, DecodingGivesStepsAndSettingsBack) {
    const MacroSteps steps = {{0x81, 1}, {0x82, 4}, {0xFE, 800}, {0xA4, 0xA4}, {0x24, 0x24},
                              {0xFB, -128}, {0xFA, 5}, {0x02, 4}, {0x01, 1}, {0xFE, 0}};
    for (KelvoVariant variant : {KelvoVariant::Kelvo, KelvoVariant::Driver}) {
        for (const KelvoMacroSettings& settings : {KelvoMacroSettings{0, {0, 254}}, kContinueEndless}) {
            const Bytes data = Encode(steps, settings, variant);
            const KelvoDecodedMacro decoded = DecodeKelvoMacro(variant, data);
            EXPECT_EQ(decoded.steps, steps);
            EXPECT_EQ(decoded.playMode, settings.playMode);
            ASSERT_TRUE(decoded.loop);
            EXPECT_EQ(decoded.loop->mode, settings.loop.mode);
            if (settings.loop.mode == 0) {
                EXPECT_EQ(decoded.loop->repeatCount, 254);
            }
            KelvoMacroSettings shown{*decoded.playMode, *decoded.loop};
            EXPECT_EQ(Encode(decoded.steps, shown, variant), data) << "shown and encoded again unchanged";
        }
    }
    const KelvoDecodedMacro move = DecodeKelvoMacro(KelvoVariant::Kelvo, Bytes{0, 4, 0xFB, 0xFF, 0xFC, 0});
    EXPECT_EQ(move.steps, (MacroSteps{{0xFB, -1}}));
    EXPECT_FALSE(move.loop);
    EXPECT_FALSE(DecodeKelvoMacro(KelvoVariant::Kelvo, Bytes{}).playMode);
}

TEST(KelvoCodec, DecodingStopsAtTheLengthAndAtTheDataEnd) {
    // The length ends the steps before the trailing key step.
    EXPECT_EQ(DecodeKelvoMacro(KelvoVariant::Kelvo, Bytes{0, 3, 0x82, 4, 0x82, 5}).steps, (MacroSteps{{0x82, 4}}));
    EXPECT_TRUE(DecodeKelvoMacro(KelvoVariant::Kelvo, Bytes{0, 0, 0x82, 4}).steps.empty()) << "end before the start";
    EXPECT_TRUE(DecodeKelvoMacro(KelvoVariant::Driver, Bytes{0, 0, 1, 0x82, 4}).steps.empty());
    Bytes longLength = {0, 0xFF, 0x82, 4, 0xA1, 0xFE};
    hostile::GuardedBytes guarded(longLength);
    const KelvoDecodedMacro decoded = DecodeKelvoMacro(KelvoVariant::Kelvo, {guarded.data(), guarded.size()});
    EXPECT_EQ(decoded.steps, (MacroSteps{{0x82, 4}, {0xA1, 0xA1}})) << "FE without its operand is dropped";
    Bytes driverLength = {0, 0xFF, 0xFF, 0xFD, 0x03, 0x21};
    hostile::GuardedBytes driver(driverLength);
    const KelvoDecodedMacro driverDecoded = DecodeKelvoMacro(KelvoVariant::Driver, {driver.data(), driver.size()});
    EXPECT_EQ(driverDecoded.steps, (MacroSteps{{0x21, 0x21}}));
    EXPECT_EQ(driverDecoded.loop->repeatCount, 4);
    for (size_t size = 0; size < 3; ++size) {
        hostile::GuardedBytes shortData(Bytes(size, 0xFE));
        DecodeKelvoMacro(KelvoVariant::Driver, {shortData.data(), shortData.size()});
        DecodeKelvoMacro(KelvoVariant::Kelvo, {shortData.data(), shortData.size()});
    }
}

TEST(KelvoCodec, RoomEndsAtTheDataFieldAndCountsInsertsToo) {
    MacroSteps steps(108, MacroStep{0x82, 4});  // 216 step bytes: the data is 222 bytes
    EXPECT_TRUE(KelvoHasRoomFor(steps, steps.size(), {{0xFE, 8}}));
    EXPECT_TRUE(KelvoHasRoomFor(steps, steps.size(), {{0xA1, 0xA1}, {0x21, 0x21}}));
    EXPECT_FALSE(KelvoHasRoomFor(steps, steps.size(), {{0xFE, 8}, {0xA1, 0xA1}})) << "an event and its delay";
    EXPECT_FALSE(KelvoHasRoomFor(steps, 3, {{0xA1, 0xA1}, {0xFE, 50}, {0x21, 0x21}})) << "an inserted click";
    EXPECT_TRUE(KelvoHasRoomFor(steps, 999, {{0x99, 0}, {0x77, 0}})) << "steps without bytes take no room";
    steps.push_back({0xFE, 8});
    EXPECT_EQ(Encode(steps).size(), kKelvoMacroDataLimit);
    EXPECT_FALSE(KelvoHasRoomFor(steps, 0, {{0xA1, 0xA1}}));
    EXPECT_TRUE(KelvoHasRoomFor(steps, 0, {}));
}

TEST(KelvoCodec, TooManyStepsStillEndWithMarkerAndChecksum) {
    for (KelvoVariant variant : {KelvoVariant::Kelvo, KelvoVariant::Driver}) {
        const Bytes data = Encode(MacroSteps(300, MacroStep{0x82, 4}), kContinueOnce, variant);
        const size_t frame = variant == KelvoVariant::Kelvo ? 6 : 7;
        EXPECT_EQ(data.size(), frame + 218);
        EXPECT_EQ(data[data.size() - 2], 0xFC);
        EXPECT_EQ(DecodeKelvoMacro(variant, data).steps.size(), 109u);
        uint8_t sum = 0;
        for (size_t i = 1; i + 1 < data.size(); ++i) sum = static_cast<uint8_t>(sum + data[i]);
        EXPECT_EQ(data.back(), sum ^ 0x5A);
    }
}

TEST(KelvoCodec, HostileDataIsNeverReadPastItsEnd) {
    const std::vector<Bytes> seeds = {
        Encode({{0x82, 0x04}, {0xFE, 100}, {0x02, 0x04}, {0xFB, -3}, {0xFA, 9}, {0xA1, 1}, {0x21, 1}}),
        Encode({{0x81, 2}, {0xFE, 2048}, {0x01, 2}}, kContinueEndless, KelvoVariant::Driver),
        Encode(MacroSteps(120, MacroStep{0x82, 4})),
    };
    const std::vector<Bytes> tokens = {{0x01}, {0x81}, {0x02}, {0x82}, {0xFA}, {0xFB}, {0xFD},
                                       {0xFE}, {0xFC}, {0xFF}, {0x21}, {0xB0}, {0xFC, 0x00}};
    hostile::Mutator mutator(0x4B454C56);
    for (int round = 0; round < 5000; ++round) {
        const Bytes bytes = mutator.Mutate(seeds, tokens);
        hostile::GuardedBytes guarded(bytes);
        for (KelvoVariant variant : {KelvoVariant::Kelvo, KelvoVariant::Driver}) {
            const KelvoDecodedMacro decoded = DecodeKelvoMacro(variant, {guarded.data(), guarded.size()});
            ASSERT_LE(decoded.steps.size(), bytes.size());
            const Bytes again = Encode(decoded.steps, kContinueOnce, variant);
            ASSERT_LE(again.size(), kKelvoMacroDataLimit + 1);
        }
    }
}

}  // namespace
