#include "app/main/pages/kelvo/kelvo_family_page.h"

#include "app/main/pages/common/control_names.h"
#include "app/main/pages/common/control_values.h"
#include "devices/common/device_ids.h"

#include "ui/core/window_manager.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

const wchar_t* const KelvoFamilyPage::kLedModeOptions[kLedModes] = {
    L"result_LED_mode_rainbow",          L"result_LED_mode_random_leisure",   L"result_LED_mode_random_sleep",
    L"result_LED_mode_random_sport",     L"result_LED_mode_DPI_color_breath", L"result_LED_mode_DPI_light_on",
    L"result_LED_mode_off",
};

KelvoFamilyPage::KelvoFamilyPage(const PageServices& services, const KelvoFamilyTraits& traits)
    : services_(services),
      traits_(traits),
      pointerControls_(traits.suffix),
      levelRows_(traits.suffix, DpiStepsKelvo) {}

KelvoFamilyPage::~KelvoFamilyPage() {
    if (GetManager()) GetManager()->RemoveNotifyReceiver(this);
    PostQuitMessage(0);
}

void KelvoFamilyPage::OnInitialize() {
    CContainerUI::OnInitialize();
    SkinUI::CWindowManagerUI* manager = GetManager();
    if (!manager || GetCount() > 0) return;
    LoadDataFiles();
    manager->AddNotifyReceiver(this);

    SkinUI::CLayoutBuilderUI builder;
    if (CControlUI* root = builder.Create(traits_.layout, nullptr, this, manager)) AddItem(root);

    std::vector<CUIString> tabNames = {traits_.Name(L"profile1"), traits_.Name(L"profile2")};
    for (const wchar_t* tab : traits_.pageTabs) tabNames.push_back(traits_.Name(tab));
    tabs_.Capture(manager, tabNames);
    if (auto* buttons = dynamic_cast<SkinUI::CContainerUI*>(Find(traits_.Name(L"profile_page")))) {
        buttonCount_ = buttons->GetCount();
    }
    RefreshControls();
}

void KelvoFamilyPage::SetFilePath(int command, const wchar_t* path) {
    const DeviceLibraryBinder::Guard guard = Lock();
    commandFiles_.Set(command, path);
}

CControlUI* KelvoFamilyPage::Find(const CUIString& name) const {
    return GetManager() ? GetManager()->FindControlByName(name) : nullptr;
}

DeviceLibraryBinder::Guard KelvoFamilyPage::Lock() const {
    return DeviceLibraryBinder::Instance().LockLibrary(traits_.library);
}

bool KelvoFamilyPage::WriteCpiSettings() const {
    return (DeviceLibraryBinder::Instance().*traits_.writeCpiSettings)();
}

bool KelvoFamilyPage::MousePresent() {
    DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance();
    const DeviceLibraryBinder::Guard guard = binder.LockLibrary(DeviceLibrary::Wenk);
    const auto open = binder.Entries().InitMCUDevice;
    return open && open(device_ids::kVendor, device_ids::kKelvoProduct) == 0;
}

void KelvoFamilyPage::HandleLedValue(const CUIString&, int) {}

void KelvoFamilyPage::SendPressTypes() {}

void KelvoFamilyPage::OnPageShown(int) {}

void KelvoFamilyPage::ImageWritten(const uint8_t*, size_t) {}

void KelvoFamilyPage::RequestCommand(int command) {
    if (GetManager()) {
        GetManager()->SendNotification(nullptr, traits_.notifications->writeRequest, 0, command, true);
    }
}

void KelvoFamilyPage::PostRefresh() {
    services_.ui->Post([this] { RefreshControls(); });
}

void KelvoFamilyPage::Notify(SkinUI::NotifyRecordUI& record) {
    CControlUI* sender = record.sender;
    if (!sender) {
        HandleFamilyNotification(record.type);
        return;
    }
    if (!IsOnPage(sender, this)) return;
    const CUIString name = sender->GetName();
    const CUIString line = name + L"----" + record.type + L"\n";
    OutputDebugStringW(line);
    if (SameName(record.type, L"click")) {
        HandleClick(name);
    } else if (SameName(record.type, L"selectchanged")) {
        HandleSelectChanged(sender, name);
    } else if (SameName(record.type, L"itemselect")) {
        if (SameName(name, traits_.Name(L"result_DPI_count_setting"))) HandleLevelCount(static_cast<int>(record.wParam));
    } else if (SameName(record.type, L"valuechanged") || SameName(record.type, L"valuechanging")) {
        HandleValue(sender, name, SameName(record.type, L"valuechanging"));
    } else if (SameName(record.type, L"textchanged")) {
        HandleTextChanged(sender, name);
    }
}

void KelvoFamilyPage::HandleFamilyNotification(const CUIString& type) {
    const FamilyNotificationNames& names = *traits_.notifications;
    if (SameName(type, names.readFinished)) {
        connected_ = 1;
        RefreshControls();
    } else if (SameName(type, names.connectionError)) {
        connected_ = 0;
        RefreshControls();
    } else if (SameName(type, ChangeLanguageNotification)) {
        if (connected_ == 1) RelabelButtons();
    } else if (SameName(type, UpdateProfileNotification)) {
        if (connected_ == 1 && GetManager() && GetManager()->GetRoot()) GetManager()->GetRoot()->RequestLayout();
    }
}
