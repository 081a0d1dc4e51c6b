#pragma once
// The settings page of the Wenk keyboard: a picture of its keys, its two key
// sets, the lighting of each set, its macro window, and the write, export,
// import and reset of the whole configuration. The device reads and writes
// run on worker threads; everything they change on the page goes through the
// dispatcher.

#include "app/main/pages/device_page.h"
#include "app/windows/page_services.h"
#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/window_manager.h"

#include <atomic>
#include <functional>

struct DeviceEntries;
struct KeyAssignmentRecord;

class CDialogKeySetting : public SkinUI::CContainerUI,
                          public SkinUI::INotifyUI,
                          public SkinUI::IDialogBuilderCallback,
                          public IKeyboardPage {
public:
    explicit CDialogKeySetting(const PageServices& services);

    void OnInitialize() override;
    void Notify(SkinUI::NotifyRecordUI& record) override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

    // Worker operations.
    bool ConnectAndRead() override;
    int ConnectedFlag() const override { return connected_; }
    bool WriteAllSettings() override;

    // User-interface thread.
    void RefreshControls();
    void RefreshLedControls();
    void EditKey(const SkinUI::CUIString& keyName, KeyAssignmentRecord& record);
    void EditFunctionButton();
    void ExportConfiguration();
    void ImportConfiguration();
    void ImportConfigurationFile(const wchar_t* path);
    void ResetToDefaults();

protected:
    // Posts WM_QUIT: the page goes with the main window's tree.
    ~CDialogKeySetting() override;

private:
    void OnClick(const SkinUI::CUIString& name);
    void OnSelectChanged(const SkinUI::CUIString& name);
    void OnValueChanged(const SkinUI::CUIString& name, bool stored);
    void ShowLoading(bool show);
    // Export and import: the open, the transfer and the settle time under
    // the keyboard library's lock, the loading animation shown from the open
    // on. The text of the box the operation ends with, null when the
    // transfer succeeded; the caller shows it once the lock is released.
    const wchar_t* TransferImage(const std::function<bool(const DeviceEntries&)>& transfer);
    void PostRefresh();
    // The named control of the page as the kind of control it is; null when
    // there is none.
    template <class Control>
    Control* Find(const wchar_t* name, const wchar_t* kind) {
        SkinUI::CControlUI* control = m_manager->FindControlByName(name);
        return control ? static_cast<Control*>(control->GetInterfaceByName(kind)) : nullptr;
    }

    PageServices services_;
    std::atomic<int> connected_{0};
};
