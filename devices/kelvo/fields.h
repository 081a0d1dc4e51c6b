#pragma once
// The field accessors over the Kelvo working copy. Getters and setters touch
// only the copy; an index, length or macro address outside its table is
// refused (false) and changes nothing.

#include "devices/kelvo/working_copy.h"

#include <array>

namespace kelvo {

enum class Flag {
    LedB4Cpi,            // 0x00 bit 0
    LedFireFn,           // 0x00 bit 1
    LedLCpi,             // 0x00 bit 2
    SaveKeyMode,         // 0x00 bit 3
    MiddleKeyPressType,  // 0x01 bit 0
    CpiKeyPressType,     // 0x01 bit 1
    GunKeyPressType,     // 0x01 bit 2
    KeyCount,            // 0x01 bit 5
    McuLedControl,       // 0x03 bit 3
    LedOnOff,            // 0x32 bit 3, complement in 0x33
    KeyMode,             // 0x34 bit 7, complement in 0x35; read as 0 or 1
};
// The flag's bit value as stored (0 or the bit), KeyMode as 0 or 1.
int getFlag(const WorkingCopy& copy, Flag flag);
void setFlag(WorkingCopy& copy, Flag flag, bool on);

enum class ByteField {
    CpiStep,     // 0x02
    CurrentCpi,  // 0x30, complement in 0x31
    DeviceVid,   // 0x36
    DevicePid,   // 0x37
    FireCount,   // 0xF2
    FireTime,    // 0xF8
};
uint8_t getByte(const WorkingCopy& copy, ByteField field);
void setByte(WorkingCopy& copy, ByteField field, int value);

// Coded fields; a setter given a value outside its table changes nothing.
int getLedType(const WorkingCopy& copy);
void setLedType(WorkingCopy& copy, int type);
int getSensorOrientation(const WorkingCopy& copy);
void setSensorOrientation(WorkingCopy& copy, int code);
int getMcuLedCount(const WorkingCopy& copy);
void setMcuLedCount(WorkingCopy& copy, int count);
// Stored as mode index + 1; the getter yields the stored field.
int getLedMode(const WorkingCopy& copy);
void setLedMode(WorkingCopy& copy, int modeIndex);
int getLedStep(const WorkingCopy& copy);
void setLedStep(WorkingCopy& copy, int step);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};
using Triple = std::array<uint8_t, 3>;

bool getMcuLedSource(const WorkingCopy& copy, int source, int& on);
bool setMcuLedSource(WorkingCopy& copy, int source, bool on);
bool getCpiValue(const WorkingCopy& copy, int index, int& value);
bool setCpiValue(WorkingCopy& copy, int index, int value);
// Levels count from 1.
bool getCpiColour(const WorkingCopy& copy, int level, Rgb& colour);
bool setCpiColour(WorkingCopy& copy, int level, const Rgb& colour);
// Set 0 is the first key set, any other set the second.
bool getKeyAssignment(const WorkingCopy& copy, int set, int index, Triple& bytes);
bool setKeyAssignment(WorkingCopy& copy, int set, int index, const Triple& bytes);
bool getFireKey(const WorkingCopy& copy, int index, Triple& bytes);
bool setFireKey(WorkingCopy& copy, int index, const Triple& bytes);
bool getFireYAxis(const WorkingCopy& copy, int index, uint8_t& value);
bool setFireYAxis(WorkingCopy& copy, int index, int value);
bool getFireColour(const WorkingCopy& copy, int index, Rgb& colour);
bool setFireColour(WorkingCopy& copy, int index, const Rgb& colour);
bool getFireBuffer(const WorkingCopy& copy, int index, uint8_t* buffer, int length);
// Writes the checksum of the first length-1 bytes into the caller's last byte
// first, then stores all length bytes.
bool setFireBuffer(WorkingCopy& copy, int index, uint8_t* buffer, int length);

// A macro at macro address A: its 32-byte name at offset A-0x121 of the macro
// region, its data right behind; data byte 1 counts the bytes after it.
constexpr size_t kMacroNameSize = 32;
constexpr size_t kMacroDataMax = 257;
bool getMacro(const WorkingCopy& copy, int macroAddress, uint8_t* name, uint8_t* data);
bool setMacro(WorkingCopy& copy, int macroAddress, const uint8_t* name, const uint8_t* data);

}  // namespace kelvo
