// The page operations the device workers run: read, commands, change poll.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/core/settings/language_text.h"
#include "app/main/pages/common/config_image_files.h"
#include "app/dialogs/fire/fire_key_edit.h"

#include <utility>
#include <vector>

namespace {

constexpr uint8_t kChangeReport = 0x42;  // 'B'
constexpr int kProfileAddress = 164;
constexpr int kLevelAddress = 166;
constexpr DWORD kReopenPauseMs = 100;

}  // namespace

bool NolxMousePage::Open() {
    return traits_.open(DeviceLibraryBinder::Instance().Entries(), openFlag_) == 0;
}

bool NolxMousePage::ConnectAndRead() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = Lock();
    // A whole read that lost reports leaves defaults in the library where the
    // controller's blocks did not arrive: the page is not shown connected on
    // them, so that no edit writes them over what the controller keeps.
    if (!Open() || traits_.readDeviceData(binder.Entries()) != 0) {
        connected_ = 0;
        PostRefresh();
        return false;
    }
    // The getters answer from the image just read; their results do not
    // decide the read.
    (binder.*traits_.readKeyMode)();
    (binder.*traits_.readMacros)();
    (binder.*traits_.readFireKeys)();
    for (FireKeyEntry& key : DeviceSettings.*traits_.fireKeys) key.continueFlag = 0;
    for (int set = 0; set < traits_.ProfileCount(); ++set) (binder.*traits_.readMacroKeys)(set, buttonCount_);
    traits_.fireMacros->clear();
    for (int i = 0; i < traits_.fireMacroCount; ++i) (binder.*traits_.readFireMacro)(i);
    (binder.*traits_.readCpiSettings)();
    (binder.*traits_.readReportRate)();
    (binder.*traits_.readLedBreath)();
    if (traits_.readComboKeys) (binder.*traits_.readComboKeys)();

    connected_ = 1;
    RequestChangePoll();
    services_.ui->Post([this] {
        // The fire tab shows preset 0 of the fresh records when next selected.
        if (fireKeyEditor_) fireKeyEditor_->ForgetPreset();
        RefreshControls();
    });
    return true;
}

bool NolxMousePage::RunDeviceCommand(int command) {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = Lock();
    switch (command) {
    case kWriteKeyMode: return (binder.*traits_.writeKeyMode)();
    case kWriteCpiSettings: return WriteCpiSettings();
    case kWriteButton: return WriteAssignedButton();
    case kWriteFireKey1:
    case kWriteFireKey1 + 1:
    case kWriteFireKey1 + 2: return WriteFireKey(command - kWriteFireKey1);
    case kWriteReportRate: return (binder.*traits_.writeReportRate)();
    case kWriteLighting: return (binder.*traits_.writeLedBreath)();
    case kResetDevice:
        return Import(traits_.resetFile ? SkinUI::CUIString(traits_.resetFile) : commandFiles_.Of(kResetDevice));
    case kExportImage: Export(); return true;
    case kImportImage: return Import(commandFiles_.Of(kImportImage));
    case kWriteButtonSwitches: return traits_.hasButtonSwitches ? WriteButtonSwitches() : true;
    default: return true;
    }
}

bool NolxMousePage::WriteEntries(const std::vector<EntryRef>& entries) {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    bool ok = true;
    for (const EntryRef& entry : entries) ok &= (binder.*traits_.writeMacroKey)(entry.first, entry.second);
    return ok;
}

bool NolxMousePage::WriteCpiSettings() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    bool ok = true;
    if (std::exchange(activeLevelChosen_, false)) ok = (binder.*traits_.writeActiveCpiLevel)();
    ok &= (binder.*traits_.writeCpiSettings)();
    return ok;
}

bool NolxMousePage::WriteAssignedButton() {
    if (assignedKeys_.empty()) assignedKeys_.push_back(EntryRef{DeviceSettings.*traits_.keyMode, 0});
    return WriteEntries(std::exchange(assignedKeys_, {}));
}

bool NolxMousePage::WriteFireKey(int key) {
    FireKeyEntry& entry = (DeviceSettings.*traits_.fireKeys)[static_cast<size_t>(key)];
    bool ok = WriteEntries(ApplyFireKeyInput(fireInputs_[static_cast<size_t>(key)], entry, traits_.keyTables));
    ok &= (DeviceLibraryBinder::Instance().*traits_.writeFireKey)(key);
    return ok;
}

bool NolxMousePage::WriteButtonSwitches() {
    const std::vector<EntryRef> changed = ApplyButtonSwitches(switchBoxes_, traits_.keyTables,
                                                              DeviceSettings.QiroComboKey2, DeviceSettings.QiroComboKey4);
    bool ok = WriteEntries(changed);
    ok &= (DeviceLibraryBinder::Instance().*traits_.writeComboKeys)();
    return ok;
}

void NolxMousePage::Export() {
    if (!Open()) return;
    ExportImage(services_, commandFiles_.Of(kExportImage), kImageSize,
                [this](uint8_t* image) { return traits_.readImage(DeviceLibraryBinder::Instance().Entries(), image); });
}

bool NolxMousePage::Import(const SkinUI::CUIString& path) {
    std::vector<uint8_t> image;
    if (!ReadImageFile(path, kImageSize, &image)) return true;
    if (!Open()) {
        if (!traits_.importOpenFailureText) return false;
        const wchar_t* text = traits_.importOpenFailureText;
        services_.ui->Post([this, text] { services_.messages->Show(services_.owner, LanguageText(text).GetData()); });
        return true;
    }
    const int result = traits_.writeImage(DeviceLibraryBinder::Instance().Entries(), image.data());
    WaitMilliseconds(500);
    if (result != 0) return false;
    // A program that ends reads nothing more: its pages are about to go.
    if (!AppRunning.load()) return true;
    // A read that fails leaves the page not connected.
    bool read = ConnectAndRead();
    for (int retry = 0; !read && retry < traits_.importRereadRetries; ++retry) {
        Sleep(100);
        read = ConnectAndRead();
    }
    return true;
}

void NolxMousePage::PollDeviceChanges() {
    const DeviceEntries& entries = DeviceLibraryBinder::Instance().Entries();
    const auto getChangeData = traits_.getChangeData;
    int failedReads = 0;
    while (AppRunning.load()) {
        uint8_t report[4] = {};
        // Blocks until the controller reports. A read fails when the
        // controller is gone, and also when its handles were opened again (an
        // export, a device change): one that fails again after a pause means
        // it is gone, and the next successful read of it starts a new poll.
        // Once the program ends the page may be gone: it is not touched again.
        const int result = getChangeData(entries, report);
        if (result != 0) {
            if (!AppRunning.load() || ++failedReads > 1) return;
            Sleep(kReopenPauseMs);
            continue;
        }
        failedReads = 0;
        const std::shared_lock<std::shared_mutex> alive(PollPagesGuard);
        if (!AppRunning.load()) return;
        if (report[0] != kChangeReport || report[3] != 0) continue;
        Sleep(200);
        FollowDeviceChange();
    }
}

void NolxMousePage::FollowDeviceChange() {
    const DeviceLibraryBinder::Guard guard = Lock();
    const DeviceEntries& entries = DeviceLibraryBinder::Instance().Entries();
    int profileByte = 0, levelByte = 0;
    if (traits_.getDataByAddress(entries, kProfileAddress, &profileByte) != 0 ||
        traits_.getDataByAddress(entries, kLevelAddress, &levelByte) != 0) {
        return;
    }
    const int profile = profileByte & 0x0F;
    const int level = (levelByte & 0xFF) + 1;
    if (profile != DeviceSettings.*traits_.keyMode) {
        DeviceSettings.*traits_.keyMode = profile;
        services_.ui->Post([this] {
            const DeviceLibraryBinder::Guard uiGuard = Lock();
            if (!RecordingMacro()) tabs_.Reset();
            RefreshButtonTexts();
        });
    }
    if (level != DeviceSettings.*traits_.activeCpiLevel) {
        DeviceSettings.*traits_.activeCpiLevel = level;
        services_.ui->Post([this] {
            const DeviceLibraryBinder::Guard uiGuard = Lock();
            RefreshDpi();
        });
    }
}
