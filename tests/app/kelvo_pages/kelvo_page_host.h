#pragma once
// A Kelvo family page in a window over the real skin, its write requests run
// at once as the write worker would, and the simulated mouse's memory as the
// simulator keeps it in HIDSIM_STATE_DIR.

#include "app/main/pages/kelvo/kelvo_family_page.h"
#include "tests/app/pages/fake_page_services.h"
#include "tests/app/support/temp_folder.h"
#include "tests/ui/support/host_window.h"

#include <memory>
#include <string>
#include <vector>

// The simulated controllers' memory: "kelvo.bin" or "kelvo-driver.bin".
std::vector<uint8_t> ControllerMemory(const wchar_t* file);
// Removes the simulator's files of earlier runs; call before the first library call.
void ForgetEarlierRuns();
// Loads a language of the skin, as the main window does.
void LoadLanguage(const wchar_t* language);

class KelvoPageHost;
// Every name is a control of the page; the layout file's images exist and
// each of its texts is in both languages, from the pages' range 500-549.
void ExpectLayout(KelvoPageHost& host, const wchar_t* layoutFile, const std::vector<std::wstring>& names);
// The control names both pages have, with the page's suffix.
std::vector<std::wstring> SharedControlNames(const std::wstring& suffix);

class KelvoPageHost : public SkinUI::INotifyUI {
public:
    using PageMaker = KelvoFamilyPage* (*)(const PageServices& services);

    // Makes the page in a window of the main window's page size; the macro
    // folder is a folder of its own.
    explicit KelvoPageHost(PageMaker make);
    ~KelvoPageHost() override;

    void Notify(SkinUI::NotifyRecordUI& record) override;

    KelvoFamilyPage& page() { return *page_; }
    SkinUI::CWindowManagerUI& manager() { return window_->manager(); }
    const TempFolder& macroFolder() const { return macroFolder_; }

    SkinUI::CControlUI* Control(const std::wstring& name);
    template <class T>
    T* As(const std::wstring& name) {
        return dynamic_cast<T*>(Control(name));
    }
    bool Checked(const std::wstring& name);
    bool Enabled(const std::wstring& name);
    std::wstring Text(const std::wstring& name);

    // Mouse input at a control's place (xFraction across it), then paints.
    void Click(const std::wstring& name, double xFraction = 0.5);
    void SelectItem(const std::wstring& list, int item);
    void MoveSlider(const std::wstring& name, int value);
    void Type(const std::wstring& name, const wchar_t* text);
    void Settle();
    // Each tab, by its button's name, shown in English and in Chinese and
    // checked by the control walk (tests/ui/support/control_walk.h).
    void ExpectTabsLookFinished(const std::vector<const wchar_t*>& tabs);

    FakePageServices fakes;
    std::vector<int> commands;  // the write requests, in order

private:
    TempFolder macroFolder_;
    std::unique_ptr<SkinUI::test::HostWindow> window_;
    KelvoFamilyPage* page_ = nullptr;  // owned by the window's control tree
    DWORD lastClick_ = 0;
};
