#include "app/main/pages/kelvo_driver/dialog_mouse_kelvo_driver_setting.h"

#include "app/core/files/config_file_store.h"
#include "app/macro/managers/marco_manger_kelvo.h"
#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"

#include <algorithm>
#include <cwchar>

using SkinUI::CUIString;

namespace {

// Byte 0: the current level in the low four bits. Byte 1: the LED mode 1..7
// in bits 0-2, bit 3 set while the LED is off. Byte 3: the step of the level
// last chosen.
constexpr uint8_t kLevelBits = 0x0F;
constexpr uint8_t kModeBits = 0x07;
constexpr uint8_t kOffBit = 0x08;
// The driver library's configuration image holds the block from this byte
// on, where Device_WriteLedCPIData puts it.
constexpr size_t kBlockInImage = 0x38;

std::array<uint8_t, 4>& Block() { return DeviceSettings.KelvoDriverLedCpiBlock; }

}  // namespace

CDialogMouseKelvoDriverSetting::CDialogMouseKelvoDriverSetting(const PageServices& services)
    : KelvoFamilyPage(services, KelvoDriverTraits()) {}

SkinUI::CControlUI* CDialogMouseKelvoDriverSetting::CreateControl(const wchar_t* tag) {
    if (tag && _wcsicmp(tag, L"MacroSettingPage_Kelvo_Driver") == 0) return new MarcoManger_Kelvo_Driver(Services().owner);
    return nullptr;
}

void CDialogMouseKelvoDriverSetting::LoadDataFiles() {
    ConfigFileStore& store = ConfigFileStore::Instance(GetManager());
    store.LoadMacroFileKelvoDriver(MacroFileKelvoDriver);
    store.LoadLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
}

void CDialogMouseKelvoDriverSetting::ReadFamilySettings() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    binder.ReadFireSettingsKelvoDriver();
    binder.ReadCpiSettingsKelvoDriver();
    binder.ReadKeyModeKelvoDriver();
}

bool CDialogMouseKelvoDriverSetting::WriteWholeDevice() {
    if (!MousePresent()) return false;
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    bool written = binder.WriteLedCpiDataKelvoDriver();
    written &= binder.WriteDeviceKelvoDriver();
    SaveBlockLater();
    return written;
}

void CDialogMouseKelvoDriverSetting::ImageWritten(const uint8_t* image, size_t byteCount) {
    std::array<uint8_t, 4>& block = Block();
    if (byteCount < kBlockInImage + block.size()) return;
    std::copy(image + kBlockInImage, image + kBlockInImage + block.size(), block.begin());
    SaveBlockLater();
}

void CDialogMouseKelvoDriverSetting::SaveBlockLater() {
    Services().ui->Post([this] {
        const bool saved = ConfigFileStore::Instance(GetManager()).SaveLedCpiFileKelvoDriver(LedCpiFileKelvoDriver);
        saveNotice_.Report(saved, Services().owner);
    });
}

int CDialogMouseKelvoDriverSetting::CurrentLevel() const { return Block()[0] & kLevelBits; }

void CDialogMouseKelvoDriverSetting::SelectLevel(int level) {
    Block()[0] = static_cast<uint8_t>(level);
    WriteCpiSettings();
    Block()[3] = static_cast<uint8_t>(SliderValue(Find(LevelRows().Name(L"result_DPI%d_slider", level + 1))));
}

void CDialogMouseKelvoDriverSetting::SetLevelCount(int count) {
    DeviceSettings.KelvoDriverCpiCount = count;
    Block()[0] = static_cast<uint8_t>((Block()[0] & ~kLevelBits) | ((count - 1) & kLevelBits));
}

void CDialogMouseKelvoDriverSetting::HandleLedSelect(const CUIString& name) {
    uint8_t& led = Block()[1];
    if (SameName(name, Traits().Name(L"result_LED_status_on"))) {
        led = static_cast<uint8_t>(led & ~kOffBit);
    } else if (SameName(name, Traits().Name(L"result_LED_status_off"))) {
        led = static_cast<uint8_t>(led | kOffBit);
    } else {
        for (int i = 0; i < kLedModes; ++i) {
            if (SameName(name, Traits().Name(kLedModeOptions[i]))) led = static_cast<uint8_t>((led & ~kModeBits) | (i + 1));
        }
    }
}

void CDialogMouseKelvoDriverSetting::RefreshFamilyControls() {
    const uint8_t led = Block()[1];
    const bool off = (led & kOffBit) != 0;
    ShowSelected(Find(Traits().Name(L"result_LED_status_on")), !off);
    ShowSelected(Find(Traits().Name(L"result_LED_status_off")), off);
    // Modes count from 1; 0 checks none.
    const int mode = led & kModeBits;
    for (int i = 0; i < kLedModes; ++i) ShowSelected(Find(Traits().Name(kLedModeOptions[i])), mode == i + 1);
}
