// The Qiro page in a window over the real skin and the simulated Qiro: the
// layout, the refresh, and the user's clicks down to the controller's memory.
#include "app/main/pages/qiro/dialog_mouse_qiro_setting.h"

#include "app/core/binder/module_loader.h"
#include "app/core/keys/assignment_texts.h"
#include "app/dialogs/fire/fire_key_edit.h"
#include "tests/app/pages/fake_page_services.h"
#include "tests/app/pages/simulated_nolx.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/support/window_input.h"
#include "tests/ui/support/host_window.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo.h"
#include "ui/controls/option.h"
#include "ui/controls/slider.h"
#include "ui/controls/standard_controls.h"
#include "ui/core/layout_builder.h"
#include "ui/core/tab_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>

using namespace SkinUI;
using program_test::ModalScript;
using program_test::UiWindow;

namespace {

const bool kFreshTrace = (ForgetEarlierRuns(), true);

std::wstring SkinFolder() { return ProgramFolder() + L"res\\Skin\\"; }

void LoadLanguage(const wchar_t* language) {
    CWindowManagerUI::RemoveAllLanguageTexts();
    CWindowManagerUI manager;
    CLayoutBuilderUI builder;
    builder.Create((std::wstring(L"Languages\\") + language + L".xml").c_str(), nullptr, nullptr, &manager);
}

// The main window's font table in one face (the frame switches faces with the language).
void UseFonts(CWindowManagerUI& manager, const wchar_t* face) {
    const std::wstring f = face;
    const std::wstring layout = L"<Window><Font id=\"0\" name=\"" + f + L"\" size=\"12\" default=\"true\"/>"
        L"<Font id=\"1\" name=\"" + f + L"\" size=\"12\" bold=\"true\"/>"
        L"<Font id=\"2\" name=\"" + f + L"\" size=\"16\" bold=\"true\"/>"
        L"<Font id=\"3\" name=\"" + f + L"\" size=\"13\"/>"
        L"<Font id=\"4\" name=\"" + f + L"\" size=\"13\" bold=\"true\"/>"
        L"<Font id=\"5\" name=\"" + f + L"\" size=\"14\" bold=\"true\"/>"
        L"<Font id=\"6\" name=\"" + f + L"\" size=\"11\"/></Window>";
    CLayoutBuilderUI builder;
    builder.Create(layout.c_str(), nullptr, nullptr, &manager);
}

std::string FileText(const std::wstring& path) {
    std::ifstream in{std::filesystem::path(path), std::ios::binary};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the page's write requests at once, as the write worker would.
class Worker : public INotifyUI {
public:
    void Notify(NotifyRecordUI& record) override {
        if (record.sender) return;
        if (record.type == L"WRITE_QiroDATA") {
            commands.push_back(static_cast<int>(record.lParam));
            if (page) page->RunDeviceCommand(static_cast<int>(record.lParam));
        } else if (record.type == L"GET_CHANGE_QiroDATA") {
            ++pollRequests;
        }
    }
    NolxMousePage* page = nullptr;
    std::vector<int> commands;
    int pollRequests = 0;
};

class QiroPageWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterStandardControls();
        CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
        CWindowManagerUI::SetResourceFolder(SkinFolder().c_str());
        LoadLanguage(L"English");
    }

    void SetUp() override {
        ASSERT_TRUE(kFreshTrace);
        ResetAppSettings();
        host = std::make_unique<test::HostWindow>(1310, 701);
        page = new CDialogMouseQiroSetting(fakes.services);
        worker.page = page;
        host->manager().AddNotifyReceiver(&worker);
        // As in the main window, the page is a child: children are initialised.
        auto* root = new CContainerUI;
        ASSERT_TRUE(host->manager().AttachRoot(root));
        ASSERT_TRUE(root->AddItem(page));
        host->ShowAndPaint();
        ASSERT_TRUE(page->ConnectAndRead());
        Settle();
        worker.commands.clear();
    }

    void TearDown() override {
        host.reset();
        test::PumpMessages(10);
    }

    void Settle() {
        host->Pump(30);
        host->Send(WM_PAINT);
    }

    CControlUI* Control(const wchar_t* name) {
        CControlUI* control = host->manager().FindControlByName(name);
        EXPECT_NE(control, nullptr) << "no control " << std::string(name, name + wcslen(name));
        return control;
    }
    template <class T>
    T* ControlAs(const wchar_t* name) {
        return dynamic_cast<T*>(Control(name));
    }
    CControlUI* Numbered(const wchar_t* pattern, int n) {
        CUIString name;
        name.Format(pattern, n);
        return Control(name);
    }

    void ClickAt(POINT at) {
        // Two presses within the double-click time would make a double click.
        const DWORD since = GetTickCount() - lastClick;
        if (since <= GetDoubleClickTime()) Sleep(GetDoubleClickTime() - since + 20);
        lastClick = GetTickCount();
        const LPARAM where = MAKELPARAM(at.x, at.y);
        host->Send(WM_MOUSEMOVE, 0, where);
        host->Send(WM_LBUTTONDOWN, MK_LBUTTON, where);
        host->Send(WM_LBUTTONUP, 0, where);
        Settle();
    }
    void Click(CControlUI* control, double xFraction = 0.5) {
        ASSERT_NE(control, nullptr);
        const RECT r = control->GetPosition();
        ClickAt({r.left + static_cast<LONG>((r.right - r.left) * xFraction), (r.top + r.bottom) / 2});
    }
    void Click(const wchar_t* name) { Click(Control(name)); }
    // A box or option toggled as a click toggles it.
    void Toggle(const wchar_t* name) {
        auto* option = ControlAs<COptionUI>(name);
        ASSERT_NE(option, nullptr);
        option->Selected(!option->IsSelected(), true);
        Settle();
    }
    void MoveSlider(const wchar_t* name, int value) {
        auto* slider = ControlAs<CSliderUI>(name);
        ASSERT_NE(slider, nullptr);
        slider->SetValue(value);
        host->manager().SendNotification(slider, L"valuechanged");
        Settle();
    }

    void TypeInto(const wchar_t* name, const wchar_t* text) {
        CControlUI* edit = Control(name);
        edit->SetText(text);
        host->manager().SendNotification(edit, L"textchanged");
        Settle();
    }

    bool Checked(const wchar_t* name) {
        auto* option = ControlAs<COptionUI>(name);
        return option && option->IsSelected();
    }

    FakePageServices fakes;
    Worker worker;
    std::unique_ptr<test::HostWindow> host;
    CDialogMouseQiroSetting* page = nullptr;  // owned by the window's control tree
    TraceReader trace;
    DWORD lastClick = GetTickCount() - 10000;
};

std::vector<std::wstring> PageControlNames() {
    std::vector<std::wstring> names = {
        L"device_Mouse_Qiro_page", L"Setting_switch_Qiro", L"profile1_page_Qiro", L"profile1_Qiro", L"profile2_Qiro",
        L"fire_macro_Settings_Qiro", L"marco_manager_Qiro", L"advanced_Settings_Qiro", L"led_Settings_Qiro",
        L"reset_data_Qiro", L"save_data_Qiro", L"import_data_Qiro", L"web_data_Qiro", L"result_DPI_count_setting_Qiro",
        L"result_mouse_system_iscontrol_Qiro", L"result_mouse_system_isscreen_Qiro", L"mouse_system_speed_Qiro",
        L"mouse_system_double_speed_Qiro", L"mouse_system_screen_speed_Qiro", L"result_LED_light_all_Qiro",
        L"result_LED_light_half_Qiro", L"result_mode_speed_Qiro", L"result_LED_mode_DPI_color_breath_Qiro",
        L"result_LED_mode_Colorful_light_Qiro", L"result_LED_mode_rainbow_Qiro", L"result_LED_mode_flow_light_Qiro",
        L"result_LED_mode_waltz_Qiro", L"result_LED_mode_4_seasons_Qiro", L"result_LED_mode_off_Qiro",
        L"result_back_key_switch_led_Qiro", L"result_middle_key_switch_mode_Qiro", L"result_cpi_key_switch_mode_Qiro",
        L"result_cpi+_key_switch_mode_Qiro", L"result_cpi-_key_switch_mode_Qiro", L"result_back_key_switch_mode_Qiro",
        L"result_forward_key_switch_mode_Qiro", L"result_gun_key_switch_mode_Qiro"};
    wchar_t name[64];
    for (int n = 1; n <= 7; ++n) {
        for (const wchar_t* pattern : {L"result_DPI%d_check_Qiro", L"result_DPI%d_slider_Qiro", L"result_DPI%d_edit_Qiro",
                                       L"result_DPI%d_color_Qiro"}) {
            swprintf(name, 64, pattern, n);
            names.emplace_back(name);
        }
    }
    for (int n = 1; n <= 4; ++n) names.push_back(L"result_report_rate" + std::to_wstring(n) + L"_Qiro");
    for (int k = 1; k <= 3; ++k) {
        for (const wchar_t* base : {L"result_fire_count", L"result_fire_time", L"result_fire_continue"}) {
            names.push_back(base + std::to_wstring(k) + L"_Qiro");
        }
    }
    for (int n = 1; n <= 8; ++n) names.push_back(L"profile1_key_Qiro_" + std::to_wstring(n));
    return names;
}

}  // namespace

TEST_F(QiroPageWindow, TheLayoutHoldsEveryControlItsImagesAndItsTextsInBothLanguages) {
    for (const std::wstring& name : PageControlNames()) EXPECT_NE(host->manager().FindControlByName(name.c_str()), nullptr);
    EXPECT_FALSE(Control(L"web_data_Qiro")->GetUserData().IsEmpty());

    const std::string layout = FileText(SkinFolder() + L"XML\\MousePage_Qiro.xml");
    ASSERT_FALSE(layout.empty());
    const std::regex image("(?:file=')?(Image\\\\[A-Za-z0-9_\\\\]+\\.png)");
    for (std::sregex_iterator it(layout.begin(), layout.end(), image), end; it != end; ++it) {
        const std::string file = (*it)[1];
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(SkinFolder()) / std::wstring(file.begin(), file.end())))
            << file;
    }
    const std::regex token("%\\{(\\d+)\\}");
    std::set<std::string> ids;
    for (std::sregex_iterator it(layout.begin(), layout.end(), token), end; it != end; ++it) ids.insert((*it)[1]);
    EXPECT_GT(ids.size(), 40u);
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        const std::string texts = FileText(SkinFolder() + L"Languages\\" + language + L".xml");
        for (const std::string& id : ids) {
            EXPECT_NE(texts.find("id=\"" + id + "\" value=\""), std::string::npos) << id;
            EXPECT_GE(std::stoi(id), 400);
            EXPECT_LT(std::stoi(id), 500);
        }
    }
}

TEST_F(QiroPageWindow, TheRefreshShowsWhatWasRead) {
    EXPECT_TRUE(Control(L"device_Mouse_Qiro_page")->IsEnabled());
    EXPECT_EQ(worker.pollRequests, 1);
    const int count = DeviceSettings.QiroCpiLevelCount;
    for (int n = 1; n <= 7; ++n) {
        const CpiLevelEntry& level = *QiroCpiLevels[static_cast<size_t>(n - 1)];
        EXPECT_EQ(Numbered(L"result_DPI%d_edit_Qiro", n)->GetText(), DpiStepText(DpiStepsQiro, level.value).GetData());
        EXPECT_EQ(dynamic_cast<CSliderUI*>(Numbered(L"result_DPI%d_slider_Qiro", n))->GetValue(), level.value);
        EXPECT_EQ(Numbered(L"result_DPI%d_slider_Qiro", n)->IsEnabled(), n <= count);
        EXPECT_EQ(Numbered(L"result_DPI%d_color_Qiro", n)->GetBackgroundColor(),
                  0xFF000000u | DWORD(level.red) << 16 | DWORD(level.green) << 8 | DWORD(level.blue));
    }
    EXPECT_TRUE(dynamic_cast<COptionUI*>(Numbered(L"result_DPI%d_check_Qiro", DeviceSettings.QiroActiveCpiLevel))->IsSelected());
    EXPECT_TRUE(dynamic_cast<COptionUI*>(Numbered(L"result_report_rate%d_Qiro", DeviceSettings.QiroReportRate + 1))->IsSelected());
    const RecordList<MacroKeyEntry>& table = DeviceSettings.QiroKeyMode == 0 ? QiroMacroKeyTable1 : QiroMacroKeyTable2;
    for (int n = 1; n <= 8; ++n) {
        const uint8_t* b = table[static_cast<size_t>(n - 1)]->bytes;
        EXPECT_EQ(Numbered(L"profile1_key_Qiro_%d", n)->GetText(), GetAssignmentTextQiro(b[0], b[1], b[2], b[3]).GetData());
    }
    EXPECT_EQ(QiroMacroKeyTable1.size(), 8u);  // one entry per button of the layout
    EXPECT_EQ(ControlAs<CButtonUI>(L"profile1_Qiro")->GetFont(), DeviceSettings.QiroKeyMode == 0 ? 4 : 3);
    Click(L"advanced_Settings_Qiro");
    EXPECT_EQ(ControlAs<CComboUI>(L"result_DPI_count_setting_Qiro")->GetCurSel(), count - 1);
    // A refresh writes nothing back.
    EXPECT_TRUE(worker.commands.empty());
}

TEST_F(QiroPageWindow, AStepWithoutTextShowsAnEmptyEditAndIsNotWrittenBack) {
    QiroCpiLevels[0]->value = 15;
    page->RefreshControls();
    EXPECT_TRUE(Control(L"result_DPI1_edit_Qiro")->GetText().IsEmpty());
    EXPECT_EQ(ControlAs<CSliderUI>(L"result_DPI1_slider_Qiro")->GetValue(), 14);
    EXPECT_EQ(QiroCpiLevels[0]->value, 15);
    EXPECT_TRUE(worker.commands.empty());
}

TEST_F(QiroPageWindow, TheConnectionNotificationsDisableAndEnableThePage) {
    host->manager().SendNotification(nullptr, L"Qiro_Connet_Error");
    EXPECT_FALSE(Control(L"device_Mouse_Qiro_page")->IsEnabled());
    EXPECT_EQ(page->ConnectedFlag(), 0);
    host->manager().SendNotification(nullptr, L"READ_QiroDATA");
    EXPECT_TRUE(Control(L"device_Mouse_Qiro_page")->IsEnabled());
    EXPECT_EQ(page->ConnectedFlag(), 1);
}

TEST_F(QiroPageWindow, TabButtonsSwitchPagesAndMarkThemselves) {
    const struct {
        const wchar_t* button;
        int page;
    } tabs[] = {{L"marco_manager_Qiro", 1}, {L"advanced_Settings_Qiro", 2}, {L"led_Settings_Qiro", 3},
                {L"fire_macro_Settings_Qiro", 4}};
    for (const auto& tab : tabs) {
        Click(tab.button);
        EXPECT_EQ(ControlAs<CTabLayoutUI>(L"Setting_switch_Qiro")->GetSelectedIndex(), tab.page);
        auto* button = ControlAs<CButtonUI>(tab.button);
        EXPECT_EQ(button->GetFont(), 4);
        EXPECT_EQ(button->GetNormalImage(), button->GetPushedImage().GetData());
        EXPECT_EQ(ControlAs<CButtonUI>(L"profile1_Qiro")->GetFont(), 3);
    }
    EXPECT_TRUE(worker.commands.empty());
}

TEST_F(QiroPageWindow, AProfileButtonMakesItsProfileActiveOnTheController) {
    Click(L"advanced_Settings_Qiro");
    Click(L"profile2_Qiro");
    EXPECT_EQ(worker.commands, std::vector<int>{kWriteKeyMode});
    EXPECT_EQ(DeviceSettings.QiroKeyMode, 1);
    EXPECT_EQ(ControlAs<CTabLayoutUI>(L"Setting_switch_Qiro")->GetSelectedIndex(), 0);
    EXPECT_EQ(ControlAs<CButtonUI>(L"profile2_Qiro")->GetFont(), 4);
    EXPECT_EQ(ControlAs<CButtonUI>(L"profile1_Qiro")->GetFont(), 3);
    EXPECT_EQ(ControllerMemory()[164] & 0x0F, 1);
    Click(L"profile1_Qiro");
    EXPECT_EQ(ControllerMemory()[164] & 0x0F, 0);
}

TEST_F(QiroPageWindow, AReportRateOptionWritesTheRate) {
    Click(L"advanced_Settings_Qiro");
    const int rate = DeviceSettings.QiroReportRate == 3 ? 2 : 3;
    Click(Numbered(L"result_report_rate%d_Qiro", rate + 1), 0.1);
    EXPECT_EQ(worker.commands, std::vector<int>{kWriteReportRate});
    EXPECT_EQ((ControllerMemory()[4] >> 4) & 3, rate);
}

TEST_F(QiroPageWindow, ADpiSliderWritesItsStepAndShowsItsText) {
    Click(L"advanced_Settings_Qiro");
    DeviceSettings.QiroCpiLevelCount = 7;
    page->RefreshControls();
    const int before = QiroCpiLevels[0]->value;
    MoveSlider(L"result_DPI1_slider_Qiro", before > 7 ? 2 : 12);
    const int step = ControlAs<CSliderUI>(L"result_DPI1_slider_Qiro")->GetValue();
    EXPECT_NE(step, before);
    EXPECT_EQ(QiroCpiLevels[0]->value, step);
    EXPECT_EQ(Control(L"result_DPI1_edit_Qiro")->GetText(), DpiStepsQiro[static_cast<size_t>(step)].GetData());
    ASSERT_FALSE(worker.commands.empty());
    EXPECT_EQ(worker.commands.back(), kWriteCpiSettings);
    EXPECT_EQ(ControllerMemory()[44] & 0x0F, step);
}

TEST_F(QiroPageWindow, TheLevelCountEnablesLevelsAndMakesTheLastActive) {
    Click(L"advanced_Settings_Qiro");
    ControlAs<CComboUI>(L"result_DPI_count_setting_Qiro")->SelectItem(2, false, true);
    Settle();
    EXPECT_EQ(worker.commands, std::vector<int>{kWriteCpiSettings});
    EXPECT_EQ(DeviceSettings.QiroCpiLevelCount, 3);
    EXPECT_EQ(DeviceSettings.QiroActiveCpiLevel, 3);
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(Numbered(L"result_DPI%d_check_Qiro", n)->IsEnabled(), n <= 3);
    EXPECT_TRUE(Checked(L"result_DPI3_check_Qiro"));
    const std::vector<uint8_t> memory = ControllerMemory();
    EXPECT_EQ(memory[43], 2);
    EXPECT_EQ(memory[166], 2);
}

TEST_F(QiroPageWindow, LightingControlsWriteModeBrightnessAndSpeed) {
    Click(L"led_Settings_Qiro");
    const int mode = DeviceSettings.QiroLedMode == 4 ? 2 : 4;
    Click(Control(mode == 4 ? L"result_LED_mode_waltz_Qiro" : L"result_LED_mode_rainbow_Qiro"), 0.05);
    const int on = DeviceSettings.QiroLedOn ? 0 : 1;
    Toggle(on ? L"result_LED_light_all_Qiro" : L"result_LED_light_half_Qiro");
    EXPECT_EQ(DeviceSettings.QiroLedMode, mode);
    EXPECT_EQ(DeviceSettings.QiroLedOn, on);
    EXPECT_EQ(worker.commands, (std::vector<int>{kWriteLighting, kWriteLighting}));
    DeviceSettings.QiroLedMode = DeviceSettings.QiroLedOn = -1;
    ASSERT_TRUE(DeviceLibraryBinder::Instance().ReadLedBreathQiro());
    EXPECT_EQ(DeviceSettings.QiroLedMode, mode);
    EXPECT_EQ(DeviceSettings.QiroLedOn, on);
}

TEST_F(QiroPageWindow, ASwitchWritesItsButtonsAndComboKeysAndClearsWhenTurnedOff) {
    Click(L"advanced_Settings_Qiro");
    // A middle button in both profiles.
    QiroMacroKeyTable1[2]->bytes[0] = QiroMacroKeyTable2[2]->bytes[0] = 1;
    QiroMacroKeyTable1[2]->bytes[1] = QiroMacroKeyTable2[2]->bytes[1] = 4;
    Click(Control(L"result_middle_key_switch_mode_Qiro"), 0.05);
    EXPECT_TRUE(Checked(L"result_middle_key_switch_mode_Qiro"));
    EXPECT_EQ(worker.commands, std::vector<int>{kWriteButtonSwitches});
    std::vector<uint8_t> memory = ControllerMemory();
    const unsigned comboKey4 = 123 + 16;
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + comboKey4, memory.begin() + comboKey4 + 4),
              (std::vector<uint8_t>{0x07, 0xD1, 0xF0, 0x18}));
    EXPECT_EQ(memory[192 + 8 + 3], 8);       // profile 1, button 3
    EXPECT_EQ(memory[192 + 49 + 8 + 3], 8);  // profile 2, button 3

    ASSERT_TRUE(page->ConnectAndRead());
    Settle();
    EXPECT_TRUE(Checked(L"result_middle_key_switch_mode_Qiro"));

    worker.commands.clear();
    Toggle(L"result_middle_key_switch_mode_Qiro");
    EXPECT_FALSE(Checked(L"result_middle_key_switch_mode_Qiro"));
    EXPECT_EQ(worker.commands, std::vector<int>{kWriteButtonSwitches});
    memory = ControllerMemory();
    EXPECT_EQ(memory[comboKey4], 0);
    EXPECT_EQ(memory[192 + 8 + 3], 0);
    ASSERT_TRUE(page->ConnectAndRead());
    Settle();
    EXPECT_FALSE(Checked(L"result_middle_key_switch_mode_Qiro"));
}

// The writes asked for wait, as the main window keeps them while a progress
// window is open: one button write then sends every button assigned since
// the last.
TEST_F(QiroPageWindow, ButtonsAssignedBeforeAButtonWriteAllReachTheController) {
    worker.page = nullptr;
    for (const int button : {2, 3}) {
        ModalScript script({
            [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"multimedia_setting_Qiro"); },
            [button] { return UiWindow::OfClass(L"KeyEdit_Qiro").ClickRow(L"result_multimedia_value_Qiro", button); },
            [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"btn_ok_Qiro"); },
        });
        Click(Numbered(L"profile1_key_Qiro_%d", button));
        ASSERT_TRUE(script.Finished()) << "stalled at step " << script.StalledAt();
    }
    EXPECT_EQ(worker.commands, (std::vector<int>{kWriteButton, kWriteButton}));
    ASSERT_TRUE(page->RunDeviceCommand(kWriteButton));
    const std::vector<uint8_t> memory = ControllerMemory();
    const RecordList<MacroKeyEntry>& table = DeviceSettings.QiroKeyMode == 0 ? QiroMacroKeyTable1 : QiroMacroKeyTable2;
    const unsigned start = 192 + 49 * static_cast<unsigned>(DeviceSettings.QiroKeyMode);
    for (const unsigned button : {2u, 3u}) {
        const uint8_t* bytes = table[button - 1]->bytes;
        EXPECT_EQ(bytes[0], 3) << "button " << button << " holds a multimedia key";
        const auto at = memory.begin() + start + 4 * (button - 1);
        EXPECT_EQ(std::vector<uint8_t>(at, at + 4), std::vector<uint8_t>(bytes, bytes + 4)) << "button " << button;
    }
}

TEST_F(QiroPageWindow, ABackModeSwitchClearsTheBackLedSwitch) {
    Click(L"advanced_Settings_Qiro");
    Click(Control(L"result_back_key_switch_led_Qiro"), 0.05);
    EXPECT_TRUE(Checked(L"result_back_key_switch_led_Qiro"));
    Click(Control(L"result_back_key_switch_mode_Qiro"), 0.05);
    EXPECT_FALSE(Checked(L"result_back_key_switch_led_Qiro"));
    EXPECT_TRUE(Checked(L"result_back_key_switch_mode_Qiro"));
    EXPECT_EQ(DeviceSettings.QiroComboKey2, (ComboKey{0x07, 0xD1, 0xF0, 0x18}));
}

TEST_F(QiroPageWindow, FireKeyEditsKeepTheirLimitsAndWriteTheKey) {
    Click(L"advanced_Settings_Qiro");
    TypeInto(L"result_fire_count1_Qiro", L"20");
    EXPECT_EQ(Control(L"result_fire_count1_Qiro")->GetText(), L"15");
    TypeInto(L"result_fire_time1_Qiro", L"5000");
    EXPECT_EQ(Control(L"result_fire_time1_Qiro")->GetText(), L"4096");
    TypeInto(L"result_fire_count1_Qiro", L"1");
    EXPECT_TRUE(worker.commands.empty());
    host->manager().SendNotification(Control(L"result_fire_count1_Qiro"), L"killfocus");
    EXPECT_EQ(Control(L"result_fire_count1_Qiro")->GetText(), L"0");

    TypeInto(L"result_fire_count1_Qiro", L"6");
    TypeInto(L"result_fire_time1_Qiro", L"300");
    EXPECT_EQ(worker.commands, (std::vector<int>{kWriteFireKey1, kWriteFireKey1}));
    ASSERT_TRUE(DeviceLibraryBinder::Instance().ReadFireKeysQiro());
    EXPECT_EQ(DeviceSettings.FireKeyTableQiro[0].code, 5);
    EXPECT_EQ(DeviceSettings.FireKeyTableQiro[0].value, 300);

    Click(Control(L"result_fire_continue2_Qiro"), 0.05);
    EXPECT_EQ(worker.commands.back(), kWriteFireKey1 + 1);
    EXPECT_EQ(DeviceSettings.FireKeyTableQiro[1].continueFlag, 1);
}

TEST_F(QiroPageWindow, TheFireTabShowsTheFirstPresetOfEachRead) {
    FireKeyEdit* editor = FireKeyEdit_Qiro::Current();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(host->manager().FindControlByName(L"listex_Qiro"), nullptr);  // the macro manager's
    Click(L"fire_macro_Settings_Qiro");
    EXPECT_EQ(editor->PresetIndex(), 0);
    Click(L"gun_M16_Qiro");
    Click(L"advanced_Settings_Qiro");
    Click(L"fire_macro_Settings_Qiro");
    EXPECT_EQ(editor->PresetIndex(), 1);
    ASSERT_TRUE(page->ConnectAndRead());
    Settle();
    EXPECT_EQ(editor->PresetIndex(), -1);
    Click(L"fire_macro_Settings_Qiro");
    EXPECT_EQ(editor->PresetIndex(), 0);
}

TEST_F(QiroPageWindow, ExportAndImportAskForAFileAndCancellingSendsNothing) {
    TempFolder folder;
    Click(L"import_data_Qiro");
    EXPECT_EQ(fakes.files.asked, 1);
    EXPECT_TRUE(worker.commands.empty());

    fakes.files.nextPath = folder.File(L"exported.bin");
    Click(L"save_data_Qiro");
    EXPECT_EQ(worker.commands, std::vector<int>{kExportImage});
    EXPECT_EQ(FileBytes(folder.File(L"exported.bin")), ControllerMemory());

    fakes.files.nextPath = folder.File(L"exported.bin");
    Click(L"import_data_Qiro");
    EXPECT_EQ(worker.commands.back(), kImportImage);
    EXPECT_EQ(worker.pollRequests, 2);  // the import read the controller again

    Click(L"web_data_Qiro");
    ASSERT_EQ(fakes.web.opened.size(), 1u);
    EXPECT_EQ(fakes.web.opened[0], Control(L"web_data_Qiro")->GetUserData().GetData());
}

TEST_F(QiroPageWindow, EveryTabLooksFinishedInBothLanguages) {
    for (const wchar_t* language : {L"English", L"Chinese"}) {
        LoadLanguage(language);
        UseFonts(host->manager(), std::wstring(language) == L"Chinese" ? L"Microsoft YaHei" : L"Segoe UI");
        for (const wchar_t* tab : {L"profile1_Qiro", L"marco_manager_Qiro", L"advanced_Settings_Qiro", L"led_Settings_Qiro",
                                   L"fire_macro_Settings_Qiro"}) {
            Click(tab);
            host->manager().InvalidateAll();
            Settle();
            EXPECT_TRUE(test::LooksFinished(host->manager(), std::wstring(tab) + L" " + language));
        }
    }
    LoadLanguage(L"English");
}
