#pragma once
// The Kelvo mouse page: the Kelvo family page over the Kelvo library, with
// the fire-key editor, the LED state and the press types the library keeps.

#include "app/main/pages/kelvo/kelvo_family_page.h"

class FireKeyEdit_Kelvo;

class CDialogMouseKelvoSetting : public KelvoFamilyPage {
public:
    explicit CDialogMouseKelvoSetting(const PageServices& services);

    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

protected:
    void LoadDataFiles() override;
    void ReadFamilySettings() override;
    bool WriteWholeDevice() override;
    int CurrentLevel() const override;
    void SelectLevel(int level) override;
    void SetLevelCount(int count) override;
    void HandleLedSelect(const SkinUI::CUIString& name) override;
    void HandleLedValue(const SkinUI::CUIString& name, int value) override;
    void SendPressTypes() override;
    void RefreshFamilyControls() override;
    void OnPageShown(int page) override;

private:
    FireKeyEdit_Kelvo* fireEditor_ = nullptr;  // owned by the control tree
};
