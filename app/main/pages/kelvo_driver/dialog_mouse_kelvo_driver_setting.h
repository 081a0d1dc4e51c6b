#pragma once
// The Kelvo driver mouse page: the Kelvo family page over the Kelvo driver
// library. The current DPI level and the LED state live in a four-byte block
// that the page keeps in "DriverTempCPIAndLedData.bin" and sends with the
// write-all command; an import or a reset takes it from the image written.
// The press types stay on the page.

#include "app/macro/files/macro_save_notice.h"
#include "app/main/pages/kelvo/kelvo_family_page.h"

class CDialogMouseKelvoDriverSetting : public KelvoFamilyPage {
public:
    explicit CDialogMouseKelvoDriverSetting(const PageServices& services);

    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

protected:
    void LoadDataFiles() override;
    void ReadFamilySettings() override;
    bool WriteWholeDevice() override;
    int CurrentLevel() const override;
    void SelectLevel(int level) override;
    void SetLevelCount(int count) override;
    void HandleLedSelect(const SkinUI::CUIString& name) override;
    void RefreshFamilyControls() override;
    void ImageWritten(const uint8_t* image, size_t byteCount) override;

private:
    // The block into its file on the user-interface thread; a failure is said
    // as the macro windows say theirs.
    void SaveBlockLater();

    MacroSaveNotice saveNotice_;
};
