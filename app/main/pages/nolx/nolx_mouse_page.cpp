#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "app/main/pages/common/control_values.h"

#include "ui/core/window_manager.h"

using SkinUI::CControlUI;
using SkinUI::CUIString;

namespace {

CControlUI* NamedAs(CControlUI* control, void* name) {
    return SameName(control->GetName(), *static_cast<const CUIString*>(name)) ? control : nullptr;
}

}  // namespace

NolxMousePage::NolxMousePage(const PageServices& services, const NolxFamilyTraits& traits)
    : services_(services),
      traits_(traits),
      pointerControls_(traits.suffix),
      levelRows_(traits.suffix, *traits.dpiSteps) {}

NolxMousePage::~NolxMousePage() {
    if (GetManager()) GetManager()->RemoveNotifyReceiver(this);
    PostQuitMessage(0);
}

void NolxMousePage::OnInitialize() {
    CContainerUI::OnInitialize();
    SkinUI::CWindowManagerUI* manager = GetManager();
    if (!manager || GetCount() > 0) return;
    (ConfigFileStore::Instance(manager).*traits_.loadMacroFile)(*traits_.macroFile);
    manager->AddNotifyReceiver(this);

    SkinUI::CLayoutBuilderUI builder;
    if (CControlUI* root = builder.Create(traits_.layout, nullptr, this, manager)) {
        // The layout decides whether the mouse offers fire macros, before the
        // page's own visibility (a tab of the main window) hides its controls.
        CUIString fireTabName = traits_.Name(traits_.TabName(kTabFireKeys));
        CControlUI* fireTab = root->FindControl(&NamedAs, &fireTabName, SkinUI::kFindMeFirst);
        openFlag_ = fireTab && fireTab->IsVisible() ? 1 : 0;
        AddItem(root);
    }

    std::vector<CUIString> tabNames;
    for (const wchar_t* base : traits_.profileTabs) tabNames.push_back(traits_.Name(base));
    for (int tab = kTabMacros; tab <= kTabFireKeys; ++tab) tabNames.push_back(traits_.Name(traits_.TabName(tab)));
    tabs_.Capture(manager, tabNames);
    if (traits_.fireMacroAvailable) *traits_.fireMacroAvailable = openFlag_ != 0;
    if (auto* buttons = dynamic_cast<SkinUI::CContainerUI*>(Find(traits_.Name(traits_.buttonContainer)))) {
        buttonCount_ = buttons->GetCount();
    }
    RefreshControls();
}

void NolxMousePage::SetFilePath(int command, const wchar_t* path) {
    const DeviceLibraryBinder::Guard guard = Lock();
    commandFiles_.Set(command, path);
}

CControlUI* NolxMousePage::Find(const CUIString& name) const {
    return GetManager() ? GetManager()->FindControlByName(name) : nullptr;
}

int NolxMousePage::NumberIn(const CUIString& name, const wchar_t* pattern, int last) const {
    for (int n = 1; n <= last; ++n) {
        if (SameName(name, traits_.Name(pattern, n))) return n;
    }
    return 0;
}

DeviceLibraryBinder::Guard NolxMousePage::Lock() const {
    return DeviceLibraryBinder::Instance().LockLibrary(traits_.library);
}

void NolxMousePage::RequestCommand(int command) {
    if (GetManager()) {
        GetManager()->SendNotification(nullptr, traits_.notifications->writeRequest, 0, command, true);
    }
}

void NolxMousePage::RequestChangePoll() {
    services_.ui->Post([this] {
        if (GetManager()) GetManager()->SendNotification(nullptr, traits_.notifications->changePoll, 0, 1, true);
    });
}

void NolxMousePage::PostRefresh() {
    services_.ui->Post([this] { RefreshControls(); });
}

void NolxMousePage::Notify(SkinUI::NotifyRecordUI& record) {
    CControlUI* sender = record.sender;
    if (!sender) {
        HandleFamilyNotification(record.type);
        return;
    }
    if (!IsOnPage(sender, this)) return;
    const CUIString name = sender->GetName();
    if (traits_.traceNotifications) {
        const CUIString line = name + L"----" + record.type + L"\n";
        OutputDebugStringW(line);
    }
    if (record.type == L"click") {
        HandleClick(name);
    } else if (record.type == L"selectchanged") {
        HandleSelectChanged(sender, name);
    } else if (record.type == L"itemselect") {
        if (SameName(name, traits_.Name(L"result_DPI_count_setting"))) HandleLevelCount(static_cast<int>(record.wParam));
    } else if (record.type == L"valuechanged" || record.type == L"valuechanging") {
        HandleValueChanged(sender, name, record.type == L"valuechanging");
    } else if (record.type == L"textchanged") {
        HandleTextChanged(sender, name);
    } else if (record.type == L"killfocus") {
        HandleKillFocus(sender, name);
    }
}

void NolxMousePage::HandleFamilyNotification(const CUIString& type) {
    const FamilyNotificationNames& names = *traits_.notifications;
    if (SameName(type, names.connectionError)) {
        connected_ = 0;
        RefreshControls();
    } else if (SameName(type, names.readFinished)) {
        connected_ = 1;
        RefreshControls();
    } else if (SameName(type, ChangeLanguageNotification)) {
        if (connected_ == 1) RelabelButtons();
    } else if (SameName(type, UpdateProfileNotification)) {
        if (connected_ == 1 && GetManager() && GetManager()->GetRoot()) GetManager()->GetRoot()->RequestLayout();
    }
}
