// The Qiro page in the real program over the simulated Qiro, used as a user
// uses it: every change is checked in the memory the controller saved.
#include "app/core/binder/device_binder.h"
#include "app/core/keys/assignment_texts.h"
#include "app/core/keys/key_codes.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "tests/program/support/family_page.h"
#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/check_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace program_test;

namespace {

// Where the Qiro keeps what the page shows.
constexpr size_t kReportRateByte = 4;
constexpr size_t kFirstLevelSteps = 44;  // level 1 in the low nibble
constexpr size_t kLevelColours = 87;     // red, green, blue of level 1, 2, ...
constexpr size_t kComboKey4 = 139;
constexpr size_t kProfileByte = 164;
constexpr size_t kLightingModeByte = 165;  // mode + 1 in the low nibble
constexpr size_t kLevelByte = 166;         // the active level, from 0
constexpr size_t kKeyTables = 192;         // 49 bytes each, 4 bytes per button
constexpr size_t kFirePresets = 304;       // 24 bytes each
constexpr size_t kMacroArea = 496;         // 16-byte name, then the data

std::vector<uint8_t> Slice(const std::vector<uint8_t>& memory, size_t at, size_t count) {
    if (memory.size() < at + count) return {};
    return std::vector<uint8_t>(memory.begin() + static_cast<long>(at), memory.begin() + static_cast<long>(at + count));
}

std::vector<uint8_t> KeyEntry(const std::vector<uint8_t>& memory, int set, int button) {
    return Slice(memory, kKeyTables + 49 * static_cast<size_t>(set) + 4 * static_cast<size_t>(button), 4);
}

// The key steps of Nolx macro data, in order (delays and loops left out).
std::vector<std::pair<int, int>> KeySteps(const std::vector<uint8_t>& data) {
    std::vector<std::pair<int, int>> keys;
    for (size_t at = 0; at + 1 < data.size() && data[at] != 0x00;) {
        const uint8_t code = data[at];
        if (code == 0x82 || code == 0x02) keys.emplace_back(code, data[at + 1]);
        at += code == 0xFE || code == 0x04 ? 3 : code == 0xFD || code == 0x82 || code == 0x02 ? 2 : 1;
    }
    return keys;
}

class QiroJourney : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    }

    UiWindow Page() const { return program.Window(); }
    std::vector<uint8_t> Memory() const { return program.ControllerMemory("qiro"); }
    // One byte of the controller's memory, -1 when it cannot be read.
    int MemoryByte(size_t at) const {
        const std::vector<uint8_t> memory = Memory();
        return at < memory.size() ? memory[at] : -1;
    }
    bool ClickAndWait(const wchar_t* name, double xFraction = 0.5) const {
        return program.ClickAndWait(name, xFraction);
    }
    bool IsSelected(const wchar_t* name) const { return Page().IsSelected(name); }
    int SliderValue(const wchar_t* name) const { return Page().SliderValue(name); }
    int FontOf(const wchar_t* name) const { return Page().FontOf(name); }
    std::wstring TextOf(const wchar_t* name) const { return Page().TextOf(name); }

    ProgramDriver program{L"qiro"};
    FamilyPage qiro{program, L"Qiro"};
};

}  // namespace

TEST_F(QiroJourney, SettingsReachTheControllerAndShowAgainAfterARestart) {
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    const int step = SliderValue(L"result_DPI1_slider_Qiro") == 3 ? 5 : 3;
    ASSERT_TRUE(Page().MoveSlider(L"result_DPI1_slider_Qiro", step));
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_EQ(TextOf(L"result_DPI1_edit_Qiro"), DpiStepsQiro[static_cast<size_t>(step)].GetData());
    EXPECT_EQ(MemoryByte(kFirstLevelSteps) & 0x0F, step);
    // A level picked on the page becomes the mouse's active level.
    const int picked = MemoryByte(kLevelByte) == 1 ? 1 : 2;
    const std::wstring pickedCheck = L"result_DPI" + std::to_wstring(picked) + L"_check_Qiro";
    ASSERT_TRUE(ClickAndWait(pickedCheck.c_str(), 0.05));
    EXPECT_EQ(MemoryByte(kLevelByte), picked - 1);

    const int rate = IsSelected(L"result_report_rate2_Qiro") ? 3 : 2;
    ASSERT_TRUE(ClickAndWait(rate == 2 ? L"result_report_rate2_Qiro" : L"result_report_rate3_Qiro", 0.05));
    EXPECT_EQ((MemoryByte(kReportRateByte) >> 4) & 3, rate - 1);

    ASSERT_FALSE(Page().FindAs<SkinUI::CCheckBoxUI>(L"result_middle_key_switch_mode_Qiro")->IsChecked());
    ASSERT_TRUE(ClickAndWait(L"result_middle_key_switch_mode_Qiro", 0.05));
    std::vector<uint8_t> memory = Memory();
    EXPECT_EQ(Slice(memory, kComboKey4, 4), (std::vector<uint8_t>{0x07, 0xD1, 0xF0, 0x18}));
    for (int button = 0; button < 12; ++button) {
        const std::vector<uint8_t> entry = KeyEntry(memory, 0, button);
        if (entry.size() == 4 && entry[0] == 1 && entry[1] == 4) {
            EXPECT_EQ(entry[3], 8) << "middle button " << button;
        }
    }

    ASSERT_TRUE(ClickAndWait(L"led_Settings_Qiro"));
    const bool waltz = !IsSelected(L"result_LED_mode_waltz_Qiro");
    ASSERT_TRUE(ClickAndWait(waltz ? L"result_LED_mode_waltz_Qiro" : L"result_LED_mode_rainbow_Qiro", 0.05));
    EXPECT_EQ((MemoryByte(kLightingModeByte) & 0x0F) - 1, waltz ? 4 : 2);

    // A device change opens the controller again; the mouse's own profile
    // button is still followed afterwards.
    SendMessageW(Page().Handle(), WM_DEVICECHANGE, 7, 0);
    ASSERT_TRUE(program.WaitIdle());
    ASSERT_EQ(DeviceSettings.QiroKeyMode, 0);
    ASSERT_TRUE(program.PressDeviceButton("qiro", "profile"));
    EXPECT_TRUE(PumpUntil([&] { return FontOf(L"profile2_Qiro") == 4; }, 3000));
    EXPECT_EQ(FontOf(L"profile1_Qiro"), 3);
    EXPECT_EQ(DeviceSettings.QiroKeyMode, 1);
    const uint8_t* second = QiroMacroKeyTable2[1]->bytes;
    EXPECT_EQ(TextOf(L"profile1_key_Qiro_2"), GetAssignmentTextQiro(second[0], second[1], second[2], second[3]).GetData());

    const size_t transfers = program.TraceLines().size();
    ASSERT_TRUE(program.Restart());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    const std::vector<std::string> trace = program.TraceLines();
    ASSERT_GT(trace.size(), transfers);
    for (size_t line = transfers; line < trace.size(); ++line) {
        // The start-up read changes nothing: no set-bytes, block write or commit.
        for (const char* changing : {"SET qiro 40 05", "SET qiro 40 07", "SET qiro 40 0e"}) {
            EXPECT_NE(trace[line].rfind(changing, 0), 0u) << trace[line];
        }
    }
    EXPECT_EQ(FontOf(L"profile2_Qiro"), 4);
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    EXPECT_EQ(SliderValue(L"result_DPI1_slider_Qiro"), step);
    EXPECT_TRUE(IsSelected(pickedCheck.c_str()));
    EXPECT_TRUE(IsSelected(rate == 2 ? L"result_report_rate2_Qiro" : L"result_report_rate3_Qiro"));
    EXPECT_TRUE(Page().FindAs<SkinUI::CCheckBoxUI>(L"result_middle_key_switch_mode_Qiro")->IsChecked());
    ASSERT_TRUE(ClickAndWait(L"led_Settings_Qiro"));
    EXPECT_TRUE(IsSelected(waltz ? L"result_LED_mode_waltz_Qiro" : L"result_LED_mode_rainbow_Qiro"));

    // The reset writes the default image whole and commits it.
    ASSERT_TRUE(ClickAndWait(L"reset_data_Qiro"));
    const std::vector<uint8_t> defaults = FileBytes(L"TevkNolx005AData_Cfg1.bin");
    ASSERT_EQ(defaults.size(), 2048u);
    EXPECT_EQ(program.SavedMemory(L"qiro"), defaults);
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    EXPECT_EQ(SliderValue(L"result_DPI1_slider_Qiro"), defaults[kFirstLevelSteps] & 0x0F);
}

TEST_F(QiroJourney, AKeyTypedWithShiftInTheDialogBecomesTheButtonsKey) {
    std::wstring shown;
    ModalScript script({
        [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"user_defined_setting_Qiro", 0.05); },
        [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"shift_check_Qiro", 0.05); },
        [] {
            SendKeyPress('A');
            return true;
        },
        [&] {
            shown = UiWindow::OfClass(L"KeyEdit_Qiro").TextOf(L"result_key_value_Qiro");
            return shown == L"Shift+A";
        },
        [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"btn_ok_Qiro"); },
    });
    ASSERT_TRUE(Page().Click(L"profile1_key_Qiro_2"));
    EXPECT_TRUE(script.Wait()) << "stalled at step " << script.StalledAt() << " showing " << std::string(shown.begin(), shown.end());
    ASSERT_TRUE(program.WaitIdle());

    const uint8_t keyA = static_cast<uint8_t>(VirtualKeyToKeyCode('A'));
    EXPECT_EQ(KeyEntry(Memory(), 0, 1), (std::vector<uint8_t>{2, 0x02, 0x00, keyA}));
    EXPECT_EQ(TextOf(L"profile1_key_Qiro_2"), GetAssignmentTextQiro(2, 0x02, 0x00, keyA).GetData());
}

TEST_F(QiroJourney, ADpiPressJustBeforeASliderReleaseIsKeptAndFollowed) {
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    ASSERT_TRUE(program.PressDeviceButton("qiro", "dpi"));
    const int pressed = MemoryByte(kLevelByte);
    const int step = SliderValue(L"result_DPI1_slider_Qiro") == 3 ? 5 : 3;
    ASSERT_TRUE(Page().MoveSlider(L"result_DPI1_slider_Qiro", step));
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_EQ(MemoryByte(kFirstLevelSteps) & 0x0F, step);
    EXPECT_EQ(MemoryByte(kLevelByte), pressed);
    const std::wstring check = L"result_DPI" + std::to_wstring(pressed + 1) + L"_check_Qiro";
    EXPECT_TRUE(PumpUntil([&] { return IsSelected(check.c_str()); }, 3000));
}

TEST_F(QiroJourney, APickedLevelColourAndAFireCountReachTheController) {
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    const DWORD before = Page().Find(L"result_DPI1_color_Qiro")->GetBackgroundColor();
    const DWORD picked = qiro.PickColour(L"result_DPI1_color", 0.3);
    ASSERT_NE(picked, 0u);
    EXPECT_NE(picked, before);
    EXPECT_EQ(Page().Find(L"result_DPI1_color_Qiro")->GetBackgroundColor(), picked);
    EXPECT_EQ(Slice(Memory(), kLevelColours, 3),
              (std::vector<uint8_t>{uint8_t(picked >> 16), uint8_t(picked >> 8), uint8_t(picked)}));

    // The factory image leaves the presets without steps: the mouse gets a
    // preset 0 with a count, a move and a shoot time, and is read again.
    {
        const DeviceLibraryBinder::Guard guard = DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Qiro);
        const uint8_t steps[] = {0xA1, 0xFD, 4, 0x04, 0x00, 0x03, 0xFE, 0x00, 0x64, 0x21, 0xFC};
        std::copy(std::begin(steps), std::end(steps), QiroFireMacros[0]->steps);
        ASSERT_TRUE(DeviceLibraryBinder::Instance().WriteFireMacroQiro(0));
    }
    ASSERT_TRUE(program.Restart());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    ASSERT_TRUE(ClickAndWait(L"fire_macro_Settings_Qiro"));
    EXPECT_TRUE(IsSelected(L"gun_AKM_Qiro"));
    EXPECT_EQ(TextOf(L"result_fire_count_Qiro"), L"4");
    ASSERT_TRUE(Page().TypeText(L"result_fire_count_Qiro", L"12"));
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_EQ(MemoryByte(kFirePresets + 2), 12);
}

TEST_F(QiroJourney, ARecordedMacroAssignedToAButtonReachesTheController) {
    const int row = qiro.RecordNewMacro(L"Burst", {WORD('A'), WORD('B')});
    ASSERT_GE(row, 0);
    ASSERT_EQ(QiroMacroList.size(), static_cast<size_t>(row) + 1);
    EXPECT_STREQ(QiroMacroList.back()->name.GetData(), L"Burst");
    const uint8_t keyA = static_cast<uint8_t>(VirtualKeyToKeyCode('A'));
    const uint8_t keyB = static_cast<uint8_t>(VirtualKeyToKeyCode('B'));
    const std::vector<std::pair<int, int>> recorded = {{0x82, keyA}, {0x02, keyA}, {0x82, keyB}, {0x02, keyB}};
    const std::vector<uint8_t> data = QiroMacroList.back()->data;
    EXPECT_EQ(KeySteps(data), recorded);

    ASSERT_TRUE(ClickAndWait(L"profile1_Qiro"));
    ASSERT_TRUE(qiro.AssignFromList(L"profile1_key_Qiro_3", L"base_macro_setting", L"result_marco_value", row));

    const std::vector<uint8_t> memory = Memory();
    const std::vector<uint8_t> entry = KeyEntry(memory, 0, 2);
    ASSERT_EQ(entry.size(), 4u);
    EXPECT_EQ(entry[0], 0x10);
    const size_t address = static_cast<size_t>(entry[1]) << 8 | entry[2];
    EXPECT_EQ(address, kMacroArea + 16);  // the first macro's data, after its name
    EXPECT_EQ(Slice(memory, kMacroArea, 10), (std::vector<uint8_t>{0, 'B', 0, 'u', 0, 'r', 0, 's', 0, 't'}));
    EXPECT_EQ(Slice(memory, address, data.size()), data);
}

TEST_F(QiroJourney, AProfilePressALanguageSwitchOrAReplugWhileRecordingLeavesTheRecorderWhereItIs) {
    const auto recorderShown = [&] {
        const SkinUI::CControlUI* record = Page().Find(L"recordButton_Qiro");
        EXPECT_TRUE(record && record->IsVisible());
        EXPECT_EQ(FontOf(L"marco_manager_Qiro"), 4);
    };
    const int row = qiro.RecordNewMacro(L"Held", {WORD('A'), WORD('B')}, [&] {
        ASSERT_TRUE(program.PressDeviceButton("qiro", "profile"));
        EXPECT_TRUE(PumpUntil([] { return DeviceSettings.QiroKeyMode == 1; }, 3000));
        Settle(200);
        recorderShown();
        ASSERT_TRUE(ClickAndWait(L"language_2"));
        recorderShown();
        ASSERT_TRUE(program.PlugDevice("qiro", false));
        ASSERT_TRUE(program.PlugDevice("qiro", true));
        recorderShown();
    });
    ASSERT_GE(row, 0);
    const uint8_t keyA = static_cast<uint8_t>(VirtualKeyToKeyCode('A'));
    const uint8_t keyB = static_cast<uint8_t>(VirtualKeyToKeyCode('B'));
    const std::vector<std::pair<int, int>> recorded = {{0x82, keyA}, {0x02, keyA}, {0x82, keyB}, {0x02, keyB}};
    EXPECT_EQ(KeySteps(QiroMacroList.back()->data), recorded);
}

TEST_F(QiroJourney, AnExportedImageComesBackThroughTheFileDialogsInEitherLanguageAndAfterAReplug) {
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    const int step = SliderValue(L"result_DPI1_slider_Qiro") == 9 ? 10 : 9;
    ASSERT_TRUE(Page().MoveSlider(L"result_DPI1_slider_Qiro", step));
    ASSERT_TRUE(program.WaitIdle());
    const std::wstring exported = program.StateFolder() + L"\\qiro export.bin";
    ASSERT_TRUE(program.ChooseFile(L"save_data_Qiro", exported));
    const std::vector<uint8_t> image = FileBytes(exported);
    ASSERT_EQ(image.size(), 2048u);
    EXPECT_EQ(image, Memory());

    ASSERT_TRUE(Page().MoveSlider(L"result_DPI1_slider_Qiro", step + 1));
    ASSERT_TRUE(ClickAndWait(L"result_report_rate1_Qiro", 0.05));
    ASSERT_NE(Memory(), image);
    ASSERT_TRUE(program.ChooseFile(L"import_data_Qiro", exported));
    EXPECT_EQ(Memory(), image);
    EXPECT_EQ(SliderValue(L"result_DPI1_slider_Qiro"), step);
    EXPECT_EQ(TextOf(L"result_DPI1_edit_Qiro"), DpiStepsQiro[static_cast<size_t>(step)].GetData());

    // The buttons' texts follow the language; the page still takes input.
    ASSERT_TRUE(ClickAndWait(L"profile1_Qiro"));
    const std::wstring english = TextOf(L"profile1_key_Qiro_1");
    ASSERT_TRUE(Page().Click(L"language_2"));
    ASSERT_TRUE(program.WaitIdle());
    const uint8_t* left = QiroMacroKeyTable1[0]->bytes;
    const std::wstring chinese = GetAssignmentTextQiro(left[0], left[1], left[2], left[3]).GetData();
    EXPECT_NE(chinese, english);
    EXPECT_EQ(TextOf(L"profile1_key_Qiro_1"), chinese);
    EXPECT_TRUE(SkinUI::test::LooksFinished(*Page().Manager(), L"Qiro page in Chinese"));
    ASSERT_TRUE(ClickAndWait(L"advanced_Settings_Qiro"));
    ASSERT_TRUE(ClickAndWait(L"result_report_rate4_Qiro", 0.05));
    EXPECT_EQ((MemoryByte(kReportRateByte) >> 4) & 3, 3);

    // Unplugged, the page is disabled and writes nothing; plugged back, it
    // shows the mouse again and follows its buttons.
    ASSERT_TRUE(program.PlugDevice("qiro", false));
    EXPECT_FALSE(Page().Find(MousePage(L"Qiro").c_str())->IsEnabled());
    const size_t transfers = program.TraceLines().size();
    Page().Click(L"result_report_rate2_Qiro", 0.05);
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_EQ(program.TraceLines().size(), transfers);
    ASSERT_TRUE(program.PlugDevice("qiro", true));
    EXPECT_TRUE(Page().Find(MousePage(L"Qiro").c_str())->IsEnabled());
    EXPECT_TRUE(IsSelected(L"result_report_rate4_Qiro"));
    ASSERT_TRUE(program.PressDeviceButton("qiro", "profile"));
    EXPECT_TRUE(PumpUntil([&] { return FontOf(L"profile2_Qiro") == 4; }, 3000));
    EXPECT_EQ(TextOf(L"profile1_key_Qiro_2"),
              GetAssignmentTextQiro(QiroMacroKeyTable2[1]->bytes[0], QiroMacroKeyTable2[1]->bytes[1],
                                    QiroMacroKeyTable2[1]->bytes[2], QiroMacroKeyTable2[1]->bytes[3]).GetData());
}
