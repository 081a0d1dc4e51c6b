#pragma once
// The settings page of a Nolx-family mouse (Qiro, Dolv, Mesk) over the
// family's traits. The user-interface thread builds it, handles its controls'
// notifications and asks the main window for device work ("WRITE_..." with a
// command code); worker threads run that work through RunDeviceCommand,
// ConnectAndRead and PollDeviceChanges and hand every control update back
// through the page services' dispatcher.

#include "app/main/pages/common/command_files.h"
#include "app/main/pages/common/dpi_level_rows.h"
#include "app/main/pages/common/page_tabs.h"
#include "app/main/pages/common/pointer_settings_controls.h"
#include "app/main/pages/common/shown_assignments.h"
#include "app/main/pages/nolx/button_switches.h"
#include "app/main/pages/nolx/fire_key_rules.h"
#include "app/main/pages/nolx/nolx_family_traits.h"
#include "app/main/pages/device_page.h"
#include "app/windows/page_services.h"

#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/ui_events.h"

#include <array>
#include <atomic>
#include <vector>

class FireKeyEdit;
class MouseMacroManager;

// Command codes of RunDeviceCommand.
enum NolxCommand {
    kWriteKeyMode = 1,
    kWriteCpiSettings = 2,
    kWriteButton = 3,
    kWriteFireKey1 = 4,  // 5 and 6: fire keys 2 and 3
    kWriteReportRate = 7,
    kWriteLighting = 8,
    kResetDevice = 9,
    kExportImage = 10,
    kImportImage = 11,
    kWriteButtonSwitches = 12,
};

class NolxMousePage : public SkinUI::CContainerUI,
                      public SkinUI::INotifyUI,
                      public SkinUI::IDialogBuilderCallback,
                      public IPolledMousePage {
public:
    static constexpr int kImageSize = 2048;
    static constexpr int kFireKeys = 3;

    NolxMousePage(const PageServices& services, const NolxFamilyTraits& traits);
    ~NolxMousePage() override;

    void OnInitialize() override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;
    void Notify(SkinUI::NotifyRecordUI& record) override;

    bool ConnectAndRead() override;
    int ConnectedFlag() const override { return connected_.load(); }
    bool RunDeviceCommand(int command) override;
    uint8_t OpenFlag() const override { return openFlag_; }
    void PollDeviceChanges() override;

    // On the user-interface thread.
    void RefreshControls();
    // The file of the next export, import or reset (the command).
    void SetFilePath(int command, const wchar_t* path);

private:
    // Device work, on a worker with the family lock held.
    bool Open();
    void Export();
    // The file written over the controller, which is read again. False when
    // the write did not reach it; a file that is not an image is ignored.
    bool Import(const SkinUI::CUIString& path);
    bool WriteCpiSettings();
    bool WriteAssignedButton();
    bool WriteFireKey(int key);
    bool WriteButtonSwitches();
    bool WriteEntries(const std::vector<EntryRef>& entries);
    void FollowDeviceChange();
    void PostRefresh();

    // Requests to the main window.
    void RequestCommand(int command);
    void RequestChangePoll();

    // Notification handlers.
    void HandleClick(const SkinUI::CUIString& name);
    // The button of that name, 1..n, or 0.
    int ButtonNumberOf(const SkinUI::CUIString& name) const;
    void HandleSelectChanged(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleValueChanged(SkinUI::CControlUI* sender, const SkinUI::CUIString& name, bool changing);
    void HandleTextChanged(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleKillFocus(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleLevelCount(int selected);
    void HandleFamilyNotification(const SkinUI::CUIString& type);
    void SelectTab(int tab, const SkinUI::CUIString& button);
    void SelectProfile(int profile);
    void CaptureFireKeyInput(int key);
    void CaptureSwitchBoxes();
    void ShowSwitchBoxes(const ButtonSwitchBoxes& boxes);

    // The dialogs the page opens over its owner.
    void AssignButton(int number, const SkinUI::CUIString& buttonName);

    // Refresh parts. While a macro records, its tab stays shown and marked:
    // its record button ends the recording.
    bool RecordingMacro() const;
    void RefreshButtonTexts();
    // The named button shows the entry's assignment.
    void ShowButton(SkinUI::CControlUI* button, const MacroKeyEntry& entry);
    ShownAssignments::TextOf ButtonText() const;
    // The buttons in the language now loaded, without the library lock.
    void RelabelButtons();
    void RefreshFireKeys();
    void RefreshDpi();
    void ShowLevelCount();
    void RefreshLighting();
    void RefreshSwitches();

    SkinUI::CControlUI* Find(const SkinUI::CUIString& name) const;
    template <class Control>
    Control* FindAs(const SkinUI::CUIString& name) const {
        return dynamic_cast<Control*>(Find(name));
    }
    // The number n of a control named pattern with %d = n (1..last), or 0.
    int NumberIn(const SkinUI::CUIString& name, const wchar_t* pattern, int last) const;
    DeviceLibraryBinder::Guard Lock() const;

    const PageServices services_;
    const NolxFamilyTraits& traits_;
    std::atomic<int> connected_{0};
    uint8_t openFlag_ = 0;
    // The key sets and indexes of the buttons assigned since the last button
    // write, which sends each; with none, it sends the first button of the
    // shown set. Guarded by the family lock, like the settings records.
    std::vector<EntryRef> assignedKeys_;
    // The user chose the active level since the last DPI write, which then
    // sends it; the mouse's own button changes it too. Guarded likewise.
    bool activeLevelChosen_ = false;
    CommandFiles commandFiles_;
    std::array<FireKeyInput, kFireKeys> fireInputs_{};
    ButtonSwitchBoxes switchBoxes_;
    PageTabs tabs_;
    ShownAssignments shownButtons_;
    PointerSettingsControls pointerControls_;
    DpiLevelRows levelRows_;
    int buttonCount_ = 0;  // children of the button container, counted at initialisation
    FireKeyEdit* fireKeyEditor_ = nullptr;  // made for the layout's tag; a child of the page
    MouseMacroManager* macroManager_ = nullptr;  // the same
};
