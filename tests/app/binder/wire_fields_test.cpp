// Names and data in fixed device and file fields; DPI texts by step.
#include "app/core/settings/constants.h"
#include "app/core/binder/wire_fields.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WireFields, NamesRoundTripSwappedAndCutToTheField) {
    uint8_t field[16];
    NameToWireField(L"Fire\x00E9", field, sizeof(field));
    const uint8_t expected[16] = {0, 'F', 0, 'i', 0, 'r', 0, 'e', 0, 0xE9};
    EXPECT_EQ(std::vector<uint8_t>(field, field + 16), std::vector<uint8_t>(expected, expected + 16));
    EXPECT_EQ(NameFromWireField(field, sizeof(field)).Compare(L"Fire\x00E9"), 0);

    NameToWireField(L"ABCDEFGHIJ", field, sizeof(field));
    EXPECT_EQ(NameFromWireField(field, sizeof(field)).Compare(L"ABCDEFGH"), 0) << "eight units, no zero";
    EXPECT_TRUE(NameFromWireField(field, 0).IsEmpty());

    uint8_t odd[3] = {1, 2, 3};
    SwapBytes16(odd, 3);
    EXPECT_EQ(odd[0], 2);
    EXPECT_EQ(odd[2], 3) << "an odd last byte stays";

    uint8_t data[4] = {9, 9, 9, 9};
    DataToField({1, 2}, data, sizeof(data));
    EXPECT_EQ(std::vector<uint8_t>(data, data + 4), (std::vector<uint8_t>{1, 2, 0, 0}));
    DataToField(std::vector<uint8_t>(10, 7), data, sizeof(data));
    EXPECT_EQ(data[3], 7);
}

TEST(DpiSteps, AnIndexOutsideAListHasNoText) {
    EXPECT_EQ(DpiStepText(DpiStepsQiro, 12).Compare(L"8000"), 0);
    EXPECT_TRUE(DpiStepText(DpiStepsDolv, 12).IsEmpty());
    EXPECT_TRUE(DpiStepText(DpiStepsMesk, -1).IsEmpty());
    EXPECT_EQ(DpiStepText(DpiStepsKelvo, 11).Compare(L"8000"), 0);
    EXPECT_EQ(MediaKeyNames.size(), 24u);
    EXPECT_EQ(FunctionKeyNames.size(), 12u);
}
