#include "tests/app/kelvo_pages/kelvo_page_host.h"

#include "app/core/binder/module_loader.h"
#include "app/core/settings/settings_containers.h"
#include "tests/app/support/settings_reset.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/combo.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/layout_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

using namespace SkinUI;

namespace {

std::wstring Environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

// The main window's fonts 0-6 in one face (the main window re-faces them with
// the language).
void UseFrameFonts(CWindowManagerUI& manager, const std::wstring& face) {
    const struct {
        const wchar_t* size;
        bool bold;
    } fonts[] = {{L"12", false}, {L"12", true}, {L"16", true}, {L"13", false}, {L"13", true}, {L"14", true}, {L"11", false}};
    std::wstring layout = L"<Window>";
    for (int id = 0; id < 7; ++id) {
        layout += L"<Font id=\"" + std::to_wstring(id) + L"\" name=\"" + face + L"\" size=\"" + fonts[id].size + L"\"";
        layout += std::wstring(fonts[id].bold ? L" bold=\"true\"" : L"") + (id == 0 ? L" default=\"true\"/>" : L"/>");
    }
    CLayoutBuilderUI builder;
    builder.Create((layout + L"</Window>").c_str(), nullptr, nullptr, &manager);
}

}  // namespace

std::vector<uint8_t> ControllerMemory(const wchar_t* file) {
    return FileBytes(Environment(L"HIDSIM_STATE_DIR") + L"\\" + file);
}

void ForgetEarlierRuns() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Environment(L"HIDSIM_STATE_DIR")), ignored);
}

static std::string FileText(const std::wstring& path) {
    std::ifstream in{std::filesystem::path(path), std::ios::binary};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectLayout(KelvoPageHost& host, const wchar_t* layoutFile, const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) host.Control(name);
    const std::wstring skin = ProgramFolder() + L"res\\Skin\\";
    const std::string layout = FileText(skin + L"XML\\" + layoutFile);
    ASSERT_FALSE(layout.empty());
    const std::regex image("(?:file=')?(Image\\\\[A-Za-z0-9_\\\\]+\\.png)");
    for (std::sregex_iterator it(layout.begin(), layout.end(), image), end; it != end; ++it) {
        const std::string file = (*it)[1];
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(skin) / std::wstring(file.begin(), file.end()))) << file;
    }
    const std::regex token("%\\{(\\d+)\\}");
    std::set<std::string> ids;
    for (std::sregex_iterator it(layout.begin(), layout.end(), token), end; it != end; ++it) ids.insert((*it)[1]);
    EXPECT_GT(ids.size(), 40u);
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        const std::string texts = FileText(skin + L"Languages\\" + language + L".xml");
        for (const std::string& id : ids) {
            EXPECT_NE(texts.find("id=\"" + id + "\" value=\""), std::string::npos) << id;
            EXPECT_TRUE(std::stoi(id) >= 500 && std::stoi(id) < 550) << id;
        }
    }
}

std::vector<std::wstring> SharedControlNames(const std::wstring& x) {
    std::vector<std::wstring> names;
    for (const wchar_t* base :
         {L"device_Mouse", L"Setting_switch", L"profile_page", L"profile1", L"profile2", L"marco_manager",
          L"advanced_Settings", L"led_Settings", L"write_data", L"reset_data", L"save_data", L"import_data", L"web_data",
          L"result_DPI_count_setting", L"result_fire_continue", L"result_fire_count", L"result_fire_time",
          L"result_mouse_system_iscontrol", L"result_mouse_system_isscreen", L"mouse_system_speed",
          L"mouse_system_double_speed", L"mouse_system_screen_speed", L"result_LED_status_on", L"result_LED_status_off",
          L"led_light", L"led_light_display", L"led_Speed", L"led_Speed_dispaly", L"result_middle_key_switch_pro1",
          L"result_middle_key_switch_pro2", L"result_cpi_key_switch_pro1", L"result_cpi_key_switch_pro2",
          L"result_gun_key_switch_pro2"}) {
        names.push_back(base + x);
    }
    names[0] += L"_page";
    for (const wchar_t* mode : KelvoFamilyPage::kLedModeOptions) names.push_back(mode + x);
    for (int n = 1; n <= 7; ++n) {
        for (const wchar_t* part : {L"check", L"slider", L"edit", L"color"}) {
            names.push_back(L"result_DPI" + std::to_wstring(n) + L"_" + part + x);
        }
    }
    for (int n = 1; n <= 9; ++n) names.push_back(L"profile_key" + x + L"_" + std::to_wstring(n));
    return names;
}

void LoadLanguage(const wchar_t* language) {
    CWindowManagerUI::RemoveAllLanguageTexts();
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    builder.Create((std::wstring(L"Languages\\") + language + L".xml").c_str(), nullptr, nullptr, &manager);
}

KelvoPageHost::KelvoPageHost(PageMaker make) : lastClick_(GetTickCount() - 10000) {
    static const bool skinReady = [] {
        RegisterStandardControls();
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        CWindowManagerUI::SetResourceFolder((ProgramFolder() + L"res\\Skin\\").c_str());
        LoadLanguage(L"English");
        return true;
    }();
    EXPECT_TRUE(skinReady);
    ResetAppSettings();
    MacroTempFolder = macroFolder_.Path().c_str();
    window_ = std::make_unique<test::HostWindow>(1310, 701);
    page_ = make(fakes.services);
    manager().AddNotifyReceiver(this);
    // As in the main window, the page is a child: children are initialised.
    auto* root = new CContainerUI;
    EXPECT_TRUE(manager().AttachRoot(root));
    root->AddItem(page_);
    window_->ShowAndPaint();
}

KelvoPageHost::~KelvoPageHost() {
    manager().RemoveNotifyReceiver(this);
    window_.reset();
    test::PumpMessages(10);
}

void KelvoPageHost::Notify(NotifyRecordUI& record) {
    if (record.sender || record.type.FindText(L"WRITE_") != 0) return;
    commands.push_back(static_cast<int>(record.lParam));
    page_->RunDeviceCommand(static_cast<int>(record.lParam));
}

CControlUI* KelvoPageHost::Control(const std::wstring& name) {
    CControlUI* control = manager().FindControlByName(name.c_str());
    EXPECT_NE(control, nullptr) << "no control " << std::string(name.begin(), name.end());
    return control;
}

bool KelvoPageHost::Checked(const std::wstring& name) {
    auto* option = As<COptionUI>(name);
    return option && option->IsSelected();
}

bool KelvoPageHost::Enabled(const std::wstring& name) {
    CControlUI* control = Control(name);
    return control && control->IsEnabled();
}

std::wstring KelvoPageHost::Text(const std::wstring& name) {
    CControlUI* control = Control(name);
    return control ? control->GetText().GetData() : L"<missing>";
}

void KelvoPageHost::Settle() {
    window_->Pump(30);
    window_->Send(WM_PAINT);
}

void KelvoPageHost::Click(const std::wstring& name, double xFraction) {
    CControlUI* control = Control(name);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->IsVisible()) << std::string(name.begin(), name.end());
    // Two presses within the double-click time would make a double click.
    const DWORD since = GetTickCount() - lastClick_;
    if (since <= GetDoubleClickTime()) Sleep(GetDoubleClickTime() - since + 20);
    lastClick_ = GetTickCount();
    const RECT r = control->GetPosition();
    const LPARAM at = MAKELPARAM(r.left + static_cast<LONG>((r.right - r.left) * xFraction), (r.top + r.bottom) / 2);
    window_->Send(WM_MOUSEMOVE, 0, at);
    window_->Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    window_->Send(WM_LBUTTONUP, 0, at);
    Settle();
}

void KelvoPageHost::SelectItem(const std::wstring& list, int item) {
    auto* combo = As<CComboUI>(list);
    ASSERT_NE(combo, nullptr);
    combo->SelectItem(item, false, true);
    Settle();
}

void KelvoPageHost::MoveSlider(const std::wstring& name, int value) {
    auto* slider = As<CSliderUI>(name);
    ASSERT_NE(slider, nullptr);
    slider->SetValue(value);
    manager().SendNotification(slider, L"valuechanged");
    Settle();
}

void KelvoPageHost::Type(const std::wstring& name, const wchar_t* text) {
    CControlUI* edit = Control(name);
    ASSERT_NE(edit, nullptr);
    edit->SetText(text);
    manager().SendNotification(edit, L"textchanged");
    Settle();
}

void KelvoPageHost::ExpectTabsLookFinished(const std::vector<const wchar_t*>& tabs) {
    for (const bool chinese : {false, true}) {
        LoadLanguage(chinese ? L"Chinese" : L"English");
        UseFrameFonts(manager(), chinese ? L"Microsoft YaHei" : L"Segoe UI");
        for (const wchar_t* tab : tabs) {
            Click(tab);
            manager().InvalidateAll();
            Settle();
            EXPECT_TRUE(test::LooksFinished(manager(), std::wstring(tab) + (chinese ? L" in Chinese" : L" in English")));
        }
    }
    LoadLanguage(L"English");
}
