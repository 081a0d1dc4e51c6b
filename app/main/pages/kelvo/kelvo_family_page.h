#pragma once
// The settings page of a Kelvo mouse, over the Kelvo library or the Kelvo
// driver library (the two members below the family traits). Every edit goes
// at once into the library's image through the binder's wrappers; only the
// commands the page asks of the main window ("WRITE_..." with a command
// code) reach the controller, run by worker threads through
// RunDeviceCommand. Control updates from a worker are handed to the
// user-interface thread through the page services' dispatcher.

#include "app/main/pages/common/command_files.h"
#include "app/main/pages/common/dpi_level_rows.h"
#include "app/main/pages/common/page_tabs.h"
#include "app/main/pages/common/pointer_settings_controls.h"
#include "app/main/pages/common/shown_assignments.h"
#include "app/main/pages/kelvo/kelvo_family_traits.h"
#include "app/main/pages/device_page.h"

#include "ui/core/container.h"
#include "ui/core/layout_builder.h"
#include "ui/core/ui_events.h"

#include <atomic>

// Command codes of RunDeviceCommand.
enum KelvoCommand {
    kKelvoWriteAll = 0,
    kKelvoReset = 1,
    kKelvoExport = 2,
    kKelvoImport = 3,
};

class KelvoFamilyPage : public SkinUI::CContainerUI,
                        public SkinUI::INotifyUI,
                        public SkinUI::IDialogBuilderCallback,
                        public IMousePage {
public:
    // The fire count of continuous fire.
    static constexpr int kContinuousFire = 255;
    // The LED-mode options in mode order (rainbow first, off last).
    static constexpr int kLedModes = 7;
    static const wchar_t* const kLedModeOptions[kLedModes];

    ~KelvoFamilyPage() override;

    void OnInitialize() override;
    void Notify(SkinUI::NotifyRecordUI& record) override;

    bool ConnectAndRead() override;
    int ConnectedFlag() const override { return connected_.load(); }
    bool RunDeviceCommand(int command) override;

    // On the user-interface thread.
    void RefreshControls();
    // The file of the next export or import (the command).
    void SetFilePath(int command, const wchar_t* path);

protected:
    KelvoFamilyPage(const PageServices& services, const KelvoFamilyTraits& traits);

    // The family's data files, loaded before the layout is built.
    virtual void LoadDataFiles() = 0;
    // The reads after the button tables, with the library lock held.
    virtual void ReadFamilySettings() = 0;
    // Command 0; its result is the command's.
    virtual bool WriteWholeDevice() = 0;
    // The current DPI level, from 0.
    virtual int CurrentLevel() const = 0;
    // A DPI level's option was selected / the level count was chosen; the
    // family's settings follow (the library lock is held).
    virtual void SelectLevel(int level) = 0;
    virtual void SetLevelCount(int count) = 0;
    // An option became selected / a slider was moved that none of the shared
    // handlers knows: the family's LED controls (the library lock is held).
    virtual void HandleLedSelect(const SkinUI::CUIString& name) = 0;
    virtual void HandleLedValue(const SkinUI::CUIString& name, int value);
    // The press types reach the library (the Kelvo library only).
    virtual void SendPressTypes();
    // The LED controls and whatever else only the family shows.
    virtual void RefreshFamilyControls() = 0;
    // A tab made its page of "Setting_switch" the shown one.
    virtual void OnPageShown(int page);
    // An import or a reset wrote the file's bytes over the controller; what
    // the family keeps beside the library follows them before the read (the
    // library lock is held).
    virtual void ImageWritten(const uint8_t* image, size_t byteCount);

    // The Kelvo mouse answers the keyboard library's open with its ids.
    static bool MousePresent();

    SkinUI::CControlUI* Find(const SkinUI::CUIString& name) const;
    DeviceLibraryBinder::Guard Lock() const;
    const PageServices& Services() const { return services_; }
    const KelvoFamilyTraits& Traits() const { return traits_; }
    const DpiLevelRows& LevelRows() const { return levelRows_; }
    bool WriteCpiSettings() const;

private:
    void Export();
    enum class ImportOutcome { Refused, NotWritten, Written };
    // The file written over the controller, which is then read again; a file
    // the family does not take is refused.
    ImportOutcome Import(const SkinUI::CUIString& path);
    void PostRefresh();
    void RequestCommand(int command);

    // Notification handlers.
    void HandleFamilyNotification(const SkinUI::CUIString& type);
    void HandleClick(const SkinUI::CUIString& name);
    void HandleSelectChanged(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleValue(SkinUI::CControlUI* sender, const SkinUI::CUIString& name, bool changing);
    void HandleTextChanged(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleLevelCount(int selected);
    bool HandlePressType(SkinUI::CControlUI* sender, const SkinUI::CUIString& name);
    void HandleFireContinue(SkinUI::CControlUI* sender);
    void SelectKeyMode(int mode);
    void SelectTab(int page, const SkinUI::CUIString& button);
    void ChooseFile(bool exporting);
    void EditButton(int index);

    // Refresh parts.
    void RefreshButtons();
    // A button shows its entry's assignment.
    void ShowButton(int index, const ButtonAssignmentEntry& entry);
    ShownAssignments::TextOf ButtonText() const;
    // The buttons in the language now loaded, without the library lock.
    void RelabelButtons();
    void RefreshFire();
    void RefreshDpi();
    void ShowLevelCount();

    const PageServices services_;
    const KelvoFamilyTraits& traits_;
    std::atomic<int> connected_{0};
    CommandFiles commandFiles_;  // guarded by the library lock
    PageTabs tabs_;
    ShownAssignments shownButtons_;
    PointerSettingsControls pointerControls_;
    DpiLevelRows levelRows_;
    int buttonCount_ = 0;  // children of "profile_page", counted at initialisation
};
