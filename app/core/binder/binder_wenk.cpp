// Settings wrappers of the Wenk keyboard.
#include "app/core/binder/binder_calls.h"
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "app/core/binder/wire_fields.h"

namespace {

constexpr size_t kWenkNameField = 32;
constexpr size_t kWenkDataField = 144;

bool IsLedSet(int set) { return set == 0 || set == 1; }

}  // namespace

bool DeviceLibraryBinder::ReadLedDataWenk(int set) {
    if (!IsLedSet(set)) return false;
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    WenkLedBlock& block = DeviceSettings.WenkLedBlocks[static_cast<size_t>(set)];
    return Succeeded(entries_.Device_GetLedData, set, &block.type, &block.speed, &block.brightness, &block.sync);
}

bool DeviceLibraryBinder::WriteLedDataWenk(int set) {
    if (!IsLedSet(set)) return false;
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    const WenkLedBlock& block = DeviceSettings.WenkLedBlocks[static_cast<size_t>(set)];
    return Succeeded(entries_.Device_WriteLedData, set, block.type, block.speed, block.brightness, block.sync);
}

bool DeviceLibraryBinder::WriteAllMacrosWenk() {
    const Guard guard = LockLibrary(DeviceLibrary::Wenk);
    if (!Bound(entries_.Device_WriteMarcoData)) return false;
    for (size_t slot = 0; slot < WenkDeviceMacroList.size(); ++slot) {
        const MacroRecord* macro = WenkDeviceMacroList[slot].get();
        if (slot >= kWenkDeviceMacroSlots || !macro) return false;
        uint8_t name[kWenkNameField];
        uint8_t data[kWenkDataField];
        NameToWireField(macro->name, name, sizeof(name));
        DataToField(macro->data, data, sizeof(data));
        if (!Succeeded(entries_.Device_WriteMarcoData, static_cast<int>(slot), name, data)) return false;
    }
    return true;
}
