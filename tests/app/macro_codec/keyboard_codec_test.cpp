// The keyboard's macro byte code.
#include "app/macro/codec/keyboard_macro_codec.h"
#include "tests/support/guarded_bytes.h"
#include "tests/support/mutator.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

KeyboardDecodedMacro Decode(const Bytes& bytes) {
    hostile::GuardedBytes guarded(bytes);
    return DecodeKeyboardMacro({guarded.data(), guarded.size()});
}

TEST(KeyboardCodec, WorkedExamplesEncodeByteForByte) {
    EXPECT_EQ(EncodeKeyboardMacro({{0x81, 0x04}, {0x01, 0x04}}, {KeyboardLoopMode::Count, 3}),
              (Bytes{0x05, 0x02, 0x81, 0x04, 0x01, 0x04, 0x06}));
    EXPECT_EQ(EncodeKeyboardMacro({{0x04, 500}}, {KeyboardLoopMode::Continue, 1}),
              (Bytes{0x08, 0x05, 0xFF, 0x04, 0x01, 0xF4, 0x06}));
    EXPECT_EQ(EncodeKeyboardMacro({{0x03, -5}, {0x03, 10}, {0x82, 1}, {0x02, 16}}, {KeyboardLoopMode::Stop, 1}),
              (Bytes{0x07, 0x05, 0xFF, 0x03, 0xFB, 0x0A, 0x82, 0x01, 0x02, 0x10, 0x06}));
}

TEST(KeyboardCodec, ValuesHeldAndRowsLeftOut) {
    EXPECT_EQ(EncodeKeyboardMacro({}, {KeyboardLoopMode::Count, 0}), (Bytes{0x05, 0x00, 0x06}));
    EXPECT_EQ(EncodeKeyboardMacro({}, {KeyboardLoopMode::Count, 300}), (Bytes{0x05, 0xFF, 0x06}));
    EXPECT_EQ(Decode({0x05, 0xFF, 0x06}).loop->repeatCount, 256);
    EXPECT_EQ(EncodeKeyboardMacro({}, {7, 1}), (Bytes{0x06})) << "no header for an unknown mode";
    EXPECT_EQ(EncodeKeyboardMacro({{0x04, 65536}, {0x04, -9}, {0x03, 4}, {0x81, 4}, {0x03, 128}, {0xFE, 1}}, {2, 1}),
              (Bytes{0x08, 0x05, 0xFF, 0x04, 0xFF, 0xFF, 0x04, 0x00, 0x00, 0x03, 0x04, 0x00, 0x81, 0x04, 0x03, 0x7F,
                     0x00, 0x06}))
        << "lone move rows have Y 0";
}

TEST(KeyboardCodec, DecodingShowsStepsAndTheLoopOption) {
    const MacroSteps steps = {{0x81, 0xE1}, {0x04, 1000}, {0x03, -128}, {0x03, 127}, {0x82, 4}, {0x02, 4}, {0x01, 0xE1}};
    for (const KeyboardLoop& loop : {KeyboardLoop{KeyboardLoopMode::Count, 254}, KeyboardLoop{KeyboardLoopMode::Stop, 1},
                                     KeyboardLoop{KeyboardLoopMode::Continue, 1}}) {
        Bytes data = EncodeKeyboardMacro(steps, loop);
        data.resize(kKeyboardMacroDataLimit, 0);  // as the file keeps it
        const KeyboardDecodedMacro decoded = Decode(data);
        EXPECT_EQ(decoded.steps, steps);
        ASSERT_TRUE(decoded.loop);
        EXPECT_EQ(decoded.loop->mode, loop.mode);
        if (loop.mode == KeyboardLoopMode::Count) {
            EXPECT_EQ(decoded.loop->repeatCount, 254);
        }
    }
    const KeyboardDecodedMacro continued = Decode({0x08, 0x05, 0xFF, 0x04, 0x01, 0xF4, 0x06});
    EXPECT_EQ(continued.loop->mode, KeyboardLoopMode::Continue);
    EXPECT_EQ(continued.steps, (MacroSteps{{0x04, 500}}));
    EXPECT_FALSE(Decode({0x81, 4, 0x06}).loop);
}

TEST(KeyboardCodec, DelaysAreReadHighByteFirst) {
    EXPECT_EQ(Decode({0x04, 0x00, 0x01, 0x04, 0x00, 0xFF, 0x04, 0x01, 0x00, 0x04, 0x01, 0x2C, 0x04, 0xFF, 0xFF, 0x06})
                  .steps,
              (MacroSteps{{0x04, 1}, {0x04, 255}, {0x04, 256}, {0x04, 300}, {0x04, 65535}}));
}

TEST(KeyboardCodec, DecodingNeverReadsPastTheData) {
    EXPECT_EQ(Decode({0x81, 4, 0x04, 0x01}).steps, (MacroSteps{{0x81, 4}}));
    EXPECT_EQ(Decode({0x03, 0x01}).steps, MacroSteps{});
    EXPECT_FALSE(Decode({0x05}).loop);
    EXPECT_EQ(Decode({0x07}).loop->mode, KeyboardLoopMode::Stop) << "the option needs no operand";
    EXPECT_EQ(Decode({0x08, 0x05}).loop->mode, KeyboardLoopMode::Continue);
    const std::vector<Bytes> seeds = {
        EncodeKeyboardMacro({{0x81, 0x04}, {0x01, 0x04}, {0x04, 500}, {0x82, 1}}, {KeyboardLoopMode::Count, 3}),
        EncodeKeyboardMacro({{0x04, 500}, {0x03, 2}}, {KeyboardLoopMode::Continue, 1}),
        EncodeKeyboardMacro(MacroSteps(60, MacroStep{0x81, 4}), {KeyboardLoopMode::Stop, 1}),
    };
    const std::vector<Bytes> tokens = {{0x01}, {0x81}, {0x02}, {0x82}, {0x03}, {0x04},
                                       {0x05}, {0x06}, {0x07}, {0x08}, {0xFF}};
    hostile::Mutator mutator(0x57454E4B);
    for (int round = 0; round < 5000; ++round) {
        const Bytes bytes = mutator.Mutate(seeds, tokens);
        const KeyboardDecodedMacro decoded = Decode(bytes);
        ASSERT_LE(decoded.steps.size(), bytes.size());
        const Bytes again = EncodeKeyboardMacro(decoded.steps, decoded.loop ? *decoded.loop : KeyboardLoop{});
        ASSERT_LE(again.size(), kKeyboardMacroDataLimit);
        ASSERT_EQ(again.back(), 0x06);
    }
}

TEST(KeyboardCodec, RoomEndsAt144BytesAndCountsWhatIsAdded) {
    MacroSteps steps(70, MacroStep{0x81, 4});  // 05 n, 140 step bytes, 06: 143 bytes
    EXPECT_TRUE(KeyboardHasRoomFor(KeyboardLoopMode::Count, steps, 0, {}));
    EXPECT_FALSE(KeyboardHasRoomFor(KeyboardLoopMode::Count, steps, 0, {{0x81, 5}}));
    EXPECT_TRUE(KeyboardHasRoomFor(KeyboardLoopMode::Stop, steps, 0, {})) << "a three-byte header: 144 bytes";
    EXPECT_FALSE(KeyboardHasRoomFor(KeyboardLoopMode::Stop, steps, 0, {{0x77, 0}, {0x02, 1}}));
    steps.pop_back();  // 141 bytes
    EXPECT_TRUE(KeyboardHasRoomFor(KeyboardLoopMode::Count, steps, 3, {{0x03, 1}, {0x03, 2}}));
    EXPECT_FALSE(KeyboardHasRoomFor(KeyboardLoopMode::Count, steps, 3, {{0x82, 1}, {0x04, 50}, {0x02, 1}}))
        << "an inserted click";
    EXPECT_TRUE(KeyboardHasRoomFor(KeyboardLoopMode::Count, steps, 3, {{0x82, 1}}));
    const Bytes full = EncodeKeyboardMacro(MacroSteps(100, MacroStep{0x04, 9}), {KeyboardLoopMode::Stop, 1});
    EXPECT_EQ(full.size(), 142u) << "whole steps only";
    EXPECT_EQ(full.back(), 0x06);
}

}  // namespace
