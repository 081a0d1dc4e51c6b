#include "devices/kelvo/fields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using kelvo::Flag;
using kelvo::WorkingCopy;

bool same(const WorkingCopy& a, const WorkingCopy& b) {
    return a.front == b.front && a.fireBuffers == b.fireBuffers && a.macros == b.macros;
}

WorkingCopy scrambled() {
    WorkingCopy copy;
    for (size_t i = 0; i < copy.front.size(); ++i) copy.front[i] = static_cast<uint8_t>(i * 37 + 11);
    for (size_t i = 0; i < copy.macros.size(); ++i) copy.macros[i] = static_cast<uint8_t>(i * 5 + 1);
    return copy;
}

TEST(KelvoFields, EachFlagChangesOnlyItsBitAndItsComplement) {
    struct Case {
        Flag flag;
        size_t address;
        uint8_t bit;
        int whenSet;
        size_t complement;
    };
    const Case cases[] = {
        {Flag::LedB4Cpi, 0x00, 0x01, 1, 0},         {Flag::LedFireFn, 0x00, 0x02, 2, 0},
        {Flag::LedLCpi, 0x00, 0x04, 4, 0},          {Flag::SaveKeyMode, 0x00, 0x08, 8, 0},
        {Flag::MiddleKeyPressType, 0x01, 0x01, 1, 0}, {Flag::CpiKeyPressType, 0x01, 0x02, 2, 0},
        {Flag::GunKeyPressType, 0x01, 0x04, 4, 0},  {Flag::KeyCount, 0x01, 0x20, 0x20, 0},
        {Flag::McuLedControl, 0x03, 0x08, 8, 0},    {Flag::LedOnOff, 0x32, 0x08, 8, 0x33},
        {Flag::KeyMode, 0x34, 0x80, 1, 0x35},
    };
    for (const Case& c : cases) {
        for (bool on : {true, false}) {
            WorkingCopy copy = scrambled();
            WorkingCopy expected = copy;
            kelvo::setFlag(copy, c.flag, on);
            expected.front[c.address] = static_cast<uint8_t>(on ? expected.front[c.address] | c.bit
                                                                : expected.front[c.address] & ~c.bit);
            if (c.complement) expected.front[c.complement] = static_cast<uint8_t>(~expected.front[c.address]);
            EXPECT_TRUE(same(copy, expected)) << c.address << " " << int(c.bit);
            EXPECT_EQ(kelvo::getFlag(copy, c.flag), on ? c.whenSet : 0);
        }
    }
}

TEST(KelvoFields, LedModeIsStoredPlusOne) {
    WorkingCopy copy = scrambled();
    kelvo::setLedMode(copy, 2);
    EXPECT_EQ(kelvo::getLedMode(copy), 3);
    const uint8_t before = copy.front[0x32];
    kelvo::setLedMode(copy, 7);
    EXPECT_EQ(copy.front[0x32], before);
    kelvo::setLedStep(copy, 6);
    EXPECT_EQ(copy.front[0x32] >> 5, 1);
    EXPECT_EQ(kelvo::getLedStep(copy), 6);
    EXPECT_EQ(kelvo::getLedMode(copy), 3);
}

TEST(KelvoFields, LedTypeZeroThenThreeKeepsBitFour) {
    for (uint8_t bit4 : {0x00, 0x10}) {
        WorkingCopy copy;
        copy.front[0x01] = bit4;
        kelvo::setLedType(copy, 0);
        EXPECT_EQ(kelvo::getLedType(copy), 0);
        kelvo::setLedType(copy, 3);
        EXPECT_EQ(kelvo::getLedType(copy), 3);
        EXPECT_EQ(copy.front[0x01] & 0x10, bit4);
        EXPECT_EQ(copy.front[0x00] & 0x80, 0x80);
    }
    WorkingCopy copy;
    copy.front[0x01] = 0x18;
    EXPECT_EQ(kelvo::getLedType(copy), 0);  // no LED whatever the type bits say
    kelvo::setLedType(copy, 4);
    EXPECT_EQ(copy.front[0x01], 0x18);
}

TEST(KelvoFields, SensorOrientationTableBothWays) {
    const uint8_t bits[8] = {0x70, 0x20, 0x40, 0x10, 0x60, 0x50, 0x00, 0x30};
    for (int code = 0; code < 8; ++code) {
        WorkingCopy copy;
        copy.front[0x00] = 0x8F;
        kelvo::setSensorOrientation(copy, code);
        EXPECT_EQ(copy.front[0x00], 0x8F | bits[code]) << code;
        EXPECT_EQ(kelvo::getSensorOrientation(copy), code);
    }
    WorkingCopy copy;
    copy.front[0x00] = 0x35;
    kelvo::setSensorOrientation(copy, 8);
    EXPECT_EQ(copy.front[0x00], 0x35);
    EXPECT_EQ(kelvo::getSensorOrientation(copy), 7);
}

TEST(KelvoFields, McuLedCountIsThirteenMinusTheField) {
    for (int count = 4; count <= 13; ++count) {
        WorkingCopy copy;
        copy.front[0x03] = 0x0F;
        kelvo::setMcuLedCount(copy, count);
        EXPECT_EQ(copy.front[0x03], ((13 - count) << 4) | 0x0F);
        EXPECT_EQ(kelvo::getMcuLedCount(copy), count);
    }
    WorkingCopy copy;
    for (uint8_t field : {10, 15}) {
        copy.front[0x03] = static_cast<uint8_t>(field << 4);
        EXPECT_EQ(kelvo::getMcuLedCount(copy), 13);
    }
    kelvo::setMcuLedCount(copy, 14);
    EXPECT_EQ(copy.front[0x03], 0xF0);
}

TEST(KelvoFields, IndexesOutsideTheirTablesAreRefusedAndChangeNothing) {
    WorkingCopy copy = scrambled();
    const WorkingCopy before = copy;
    int value = 0;
    kelvo::Rgb colour{1, 2, 3};
    kelvo::Triple bytes{1, 2, 3};
    uint8_t byte = 0;
    uint8_t buffer[25] = {};
    const uint8_t name[32] = {};
    uint8_t data[258] = {0, 10};

    EXPECT_FALSE(kelvo::setCpiValue(copy, 7, 1));
    EXPECT_FALSE(kelvo::setCpiValue(copy, -1, 1));
    EXPECT_FALSE(kelvo::getCpiValue(copy, 7, value));
    EXPECT_FALSE(kelvo::setCpiColour(copy, 0, colour));
    EXPECT_FALSE(kelvo::setCpiColour(copy, 8, colour));
    EXPECT_FALSE(kelvo::getCpiColour(copy, 8, colour));
    EXPECT_FALSE(kelvo::setKeyAssignment(copy, 0, 9, bytes));
    EXPECT_FALSE(kelvo::setKeyAssignment(copy, 1, -1, bytes));
    EXPECT_FALSE(kelvo::getKeyAssignment(copy, 1, 9, bytes));
    EXPECT_FALSE(kelvo::setFireKey(copy, 10, bytes));
    EXPECT_FALSE(kelvo::setFireYAxis(copy, -1, 1));
    EXPECT_FALSE(kelvo::getFireYAxis(copy, 10, byte));
    EXPECT_FALSE(kelvo::setFireColour(copy, 10, colour));
    EXPECT_FALSE(kelvo::setMcuLedSource(copy, 8, true));
    EXPECT_FALSE(kelvo::getMcuLedSource(copy, -1, value));
    EXPECT_FALSE(kelvo::setFireBuffer(copy, 10, buffer, 24));
    EXPECT_FALSE(kelvo::setFireBuffer(copy, 0, buffer, 25));
    EXPECT_FALSE(kelvo::setFireBuffer(copy, 0, buffer, 0));
    EXPECT_FALSE(kelvo::getFireBuffer(copy, 0, buffer, 25));
    EXPECT_FALSE(kelvo::setMacro(copy, 0x120, name, data));       // name before the region
    EXPECT_FALSE(kelvo::setMacro(copy, 0x101 + 1536 - 11, name, data));  // data one past its end
    EXPECT_FALSE(kelvo::getMacro(copy, 0x100 + 1536, data, data));  // count byte past the end
    EXPECT_TRUE(same(copy, before));
    EXPECT_EQ(buffer[0], 0);  // a refused fire buffer gets no checksum either
    EXPECT_TRUE(kelvo::setMacro(copy, 0x101 + 1536 - 12, name, data));  // the last byte fits
}

TEST(KelvoFields, FireBufferSetterWritesTheChecksumIntoTheCallersBuffer) {
    WorkingCopy copy;
    uint8_t buffer[24];
    for (int i = 0; i < 24; ++i) buffer[i] = static_cast<uint8_t>(i + 1);
    ASSERT_TRUE(kelvo::setFireBuffer(copy, 9, buffer, 24));
    EXPECT_EQ(buffer[23], kelvo::blockChecksum(buffer, 23));
    EXPECT_TRUE(std::equal(buffer, buffer + 24, copy.fireBuffers.begin() + 216));
    uint8_t out[24] = {};
    ASSERT_TRUE(kelvo::getFireBuffer(copy, 9, out, 24));
    EXPECT_TRUE(std::equal(buffer, buffer + 24, out));
}

TEST(KelvoFields, MacroMovesNameAndCountedDataAndNoMore) {
    WorkingCopy copy;
    uint8_t name[32];
    for (int i = 0; i < 32; ++i) name[i] = static_cast<uint8_t>('a' + i % 26);
    uint8_t data[258];
    std::fill(std::begin(data), std::end(data), 0x77);
    data[0] = 0x01;
    data[1] = 255;  // 257 bytes in all
    const int address = 0x121 + 1000;  // straddles the 1024-byte boundary of the region
    ASSERT_TRUE(kelvo::setMacro(copy, address, name, data));
    EXPECT_EQ(copy.macros[1000], 'a');
    EXPECT_EQ(copy.macros[1032], 0x01);
    EXPECT_EQ(copy.macros[1032 + 256], 0x77);
    EXPECT_EQ(copy.macros[1032 + 257], 0x00);

    uint8_t nameOut[32] = {};
    uint8_t dataOut[258];
    std::fill(std::begin(dataOut), std::end(dataOut), 0xEE);
    ASSERT_TRUE(kelvo::getMacro(copy, address, nameOut, dataOut));
    EXPECT_TRUE(std::equal(name, name + 32, nameOut));
    EXPECT_TRUE(std::equal(data, data + 257, dataOut));
    EXPECT_EQ(dataOut[257], 0xEE);
}

}  // namespace
