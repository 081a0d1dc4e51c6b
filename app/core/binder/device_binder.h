#pragma once
// The one process-wide binder of the device libraries: loads them from the
// program's folder, binds their exports by name and offers the settings
// wrappers that move values between the settings containers and a library.
//
// Every caller tests an entry before calling it (an unbound entry is null);
// the wrappers do so themselves and report false for an unbound entry.
//
// Calls into one library must not overlap. Each library has a lock: a page
// holds LockLibrary(...) for a whole device operation (the wrappers take it as
// well, it is recursive). The blocking Device_Get_Change_Data_* entries are
// called without it, so a change poll never holds up the other requests.

#include "app/core/binder/device_entries.h"
#include "app/core/binder/module_loader.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

class DeviceLibraryBinder {
public:
    using Guard = std::unique_lock<std::recursive_mutex>;

    // Created, with every library loaded, on the first call from any thread;
    // never destroyed, and the libraries stay loaded.
    static DeviceLibraryBinder& Instance();

    // Loads and binds all six libraries through the loader.
    explicit DeviceLibraryBinder(std::unique_ptr<ModuleLoader> loader);
    // Frees the libraries it loaded (only binders other than Instance() end).
    ~DeviceLibraryBinder();
    DeviceLibraryBinder(const DeviceLibraryBinder&) = delete;
    DeviceLibraryBinder& operator=(const DeviceLibraryBinder&) = delete;

    const DeviceEntries& Entries() const { return entries_; }
    bool IsLibraryLoaded(DeviceLibrary library) const;
    Guard LockLibrary(DeviceLibrary library);

    // Wenk keyboard. The LED block of set 0 or 1 (DeviceSettings.WenkLedBlocks).
    bool ReadLedDataWenk(int set);
    bool WriteLedDataWenk(int set);
    // WenkDeviceMacroList, slot = list index; stops at the first failure.
    bool WriteAllMacrosWenk();
    // The 216-byte key profiles of sets 0 and 1, both read before either is
    // decoded into its set's key and function-button maps (WenkKeyMap1/2,
    // WenkFunctionButtonMap1/2), so both combination areas decide whether the
    // kept combination words stay. False when the library fails; a failed read
    // changes nothing.
    bool ReadKeyProfilesWenk();
    // The profile of set 0 or 1, encoded from its maps.
    bool WriteKeyProfileWenk(int set);

    // Kelvo.
    bool WriteDeviceKelvo();
    bool ReadFireSettingsKelvo();
    bool WriteFireSettingsKelvo();
    bool ReadKeyModeKelvo();
    bool WriteKeyModeKelvo();
    bool ReadLedStateKelvo();
    bool WriteLedStateKelvo();
    bool ReadKeyPressTypesKelvo();
    bool WriteKeyPressTypesKelvo();
    bool ReadButtonTableKelvo(int table, int count);
    bool WriteButtonTablesKelvo(int count);
    bool ReadCpiSettingsKelvo();
    bool WriteCpiSettingsKelvo();
    bool ReadFireRecordKelvo(int index);
    bool WriteFireRecordKelvo(int index);
    void SendMacroKelvo(int macroNumber);
    bool ReadMacroKelvo(int macroNumber);

    // Kelvo driver: the Kelvo twins over the driver library and containers.
    bool WriteDeviceKelvoDriver();
    bool ReadFireSettingsKelvoDriver();
    bool WriteFireSettingsKelvoDriver();
    bool ReadKeyModeKelvoDriver();
    bool WriteKeyModeKelvoDriver();
    bool ReadButtonTableKelvoDriver(int table, int count);
    bool WriteButtonTablesKelvoDriver(int count);
    bool ReadCpiSettingsKelvoDriver();
    bool WriteCpiSettingsKelvoDriver();
    void SendMacroKelvoDriver(int macroNumber);
    bool ReadMacroKelvoDriver(int macroNumber);
    bool WriteLedCpiDataKelvoDriver();

    // Dolv, Mesk and Qiro, one set each: WriteMacroDolv, ReadMacrosDolv,
    // ReadFireKeysDolv, WriteFireKeyDolv, ReadKeyModeDolv, WriteKeyModeDolv,
    // ReadReportRateDolv, WriteReportRateDolv, ReadLedBreathDolv,
    // WriteLedBreathDolv, ReadMacroKeysDolv, WriteMacroKeyDolv,
    // ReadFireMacroDolv, WriteFireMacroDolv, ReadCpiSettingsDolv,
    // WriteCpiSettingsDolv, WriteActiveCpiLevelDolv, and the same with Mesk
    // and Qiro.
#define VASTEMOR_NOLX_WRAPPERS(Chip)                                                     \
    /* Swaps the 16-byte name field in place; index -1 appends, else removes. */       \
    bool WriteMacro##Chip(int index, uint8_t* nameField16, const uint8_t* data, int length); \
    bool ReadMacros##Chip();                                                             \
    bool ReadFireKeys##Chip();                                                           \
    bool WriteFireKey##Chip(int key);                                                    \
    bool ReadKeyMode##Chip();                                                            \
    bool WriteKeyMode##Chip();                                                           \
    bool ReadReportRate##Chip();                                                         \
    bool WriteReportRate##Chip();                                                        \
    bool ReadLedBreath##Chip();                                                          \
    bool WriteLedBreath##Chip();                                                         \
    bool ReadMacroKeys##Chip(int set, int count);                                        \
    bool WriteMacroKey##Chip(int set, int index);                                        \
    bool ReadFireMacro##Chip(int index);                                                 \
    bool WriteFireMacro##Chip(int index);                                                \
    bool ReadCpiSettings##Chip();                                                        \
    /* The level count, values and colours; the active level is left to the mouse. */  \
    bool WriteCpiSettings##Chip();                                                       \
    bool WriteActiveCpiLevel##Chip();
    VASTEMOR_NOLX_WRAPPERS(Dolv)
    VASTEMOR_NOLX_WRAPPERS(Mesk)
    VASTEMOR_NOLX_WRAPPERS(Qiro)
#undef VASTEMOR_NOLX_WRAPPERS

    // Qiro combo keys 2 and 4.
    bool ReadComboKeysQiro();
    bool WriteComboKeysQiro();

private:
    void LoadDeviceLibraries();
    void LoadModule(DeviceLibrary library, const wchar_t* fileName);
    void BindWenkExports();
    void BindKelvoExports();
    void BindKelvoDriverExports();
    void BindDolvExports();
    void BindMeskExports();
    void BindQiroExports();

    std::unique_ptr<ModuleLoader> loader_;
    std::array<HMODULE, kDeviceLibraryCount> modules_{};
    DeviceEntries entries_;
    std::array<std::recursive_mutex, kDeviceLibraryCount> locks_;
};
