// The keyboard page's worker operations: the whole read and the whole write.
// Each holds the keyboard library's lock from the open to the last transfer.
#include "app/core/binder/device_binder.h"
#include "app/core/settings/device_settings.h"
#include "app/main/pages/keyboard/keyboard_page.h"
#include "devices/common/device_ids.h"

namespace {

bool OpenKeyboard(DeviceLibraryBinder& binder) {
    const auto open = binder.Entries().InitMCUDevice;
    return open && open(device_ids::kVendor, device_ids::kWenkProduct) == 0;
}

// The keyboard's profile index; a value other than 0 or 1 (a blank
// controller's 0xFF) is a failed read.
bool ReadProfileIndex(DeviceLibraryBinder& binder, int& index) {
    const auto read = binder.Entries().Device_GetProFileIndex;
    index = 0;
    return read && read(&index) == 0 && (index == 0 || index == 1);
}

}  // namespace

bool CDialogKeySetting::ConnectAndRead() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    bool read = false;
    {
        const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Wenk);
        if (!OpenKeyboard(binder)) {
            connected_ = 0;
        } else {
            int index = 0;
            read = binder.ReadKeyProfilesWenk() && binder.ReadLedDataWenk(0) && binder.ReadLedDataWenk(1) &&
                   ReadProfileIndex(binder, index);
            if (read) {
                DeviceSettings.WenkActiveSet = index;
                connected_ = 1;
            }
        }
    }
    PostRefresh();
    return read;
}

bool CDialogKeySetting::WriteAllSettings() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Wenk);
    if (!OpenKeyboard(binder)) return false;
    const DeviceEntries& entries = binder.Entries();
    // Every part is sent even after one failed.
    bool written = binder.WriteKeyProfileWenk(0);
    written &= binder.WriteKeyProfileWenk(1);
    written &= entries.Device_WriteProFileIndex && entries.Device_WriteProFileIndex(DeviceSettings.WenkActiveSet) == 0;
    written &= binder.WriteAllMacrosWenk();
    written &= binder.WriteLedDataWenk(0);
    written &= binder.WriteLedDataWenk(1);
    written &= entries.Device_ReloadDevice && entries.Device_ReloadDevice() == 0;
    return written;
}

void CDialogKeySetting::PostRefresh() {
    services_.ui->Post([this] { RefreshControls(); });
}
