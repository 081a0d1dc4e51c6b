#include "app/core/pointer/pointer_settings.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>

PointerSettingsRecord PointerSettings;

namespace {

constexpr wchar_t kMouseKey[] = L"Control Panel\\Mouse";
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr int kLevels = 11;
constexpr int kDefaultDoubleClickLevel = 6;
constexpr int kDefaultWheelLines = 6;
constexpr int kLinesForZero = 3;
constexpr int kPageLines = -1;
constexpr int kMaxPointerSpeed = 20;

int LevelIndex(int level) { return std::min(std::max(level, 1), kLevels) - 1; }

// The slowest level whose double-click time the given time reaches.
int DoubleClickLevelOfTime(unsigned milliseconds) {
    for (int level = 1; level < kLevels; ++level) {
        if (milliseconds >= static_cast<unsigned>(DoubleClickTimeOfLevel(level))) return level;
    }
    return kLevels;
}

std::wstring Decimal(int value) { return std::to_wstring(value); }

// The 32-bit value of a decimal text; "-1" and "4294967295" (how Wine's
// SystemParametersInfoW stores a page of wheel lines) are the same value.
uint32_t RegistryValue(const std::wstring& text) {
    return static_cast<uint32_t>(static_cast<unsigned long long>(std::wcstoll(text.c_str(), nullptr, 10)));
}

}  // namespace

int PointerSpeedOfLevel(int level) {
    const int index = LevelIndex(level);
    return index == 0 ? 1 : 2 * index;
}

int DoubleClickTimeOfLevel(int level) { return 900 - 70 * LevelIndex(level); }

void ReadPointerSettings(PointerSystem& system) {
    PointerSettingsRecord& settings = PointerSettings;
    int mouse[3] = {};
    if (system.GetMouse(mouse)) settings.accelerationOn = (mouse[0] || mouse[1] || mouse[2]) ? 1 : 0;
    int speed = 0;
    if (system.GetMouseSpeed(&speed) && speed >= 0 && speed <= kMaxPointerSpeed) settings.speedLevel = speed / 2 + 1;

    settings.doubleClickLevel = kDefaultDoubleClickLevel;
    settings.wheelLines = kDefaultWheelLines;
    std::wstring text;
    if (system.ReadText(kMouseKey, L"DoubleClickSpeed", &text) == PointerSystem::TextRead::Read) {
        settings.doubleClickLevel = DoubleClickLevelOfTime(RegistryValue(text));
    }
    const PointerSystem::TextRead wheel = system.ReadText(kDesktopKey, L"WheelScrollLines", &text);
    if (wheel == PointerSystem::TextRead::NoKey) return;
    if (wheel == PointerSystem::TextRead::Read) {
        const int lines = static_cast<int32_t>(RegistryValue(text));
        settings.wheelLines = lines == 0 ? kLinesForZero : lines;
    }
    settings.scrollByPage = settings.wheelLines == kPageLines ? 1 : 0;
}

void WritePointerSettings(PointerSystem& system) {
    const PointerSettingsRecord& settings = PointerSettings;
    const bool acceleration = settings.accelerationOn != 0;
    const int speed = PointerSpeedOfLevel(settings.speedLevel);
    const int doubleClickTime = DoubleClickTimeOfLevel(settings.doubleClickLevel);
    const int wheelLines = settings.scrollByPage ? kPageLines : settings.wheelLines;

    system.WriteTexts(kMouseKey, {
                                     {L"MouseSpeed", acceleration ? L"1" : L"0"},
                                     {L"MouseThreshold1", acceleration ? L"6" : L"0"},
                                     {L"MouseThreshold2", acceleration ? L"10" : L"0"},
                                     {L"DoubleClickSpeed", Decimal(doubleClickTime)},
                                     {L"MouseSensitivity", Decimal(speed)},
                                 });
    system.WriteTexts(kDesktopKey, {{L"WheelScrollLines", Decimal(wheelLines)}});

    system.SetMouseSpeed(speed);
    const int accelerationOn[3] = {6, 10, 1};
    const int accelerationOff[3] = {0, 0, 0};
    system.SetMouse(acceleration ? accelerationOn : accelerationOff);
    system.SetDoubleClickTime(doubleClickTime);
    system.SetWheelScrollLines(wheelLines);
}
