#pragma once
// The rapid-fire editor that a mouse page embeds: seven gun presets of one,
// two or three stages, each stage one fire record of the controller. It
// shows the selected preset's records, holds every change to the family's
// limits, writes the changed values into the records in place and sends them
// to the controller at once. The members differ only by their FireFamily.

#include "app/dialogs/fire/fire_family.h"
#include "app/dialogs/fire/fire_steps.h"
#include "app/windows/page_services.h"
#include "ui/core/container.h"
#include "ui/core/layout_builder.h"

#include <array>

class FireKeyEdit : public SkinUI::CContainerUI, public SkinUI::INotifyUI, public SkinUI::IDialogBuilderCallback {
public:
    // Builds the family's layout as its only child and receives every
    // notification of its window manager.
    void OnInitialize() override;
    void Notify(SkinUI::NotifyRecordUI& record) override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

    // The page selected its fire tab: preset 0 unless one is shown.
    void SelectFirstPresetIfNone();
    // The page read its controller: the next selection of the tab shows
    // preset 0 from the fresh records.
    void ForgetPreset() { presetIndex = -1; }
    int PresetIndex() const { return presetIndex; }

    void LoadPreset(int preset);
    void StorePreset();
    void PickStageColour(int stage);
    // Qiro: re-sends the second key set's assignments of the shown preset
    // with the keep-left bit as the box now says.
    void ApplyKeepLeft();

protected:
    FireKeyEdit(const FireFamily& family, const PageServices& services, DeviceLibraryBinder& binder);
    ~FireKeyEdit() override;

private:
    SkinUI::CControlUI* Find(const SkinUI::CUIString& name) const;
    SkinUI::CControlUI* StageControlOf(StageControl control, int stage) const;
    int StageValue(StageControl control, int stage) const;
    void ShowStageValue(StageControl control, int stage, bool present, int value);
    bool IsKeepLeftChecked() const;
    void SetKeepLeftBox();
    // Shows the preset's button as the selected one.
    void MarkPresetButton(int preset);
    void ShowStages(int preset);
    bool HasAllRecords(const std::vector<int>& records) const;
    void LoadStage(int record, int stage);
    void StoreStage(int record, int stage);
    void StoreStageColour(int& red, int& green, int& blue, int stage) const;
    void SendRecord(int record);
    // The field and stage of a value edit; false for any other control.
    bool FindValueEdit(const SkinUI::CUIString& name, StageControl* control, int* stage) const;
    void OnValueEdited(SkinUI::CControlUI* edit, StageControl control, int stage);
    void OnClick(const SkinUI::CUIString& name);

    const FireFamily& family;
    PageServices services;
    DeviceLibraryBinder& binder;
    int presetIndex = -1;
    std::array<KelvoStageSteps, kMaxFireStages> kelvoSteps{};
    std::array<NolxStageSteps, kMaxFireStages> nolxSteps{};
};

// The members, one per family. Each constructor makes its object the
// member's current editor, through which the page reaches it.
#define VASTEMOR_FIRE_KEY_EDIT(Family)                                                            \
    class FireKeyEdit_##Family : public FireKeyEdit {                                             \
    public:                                                                                       \
        explicit FireKeyEdit_##Family(const PageServices& services,                               \
                                      DeviceLibraryBinder& binder = DeviceLibraryBinder::Instance()); \
        static FireKeyEdit_##Family* Current();                                                   \
                                                                                                  \
    protected:                                                                                    \
        ~FireKeyEdit_##Family() override;                                                         \
    };
VASTEMOR_FIRE_KEY_EDIT(Kelvo)
VASTEMOR_FIRE_KEY_EDIT(Dolv)
VASTEMOR_FIRE_KEY_EDIT(Mesk)
VASTEMOR_FIRE_KEY_EDIT(Qiro)
#undef VASTEMOR_FIRE_KEY_EDIT
