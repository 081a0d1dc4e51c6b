// The keyboard page's whole-image operations on the user-interface thread:
// export to a file, import from a file and reset to the default image.
#include "app/core/binder/device_binder.h"
#include "app/core/files/binary_files.h"
#include "app/main/pages/common/config_image_files.h"
#include "app/main/pages/keyboard/keyboard_page.h"
#include "devices/common/device_ids.h"
#include "ui/controls/gif_anim.h"
#include "ui/core/window_manager.h"

#include <array>

namespace {

constexpr size_t kImageSize = 2048;
using ConfigurationImage = std::array<uint8_t, kImageSize>;

constexpr wchar_t kOpenFailed[] = L"%{081}";
constexpr wchar_t kTransferFailed[] = L"%{083}";
constexpr wchar_t kDefaultImageFile[] = L"DefaultData_1.bin";

bool OpenKeyboard(const DeviceEntries& entries) {
    return entries.InitMCUDevice && entries.InitMCUDevice(device_ids::kVendor, device_ids::kWenkProduct) == 0;
}

// The controller's settle time after a whole-image transfer.
void SettleAfterTransfer() {
    for (int i = 0; i < 100; ++i) Sleep(1);
}

// Exactly one image: a file of another size is refused like an unreadable one.
bool ReadImageFile(const wchar_t* path, ConfigurationImage& image) {
    uint8_t buffer[kImageSize + 1];
    size_t size = 0;
    if (!ReadBinaryFile(path, buffer, sizeof(buffer), &size) || size != kImageSize) return false;
    std::copy(buffer, buffer + kImageSize, image.begin());
    return true;
}

}  // namespace

void CDialogKeySetting::ShowLoading(bool show) {
    auto* gif = Find<SkinUI::CGifAnimUI>(L"loading_gif", L"GifAnim");
    if (!gif) return;
    if (show) {
        gif->SetVisible(true);
        gif->Play();
    } else {
        gif->Stop();
        gif->SetVisible(false);
    }
}

const wchar_t* CDialogKeySetting::TransferImage(const std::function<bool(const DeviceEntries&)>& transfer) {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Wenk);
    const DeviceEntries& entries = binder.Entries();
    if (!OpenKeyboard(entries)) return kOpenFailed;
    ShowLoading(true);
    const bool done = transfer(entries);
    SettleAfterTransfer();
    return done ? nullptr : kTransferFailed;
}

void CDialogKeySetting::ExportConfiguration() {
    const SkinUI::CUIString path = services_.files->ChooseSaveFile();
    if (path.IsEmpty()) return;
    ConfigurationImage image{};
    const wchar_t* failure = TransferImage([&image](const DeviceEntries& entries) {
        return entries.Device_ReadEEPromData && entries.Device_ReadEEPromData(image.data()) == 0;
    });
    if (!failure && !WriteBinaryFile(path, image.data(), image.size())) failure = kExportFileNotWritten;
    if (failure) services_.messages->Show(services_.owner, failure);
    ShowLoading(false);
}

void CDialogKeySetting::ImportConfigurationFile(const wchar_t* path) {
    ConfigurationImage image{};
    if (!ReadImageFile(path, image)) return;
    const wchar_t* failure = TransferImage([&image](const DeviceEntries& entries) {
        const bool written = entries.Device_WriteEEpromData && entries.Device_WriteEEpromData(image.data()) == 0;
        const bool reloaded = entries.Device_ReloadDevice && entries.Device_ReloadDevice() == 0;
        return written && reloaded;
    });
    if (failure) {
        services_.messages->Show(services_.owner, failure);
    } else {
        ConnectAndRead();
    }
    ShowLoading(false);
}

void CDialogKeySetting::ImportConfiguration() {
    const SkinUI::CUIString path = services_.files->ChooseOpenFile();
    if (!path.IsEmpty()) ImportConfigurationFile(path);
}

void CDialogKeySetting::ResetToDefaults() { ImportConfigurationFile(kDefaultImageFile); }
