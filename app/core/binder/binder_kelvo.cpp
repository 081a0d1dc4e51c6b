// Settings wrappers of the Kelvo mouse and of the Kelvo driver mouse, whose
// library offers the same calls under its own suffix.
#include "app/core/binder/binder_calls.h"
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/binder/wire_fields.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kCpiLevels = 7;
constexpr int kFireEntries = 10;
constexpr int kFireStepBytes = 24;
constexpr size_t kMacroNameField = 32;

using Settings = DeviceSettingsRecord;

// What the two families share, with the family's word in every name.
#define VASTEMOR_KELVO_FAMILY(Word)                                                        \
    static constexpr DeviceLibrary library = DeviceLibrary::Word;                          \
    static constexpr auto FireCount = &Settings::Word##FireCount;                          \
    static constexpr auto FireTime = &Settings::Word##FireTime;                            \
    static constexpr auto KeyMode = &Settings::Word##KeyMode;                              \
    static constexpr auto CpiCount = &Settings::Word##CpiCount;                            \
    static constexpr auto CurrentCpi = &Settings::Word##CurrentCpi;                        \
    static RecordList<ButtonAssignmentEntry>& ButtonTable(int table) {                     \
        return table == 0 ? Word##ButtonTable1 : Word##ButtonTable2;                       \
    }                                                                                      \
    static RecordList<CpiLevelEntry>& CpiLevels() { return Word##CpiLevels; }              \
    static MacroCache& Cache() { return Word##MacroCache; }

struct KelvoFamily {
    VASTEMOR_KELVO_FAMILY(Kelvo)
    VASTEMOR_KELVO_ENTRIES(VASTEMOR_ENTRY_TRAIT)

    // The library copies data[1] + 2 bytes, up to 257, in and out of these buffers.
    static constexpr size_t kMacroSendField = 258;
    static constexpr size_t kMacroReadBuffer = 258;
    static constexpr size_t kMacroKept = 256;
    static size_t MacroLength(const std::vector<uint8_t>& data) { return data[1] + 2u; }
};

struct KelvoDriverFamily {
    VASTEMOR_KELVO_FAMILY(KelvoDriver)
    VASTEMOR_KELVO_DRIVER_ENTRIES(VASTEMOR_ENTRY_TRAIT)

    static constexpr size_t kMacroSendField = 2048;
    static constexpr size_t kMacroReadBuffer = 2048;
    static constexpr size_t kMacroKept = 2048;
    // A 16-bit big-endian length in bytes 1 and 2 counts the bytes after them.
    static size_t MacroLength(const std::vector<uint8_t>& data) {
        return ((static_cast<size_t>(data[1]) << 8) | data[2]) + 3u;
    }
};

#undef VASTEMOR_KELVO_FAMILY

bool IsButtonTable(int table) { return table == 0 || table == 1; }

template <class F>
class KelvoWrappers {
public:
    explicit KelvoWrappers(DeviceLibraryBinder& binder)
        : e_(binder.Entries()), guard_(binder.LockLibrary(F::library)) {}

    bool WriteDevice() { return Succeeded(e_.*F::WriteMCUDevice); }

    bool ReadFireSettings() {
        if (!Bound(e_.*F::Device_Get_Fire_Count, e_.*F::Device_Get_Fire_Time)) return false;
        bool ok = Succeeded(e_.*F::Device_Get_Fire_Count, &(DeviceSettings.*F::FireCount));
        ok &= Succeeded(e_.*F::Device_Get_Fire_Time, &(DeviceSettings.*F::FireTime));
        return ok;
    }

    bool WriteFireSettings() {
        if (!Bound(e_.*F::Device_Set_Fire_Count, e_.*F::Device_Set_Fire_Time)) return false;
        bool ok = Succeeded(e_.*F::Device_Set_Fire_Count, DeviceSettings.*F::FireCount);
        ok &= Succeeded(e_.*F::Device_Set_Fire_Time, DeviceSettings.*F::FireTime);
        return ok;
    }

    bool ReadKeyMode() { return Succeeded(e_.*F::Device_Get_Key_Mode, &(DeviceSettings.*F::KeyMode)); }
    bool WriteKeyMode() { return Succeeded(e_.*F::Device_Set_Key_Mode, DeviceSettings.*F::KeyMode); }

    bool ReadButtonTable(int table, int count) {
        const auto get = e_.*F::Device_Get_Pro_File_Data;
        if (!IsButtonTable(table) || !Bound(get)) return false;
        RecordList<ButtonAssignmentEntry>& list = F::ButtonTable(table);
        list.clear();
        for (int i = 0; i < count; ++i) {
            auto entry = std::make_unique<ButtonAssignmentEntry>();
            entry->index = i;
            if (!Succeeded(get, table, i, &entry->bytes[0], &entry->bytes[1], &entry->bytes[2])) return false;
            list.push_back(std::move(entry));
        }
        return true;
    }

    // Both tables, button by button; a button missing from a table counts as failed.
    bool WriteButtonTables(int count) {
        const auto set = e_.*F::Device_Set_Pro_File_Data;
        if (!Bound(set)) return false;
        bool ok = true;
        for (int i = 0; i < count; ++i) {
            for (int table = 0; table < 2; ++table) {
                const ButtonAssignmentEntry* entry = RecordAt(F::ButtonTable(table), i);
                ok &= entry && Succeeded(set, table, i, entry->bytes[0], entry->bytes[1], entry->bytes[2]);
            }
        }
        return ok;
    }

    // Value indexes count from 0, colour levels from 1.
    bool ReadCpiSettings() {
        const auto getValue = e_.*F::Device_Get_CPI_Value;
        const auto getColour = e_.*F::Device_Get_CPI_RGB;
        if (!Bound(e_.*F::Device_Get_CPI_Step, e_.*F::Device_Get_Current_CPI, getValue, getColour)) return false;
        bool ok = Succeeded(e_.*F::Device_Get_CPI_Step, &(DeviceSettings.*F::CpiCount));
        ok &= Succeeded(e_.*F::Device_Get_Current_CPI, &(DeviceSettings.*F::CurrentCpi));
        RecordList<CpiLevelEntry>& levels = F::CpiLevels();
        levels.clear();
        for (int i = 0; i < kCpiLevels; ++i) {
            auto level = std::make_unique<CpiLevelEntry>();
            if (!Succeeded(getValue, &level->value, i) ||
                !Succeeded(getColour, &level->red, &level->green, &level->blue, i + 1)) {
                return false;
            }
            levels.push_back(std::move(level));
        }
        return ok;
    }

    bool WriteCpiSettings() {
        const auto setValue = e_.*F::Device_Set_CPI_Value;
        const auto setColour = e_.*F::Device_Set_CPI_RGB;
        if (!Bound(e_.*F::Device_Set_CPI_Step, e_.*F::Device_Set_Current_CPI, setValue, setColour)) return false;
        bool ok = Succeeded(e_.*F::Device_Set_CPI_Step, DeviceSettings.*F::CpiCount);
        ok &= Succeeded(e_.*F::Device_Set_Current_CPI, DeviceSettings.*F::CurrentCpi);
        for (int i = 0; i < kCpiLevels; ++i) {
            const CpiLevelEntry* level = RecordAt(F::CpiLevels(), i);
            if (!level || !Succeeded(setValue, level->value, i) ||
                !Succeeded(setColour, level->red, level->green, level->blue, i + 1)) {
                return false;
            }
        }
        return ok;
    }

    // The library keeps the macro in its image; the next whole-image write sends it.
    void SendMacro(int macroNumber) {
        const auto set = e_.*F::Device_Set_Marco_Buffer;
        const auto found = F::Cache().find(macroNumber);
        if (!set || found == F::Cache().end() || !found->second) return;
        uint8_t name[kMacroNameField];
        NameToWireField(found->second->name, name, sizeof(name));
        std::vector<uint8_t> data(F::kMacroSendField);
        DataToField(found->second->data, data.data(), data.size());
        set(macroNumber, name, data.data());
    }

    bool ReadMacro(int macroNumber) {
        if (F::Cache().count(macroNumber)) return true;
        const auto get = e_.*F::Device_Get_Marco_Buffer;
        uint8_t name[kMacroNameField] = {};
        std::vector<uint8_t> data(F::kMacroReadBuffer);
        if (!Succeeded(get, macroNumber, name, data.data())) return false;
        auto macro = std::make_shared<MacroRecord>();
        macro->name = NameFromWireField(name, sizeof(name));
        macro->data.assign(data.begin(), data.begin() + std::min(F::MacroLength(data), F::kMacroKept));
        macro->number = macroNumber;
        F::Cache()[macroNumber] = std::move(macro);
        return true;
    }

    // Kelvo only from here on.

    bool ReadLedState() {
        if (!Bound(e_.*F::Device_Get_Led_On_Off, e_.*F::Device_Get_MCULED_Control,
                   e_.*F::Device_Get_MCULED_Current_Mode, e_.*F::Device_Get_MCULED_Current_Step)) {
            return false;
        }
        bool ok = Succeeded(e_.*F::Device_Get_Led_On_Off, &DeviceSettings.KelvoLedOnOff);
        ok &= Succeeded(e_.*F::Device_Get_MCULED_Control, &DeviceSettings.KelvoLedLight);
        // The library answers the stored mode index + 1; keep the index, so that
        // writing the state back does not shift the mode. A stored value
        // outside 1..7 gives an index no mode has, written back as it came.
        int storedMode = 0;
        if (Succeeded(e_.*F::Device_Get_MCULED_Current_Mode, &storedMode)) {
            DeviceSettings.KelvoLedMode = storedMode - 1;
        } else {
            ok = false;
        }
        ok &= Succeeded(e_.*F::Device_Get_MCULED_Current_Step, &DeviceSettings.KelvoLedStep);
        return ok;
    }

    bool WriteLedState() {
        if (!Bound(e_.*F::Device_Set_Led_On_Off, e_.*F::Device_Set_MCULED_Control,
                   e_.*F::Device_Set_MCULED_Current_Mode, e_.*F::Device_Set_MCULED_Current_Step)) {
            return false;
        }
        bool ok = Succeeded(e_.*F::Device_Set_Led_On_Off, DeviceSettings.KelvoLedOnOff);
        ok &= Succeeded(e_.*F::Device_Set_MCULED_Control, DeviceSettings.KelvoLedLight);
        ok &= Succeeded(e_.*F::Device_Set_MCULED_Current_Mode, DeviceSettings.KelvoLedMode);
        ok &= Succeeded(e_.*F::Device_Set_MCULED_Current_Step, DeviceSettings.KelvoLedStep);
        return ok;
    }

    bool ReadKeyPressTypes() {
        if (!Bound(e_.*F::Device_Get_MiddleKey_Press_Type, e_.*F::Device_Get_CPIKey_Press_Type,
                   e_.*F::Device_Get_GunKey_Press_Type)) {
            return false;
        }
        bool ok = Succeeded(e_.*F::Device_Get_MiddleKey_Press_Type, &DeviceSettings.KelvoMiddleKeyPressType);
        ok &= Succeeded(e_.*F::Device_Get_CPIKey_Press_Type, &DeviceSettings.KelvoCpiKeyPressType);
        ok &= Succeeded(e_.*F::Device_Get_GunKey_Press_Type, &DeviceSettings.KelvoGunKeyPressType);
        return ok;
    }

    bool WriteKeyPressTypes() {
        if (!Bound(e_.*F::Device_Set_MiddleKey_Press_Type, e_.*F::Device_Set_CPIKey_Press_Type,
                   e_.*F::Device_Set_GunKey_Press_Type)) {
            return false;
        }
        bool ok = Succeeded(e_.*F::Device_Set_MiddleKey_Press_Type, DeviceSettings.KelvoMiddleKeyPressType);
        ok &= Succeeded(e_.*F::Device_Set_CPIKey_Press_Type, DeviceSettings.KelvoCpiKeyPressType);
        ok &= Succeeded(e_.*F::Device_Set_GunKey_Press_Type, DeviceSettings.KelvoGunKeyPressType);
        return ok;
    }

    // The record is appended whatever the reads gave, so the list keeps the
    // fire entries' order.
    bool ReadFireRecord(int index) {
        const auto getMacro = e_.*F::Device_Get_Fire_Macro_Data;
        const auto getColour = e_.*F::Device_Get_Fire_RGB;
        const auto getYAxis = e_.*F::Device_Get_Fire_YAxis;
        const auto getSteps = e_.*F::Device_Get_Fire_Buffer;
        if (index < 0 || index >= kFireEntries || !Bound(getMacro, getColour, getYAxis, getSteps)) return false;
        auto record = std::make_unique<FireRecordKelvo>();
        bool ok = Succeeded(getMacro, index, &record->fireMacro[0], &record->fireMacro[1], &record->fireMacro[2]);
        ok &= Succeeded(getColour, &record->red, &record->green, &record->blue, index);
        uint8_t yAxis = 0;
        ok &= Succeeded(getYAxis, index, &yAxis);
        record->yAxis = static_cast<int8_t>(yAxis);
        ok &= Succeeded(getSteps, index, record->steps, kFireStepBytes);
        KelvoFireRecords.push_back(std::move(record));
        return ok;
    }

    // An empty slot counts as done. The library writes the step checksum into
    // the record's last step byte.
    bool WriteFireRecord(int index) {
        const auto setColour = e_.*F::Device_Set_Fire_RGB;
        const auto setSteps = e_.*F::Device_Set_Fire_Buffer;
        if (index < 0 || static_cast<size_t>(index) >= KelvoFireRecords.size() || !Bound(setColour, setSteps)) {
            return false;
        }
        FireRecordKelvo* record = KelvoFireRecords[static_cast<size_t>(index)].get();
        if (!record) return true;
        bool ok = Succeeded(setColour, record->red, record->green, record->blue, index);
        ok &= Succeeded(setSteps, index, record->steps, kFireStepBytes);
        return ok;
    }

private:
    const DeviceEntries& e_;
    DeviceLibraryBinder::Guard guard_;
};

using Kelvo = KelvoWrappers<KelvoFamily>;
using KelvoDriver = KelvoWrappers<KelvoDriverFamily>;

}  // namespace

bool DeviceLibraryBinder::WriteDeviceKelvo() { return Kelvo(*this).WriteDevice(); }
bool DeviceLibraryBinder::ReadFireSettingsKelvo() { return Kelvo(*this).ReadFireSettings(); }
bool DeviceLibraryBinder::WriteFireSettingsKelvo() { return Kelvo(*this).WriteFireSettings(); }
bool DeviceLibraryBinder::ReadKeyModeKelvo() { return Kelvo(*this).ReadKeyMode(); }
bool DeviceLibraryBinder::WriteKeyModeKelvo() { return Kelvo(*this).WriteKeyMode(); }
bool DeviceLibraryBinder::ReadLedStateKelvo() { return Kelvo(*this).ReadLedState(); }
bool DeviceLibraryBinder::WriteLedStateKelvo() { return Kelvo(*this).WriteLedState(); }
bool DeviceLibraryBinder::ReadKeyPressTypesKelvo() { return Kelvo(*this).ReadKeyPressTypes(); }
bool DeviceLibraryBinder::WriteKeyPressTypesKelvo() { return Kelvo(*this).WriteKeyPressTypes(); }
bool DeviceLibraryBinder::ReadButtonTableKelvo(int table, int count) {
    return Kelvo(*this).ReadButtonTable(table, count);
}
bool DeviceLibraryBinder::WriteButtonTablesKelvo(int count) { return Kelvo(*this).WriteButtonTables(count); }
bool DeviceLibraryBinder::ReadCpiSettingsKelvo() { return Kelvo(*this).ReadCpiSettings(); }
bool DeviceLibraryBinder::WriteCpiSettingsKelvo() { return Kelvo(*this).WriteCpiSettings(); }
bool DeviceLibraryBinder::ReadFireRecordKelvo(int index) { return Kelvo(*this).ReadFireRecord(index); }
bool DeviceLibraryBinder::WriteFireRecordKelvo(int index) { return Kelvo(*this).WriteFireRecord(index); }
void DeviceLibraryBinder::SendMacroKelvo(int macroNumber) { Kelvo(*this).SendMacro(macroNumber); }
bool DeviceLibraryBinder::ReadMacroKelvo(int macroNumber) { return Kelvo(*this).ReadMacro(macroNumber); }

bool DeviceLibraryBinder::WriteDeviceKelvoDriver() { return KelvoDriver(*this).WriteDevice(); }
bool DeviceLibraryBinder::ReadFireSettingsKelvoDriver() { return KelvoDriver(*this).ReadFireSettings(); }
bool DeviceLibraryBinder::WriteFireSettingsKelvoDriver() { return KelvoDriver(*this).WriteFireSettings(); }
bool DeviceLibraryBinder::ReadKeyModeKelvoDriver() { return KelvoDriver(*this).ReadKeyMode(); }
bool DeviceLibraryBinder::WriteKeyModeKelvoDriver() { return KelvoDriver(*this).WriteKeyMode(); }
bool DeviceLibraryBinder::ReadButtonTableKelvoDriver(int table, int count) {
    return KelvoDriver(*this).ReadButtonTable(table, count);
}
bool DeviceLibraryBinder::WriteButtonTablesKelvoDriver(int count) {
    return KelvoDriver(*this).WriteButtonTables(count);
}
bool DeviceLibraryBinder::ReadCpiSettingsKelvoDriver() { return KelvoDriver(*this).ReadCpiSettings(); }
bool DeviceLibraryBinder::WriteCpiSettingsKelvoDriver() { return KelvoDriver(*this).WriteCpiSettings(); }
void DeviceLibraryBinder::SendMacroKelvoDriver(int macroNumber) { KelvoDriver(*this).SendMacro(macroNumber); }
bool DeviceLibraryBinder::ReadMacroKelvoDriver(int macroNumber) {
    return KelvoDriver(*this).ReadMacro(macroNumber);
}

bool DeviceLibraryBinder::WriteLedCpiDataKelvoDriver() {
    const Guard guard = LockLibrary(DeviceLibrary::KelvoDriver);
    const auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    return Succeeded(entries_.Device_WriteLedCPIData_Kelvo_Driver, block[0], block[1], block[2], block[3]);
}
