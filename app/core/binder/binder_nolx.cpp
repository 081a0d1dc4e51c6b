// Settings wrappers of the Dolv, Mesk and Qiro mice: one body over the
// families' differences (key tables, fire macros, Mesk's breath rate).
#include "app/core/binder/binder_calls.h"
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/binder/wire_fields.h"

#include <algorithm>

namespace {

constexpr int kCpiLevels = 7;
constexpr int kFireKeys = 3;
constexpr size_t kMacroHeader = 16;
// The library copies a macro of up to 497 bytes out of its 512-byte area.
constexpr size_t kMacroArea = 512;
// No 512-byte area holds more macros than this.
constexpr int kMaxDeviceMacros = static_cast<int>(kMacroArea / kMacroHeader);

using Settings = DeviceSettingsRecord;

// What the three families share, with the family's chip word in every name.
#define VASTEMOR_NOLX_FAMILY(Chip)                                                         \
    static constexpr DeviceLibrary library = DeviceLibrary::Chip;                          \
    static constexpr auto KeyMode = &Settings::Chip##KeyMode;                              \
    static constexpr auto ReportRate = &Settings::Chip##ReportRate;                        \
    static constexpr auto LedRate = &Settings::Chip##LedRate;                              \
    static constexpr auto LedMode = &Settings::Chip##LedMode;                              \
    static constexpr auto ActiveCpiLevel = &Settings::Chip##ActiveCpiLevel;                \
    static constexpr auto CpiLevelCount = &Settings::Chip##CpiLevelCount;                  \
    static constexpr auto FireKeys = &Settings::FireKeyTable##Chip;                        \
    static RecordList<CpiLevelEntry>& CpiLevels() { return Chip##CpiLevels; }              \
    static MacroList& DeviceMacros() { return Chip##DeviceMacroList; }                     \
    static RecordList<FireMacroRecord>& FireMacros() { return Chip##FireMacros; }

struct DolvFamily {
    VASTEMOR_NOLX_FAMILY(Dolv)
    VASTEMOR_DOLV_ENTRIES(VASTEMOR_ENTRY_TRAIT)
    static constexpr int kKeyTables = 3;
    static constexpr int kFireMacros = 10;
    static constexpr bool kBreathRateHasOnFlag = true;
    static constexpr auto LedOn = &Settings::DolvLedOn;
    static RecordList<MacroKeyEntry>& KeyTable(int set) {
        return set == 0 ? DolvMacroKeyTable1 : set == 1 ? DolvMacroKeyTable2 : DolvMacroKeyTable3;
    }
};

struct MeskFamily {
    VASTEMOR_NOLX_FAMILY(Mesk)
    VASTEMOR_MESK_ENTRIES(VASTEMOR_ENTRY_TRAIT)
    static constexpr int kKeyTables = 3;
    static constexpr int kFireMacros = 10;
    static constexpr bool kBreathRateHasOnFlag = false;
    static RecordList<MacroKeyEntry>& KeyTable(int set) {
        return set == 0 ? MeskMacroKeyTable1 : set == 1 ? MeskMacroKeyTable2 : MeskMacroKeyTable3;
    }
};

struct QiroFamily {
    VASTEMOR_NOLX_FAMILY(Qiro)
    VASTEMOR_QIRO_ENTRIES(VASTEMOR_ENTRY_TRAIT)
    static constexpr int kKeyTables = 2;
    static constexpr int kFireMacros = 7;
    static constexpr bool kBreathRateHasOnFlag = true;
    static constexpr auto LedOn = &Settings::QiroLedOn;
    static RecordList<MacroKeyEntry>& KeyTable(int set) { return set == 0 ? QiroMacroKeyTable1 : QiroMacroKeyTable2; }
};

#undef VASTEMOR_NOLX_FAMILY

template <class F>
class NolxWrappers {
public:
    explicit NolxWrappers(DeviceLibraryBinder& binder)
        : e_(binder.Entries()), guard_(binder.LockLibrary(F::library)) {}

    bool WriteMacro(int index, uint8_t* nameField16, const uint8_t* data, int length) {
        const auto set = e_.*F::Device_Set_Macro_Data;
        if (!Bound(set) || !nameField16 || length < 0 || (length > 0 && !data)) return false;
        SwapBytes16(nameField16, kMacroHeader);
        return Succeeded(set, index, nameField16, data, length);
    }

    // Reads macros 0, 1, 2 ... until the library has no more.
    bool ReadMacros() {
        const auto get = e_.*F::Device_Get_Macro_Data;
        if (!Bound(get)) return false;
        MacroList& macros = F::DeviceMacros();
        macros.clear();
        for (int n = 0; n < kMaxDeviceMacros; ++n) {
            uint8_t header[kMacroHeader] = {};
            uint8_t data[kMacroArea] = {};
            int address = 0;
            int length = 0;
            if (!Succeeded(get, n, header, data, &address, &length)) break;
            auto macro = std::make_shared<MacroRecord>();
            macro->name = NameFromWireField(header, sizeof(header));
            macro->data.assign(data, data + std::min(static_cast<size_t>(std::max(length, 0)), kMacroArea));
            macro->number = address;
            macros.push_back(std::move(macro));
        }
        return true;
    }

    bool ReadFireKeys() {
        const auto get = e_.*F::Device_Get_Fire_Key_Data;
        if (!Bound(get)) return false;
        auto& keys = DeviceSettings.*F::FireKeys;
        for (int key = 0; key < kFireKeys; ++key) {
            FireKeyEntry& entry = keys[static_cast<size_t>(key)];
            if (!Succeeded(get, key, &entry.code, &entry.value)) return false;
        }
        return true;
    }

    bool WriteFireKey(int key) {
        if (key < 0 || key >= kFireKeys) return false;
        const FireKeyEntry& entry = (DeviceSettings.*F::FireKeys)[static_cast<size_t>(key)];
        return Succeeded(e_.*F::Device_Set_Fire_Key_Data, key, entry.code, entry.value);
    }

    bool ReadKeyMode() { return Succeeded(e_.*F::Devcie_Get_Key_Mode, &(DeviceSettings.*F::KeyMode)); }
    bool WriteKeyMode() { return Succeeded(e_.*F::Devcie_Set_Key_Mode, DeviceSettings.*F::KeyMode); }
    bool ReadReportRate() { return Succeeded(e_.*F::Devcie_Get_Report_Rate, &(DeviceSettings.*F::ReportRate)); }
    bool WriteReportRate() { return Succeeded(e_.*F::Devcie_Set_Report_Rate, DeviceSettings.*F::ReportRate); }

    bool ReadLedBreath() {
        const auto getRate = e_.*F::Device_Get_LED_Breath_Rate;
        const auto getMode = e_.*F::Device_Get_LED_Breath_Mode;
        if (!Bound(getRate, getMode)) return false;
        int& rate = DeviceSettings.*F::LedRate;
        bool rateRead;
        if constexpr (F::kBreathRateHasOnFlag) {
            rateRead = Succeeded(getRate, &rate, &(DeviceSettings.*F::LedOn));
        } else {
            rateRead = Succeeded(getRate, &rate);
        }
        return rateRead && Succeeded(getMode, &(DeviceSettings.*F::LedMode));
    }

    bool WriteLedBreath() {
        const auto setRate = e_.*F::Device_Set_LED_Breath_Rate;
        const auto setMode = e_.*F::Device_Set_LED_Breath_Mode;
        if (!Bound(setRate, setMode)) return false;
        const int rate = DeviceSettings.*F::LedRate;
        bool ok;
        if constexpr (F::kBreathRateHasOnFlag) {
            ok = Succeeded(setRate, rate, DeviceSettings.*F::LedOn);
        } else {
            ok = Succeeded(setRate, rate);
        }
        ok &= Succeeded(setMode, DeviceSettings.*F::LedMode);
        return ok;
    }

    // The library counts key sets and keys from 1.
    bool ReadMacroKeys(int set, int count) {
        const auto get = e_.*F::Devcie_Get_Macro_Key;
        if (!IsKeySet(set) || !Bound(get)) return false;
        RecordList<MacroKeyEntry>& table = F::KeyTable(set);
        table.clear();
        for (int i = 0; i < count; ++i) {
            auto entry = std::make_unique<MacroKeyEntry>();
            entry->index = i;
            uint8_t* b = entry->bytes;
            if (!Succeeded(get, set + 1, i + 1, &b[0], &b[1], &b[2], &b[3])) return false;
            table.push_back(std::move(entry));
        }
        return true;
    }

    bool WriteMacroKey(int set, int index) {
        if (!IsKeySet(set)) return false;
        const MacroKeyEntry* entry = RecordAt(F::KeyTable(set), index);
        if (!entry) return false;
        const uint8_t* b = entry->bytes;
        return Succeeded(e_.*F::Devcie_Set_Macro_Key, set + 1, index + 1, b[0], b[1], b[2], b[3]);
    }

    // Appended only when the library answered.
    bool ReadFireMacro(int index) {
        const auto get = e_.*F::Device_Get_Fire_Macro_Data;
        if (index < 0 || index >= F::kFireMacros || !Bound(get)) return false;
        auto record = std::make_unique<FireMacroRecord>();
        int xAdjust = 0;
        int yAdjust = 0;
        if (!Succeeded(get, index, record->steps, &xAdjust, &yAdjust, &record->red, &record->green, &record->blue)) {
            return false;
        }
        record->xAdjust = static_cast<int8_t>(xAdjust);
        record->yAdjust = static_cast<int8_t>(yAdjust);
        F::FireMacros().push_back(std::move(record));
        return true;
    }

    bool WriteFireMacro(int index) {
        const FireMacroRecord* record = RecordAt(F::FireMacros(), index);
        if (!record || index >= F::kFireMacros) return false;
        return Succeeded(e_.*F::Device_Set_Fire_Macro_Data, index, record->steps, record->xAdjust, record->yAdjust,
                         record->red, record->green, record->blue);
    }

    // Level indexes count from 0 for values and colours alike.
    bool ReadCpiSettings() {
        const auto getValue = e_.*F::Device_Get_CPI_Value;
        const auto getColour = e_.*F::Device_Get_CPI_Color;
        if (!Bound(e_.*F::Device_Get_Current_CPI_Gear, e_.*F::Device_Get_Number_CPI, getValue, getColour)) {
            return false;
        }
        bool ok = Succeeded(e_.*F::Device_Get_Current_CPI_Gear, &(DeviceSettings.*F::ActiveCpiLevel));
        ok &= Succeeded(e_.*F::Device_Get_Number_CPI, &(DeviceSettings.*F::CpiLevelCount));
        RecordList<CpiLevelEntry>& levels = F::CpiLevels();
        levels.clear();
        for (int i = 0; i < kCpiLevels; ++i) {
            auto level = std::make_unique<CpiLevelEntry>();
            uint8_t red = 0;
            uint8_t green = 0;
            uint8_t blue = 0;
            if (!Succeeded(getValue, i, &level->value) || !Succeeded(getColour, i, &red, &green, &blue)) return false;
            level->red = red;
            level->green = green;
            level->blue = blue;
            levels.push_back(std::move(level));
        }
        return ok;
    }

    // The mouse's own button changes its active level: only a level the
    // user chose is written (WriteActiveCpiLevel), never one the page may
    // not have followed yet. A level that fails does not keep the others
    // from the mouse.
    bool WriteCpiSettings() {
        const auto setValue = e_.*F::Device_Set_CPI_Value;
        const auto setColour = e_.*F::Device_Set_CPI_Color;
        if (!Bound(e_.*F::Device_Set_Number_CPI, setValue, setColour)) return false;
        bool ok = Succeeded(e_.*F::Device_Set_Number_CPI, DeviceSettings.*F::CpiLevelCount);
        for (int i = 0; i < kCpiLevels; ++i) {
            const CpiLevelEntry* level = RecordAt(F::CpiLevels(), i);
            if (!level) return false;
            ok &= Succeeded(setValue, i, level->value);
            ok &= Succeeded(setColour, i, level->red, level->green, level->blue);
        }
        return ok;
    }

    bool WriteActiveCpiLevel() {
        return Succeeded(e_.*F::Device_Set_Current_CPI_Gear, DeviceSettings.*F::ActiveCpiLevel);
    }

    // Qiro only from here on.

    bool ReadComboKeys() {
        const auto get = e_.*F::Devcie_Get_Combo_Key;
        if (!Bound(get)) return false;
        auto& two = DeviceSettings.QiroComboKey2;
        auto& four = DeviceSettings.QiroComboKey4;
        bool ok = Succeeded(get, 2, &two[0], &two[1], &two[2], &two[3]);
        ok &= Succeeded(get, 4, &four[0], &four[1], &four[2], &four[3]);
        return ok;
    }

    bool WriteComboKeys() {
        const auto set = e_.*F::Devcie_Set_Combo_Key;
        if (!Bound(set)) return false;
        const auto& two = DeviceSettings.QiroComboKey2;
        const auto& four = DeviceSettings.QiroComboKey4;
        bool ok = Succeeded(set, 2, two[0], two[1], two[2], two[3]);
        ok &= Succeeded(set, 4, four[0], four[1], four[2], four[3]);
        return ok;
    }

private:
    static bool IsKeySet(int set) { return set >= 0 && set < F::kKeyTables; }

    const DeviceEntries& e_;
    DeviceLibraryBinder::Guard guard_;
};

}  // namespace

#define VASTEMOR_DEFINE_NOLX_WRAPPERS(Chip)                                                            \
    bool DeviceLibraryBinder::WriteMacro##Chip(int index, uint8_t* nameField16, const uint8_t* data,  \
                                               int length) {                                           \
        return NolxWrappers<Chip##Family>(*this).WriteMacro(index, nameField16, data, length);        \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadMacros##Chip() { return NolxWrappers<Chip##Family>(*this).ReadMacros(); } \
    bool DeviceLibraryBinder::ReadFireKeys##Chip() { return NolxWrappers<Chip##Family>(*this).ReadFireKeys(); } \
    bool DeviceLibraryBinder::WriteFireKey##Chip(int key) {                                            \
        return NolxWrappers<Chip##Family>(*this).WriteFireKey(key);                                    \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadKeyMode##Chip() { return NolxWrappers<Chip##Family>(*this).ReadKeyMode(); } \
    bool DeviceLibraryBinder::WriteKeyMode##Chip() { return NolxWrappers<Chip##Family>(*this).WriteKeyMode(); } \
    bool DeviceLibraryBinder::ReadReportRate##Chip() {                                                 \
        return NolxWrappers<Chip##Family>(*this).ReadReportRate();                                     \
    }                                                                                                  \
    bool DeviceLibraryBinder::WriteReportRate##Chip() {                                                \
        return NolxWrappers<Chip##Family>(*this).WriteReportRate();                                    \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadLedBreath##Chip() { return NolxWrappers<Chip##Family>(*this).ReadLedBreath(); } \
    bool DeviceLibraryBinder::WriteLedBreath##Chip() {                                                 \
        return NolxWrappers<Chip##Family>(*this).WriteLedBreath();                                     \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadMacroKeys##Chip(int set, int count) {                                \
        return NolxWrappers<Chip##Family>(*this).ReadMacroKeys(set, count);                            \
    }                                                                                                  \
    bool DeviceLibraryBinder::WriteMacroKey##Chip(int set, int index) {                                \
        return NolxWrappers<Chip##Family>(*this).WriteMacroKey(set, index);                            \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadFireMacro##Chip(int index) {                                         \
        return NolxWrappers<Chip##Family>(*this).ReadFireMacro(index);                                 \
    }                                                                                                  \
    bool DeviceLibraryBinder::WriteFireMacro##Chip(int index) {                                        \
        return NolxWrappers<Chip##Family>(*this).WriteFireMacro(index);                                \
    }                                                                                                  \
    bool DeviceLibraryBinder::ReadCpiSettings##Chip() {                                                \
        return NolxWrappers<Chip##Family>(*this).ReadCpiSettings();                                    \
    }                                                                                                  \
    bool DeviceLibraryBinder::WriteCpiSettings##Chip() {                                               \
        return NolxWrappers<Chip##Family>(*this).WriteCpiSettings();                                   \
    }                                                                                                  \
    bool DeviceLibraryBinder::WriteActiveCpiLevel##Chip() {                                            \
        return NolxWrappers<Chip##Family>(*this).WriteActiveCpiLevel();                                \
    }

VASTEMOR_DEFINE_NOLX_WRAPPERS(Dolv)
VASTEMOR_DEFINE_NOLX_WRAPPERS(Mesk)
VASTEMOR_DEFINE_NOLX_WRAPPERS(Qiro)

#undef VASTEMOR_DEFINE_NOLX_WRAPPERS

bool DeviceLibraryBinder::ReadComboKeysQiro() { return NolxWrappers<QiroFamily>(*this).ReadComboKeys(); }
bool DeviceLibraryBinder::WriteComboKeysQiro() { return NolxWrappers<QiroFamily>(*this).WriteComboKeys(); }
