#pragma once
// The Windows pointer settings that the mouse pages show beside each
// controller's own: acceleration, pointer speed, double-click speed and wheel
// lines. Levels are the pages' 1 (slowest) to 11 (fastest) scales.

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct PointerSettingsRecord {
    uint8_t accelerationOn = 0;
    uint8_t scrollByPage = 0;  // the wheel scrolls one page at a time
    int doubleClickLevel = 6;
    int speedLevel = 6;
    int wheelLines = 6;  // per notch; -1 is one page
};

// Shared by every mouse page; read on the read-all worker, written on the
// user-interface thread.
extern PointerSettingsRecord PointerSettings;

// What the settings are read from and written to: the running system's
// parameters and texts under HKEY_CURRENT_USER.
class PointerSystem {
public:
    enum class TextRead { NoKey, NoValue, Read };
    using NamedTexts = std::vector<std::pair<const wchar_t*, std::wstring>>;

    virtual ~PointerSystem() = default;

    // Threshold 1, threshold 2, acceleration.
    virtual bool GetMouse(int values[3]) = 0;
    virtual bool GetMouseSpeed(int* speed) = 0;
    virtual TextRead ReadText(const wchar_t* key, const wchar_t* value, std::wstring* text) = 0;
    // Writes the values as REG_SZ texts; false when the key cannot be opened.
    virtual bool WriteTexts(const wchar_t* key, const NamedTexts& values) = 0;

    virtual void SetMouseSpeed(int speed) = 0;
    virtual void SetMouse(const int values[3]) = 0;
    virtual void SetDoubleClickTime(int milliseconds) = 0;
    virtual void SetWheelScrollLines(int lines) = 0;
};

// SystemParametersInfoW and the user's registry.
PointerSystem& WindowsPointerSystem();

// Pointer speed (1-20) and double-click time of a level; levels outside
// 1-11 count as the nearest of them.
int PointerSpeedOfLevel(int level);
int DoubleClickTimeOfLevel(int level);

void ReadPointerSettings(PointerSystem& system = WindowsPointerSystem());
// Stores the record under "Control Panel\Mouse" and "Control Panel\Desktop"
// (a key that cannot be opened is skipped) and applies it to the running
// system in any case.
void WritePointerSettings(PointerSystem& system = WindowsPointerSystem());
