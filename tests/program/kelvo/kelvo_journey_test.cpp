// The Kelvo and Kelvo driver pages in the real program over the simulated
// Kelvo mouse (the driver library reaches the same mouse), used as a user
// uses them: a setting of every kind kept by the library until the write,
// the write, an export, a reset and an import through the file dialogs,
// both languages, the mouse unplugged and plugged back, and a restart that
// shows it all again.
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/settings_containers.h"
#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"
#include "ui/controls/combo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace program_test;

namespace {

struct Family {
    const wchar_t* name;
    // The simulator's image of the controller's memory, saved once it
    // changes.
    const wchar_t* state;
    const wchar_t* factoryFile;
    RecordList<ButtonAssignmentEntry>* secondTable;
    SkinUI::CUIString (*assignmentText)(int, int, int, DeviceLibraryBinder&);
    bool hasLightAndSpeed;
    bool libraryKeepsPressTypes;
};

const Family kKelvo = {L"Kelvo", L"kelvo", L"TevkKelvoData_Cfg1.bin", &KelvoButtonTable2, GetAssignmentTextKelvo,
                       true, true};
const Family kDriver = {L"Kelvo_Driver", L"kelvo-driver", L"Driver_TevkKelvoData_Cfg1.bin", &KelvoDriverButtonTable2,
                        GetAssignmentTextKelvoDriver, false, false};

class Journey {
public:
    explicit Journey(const Family& family) : family_(family) {}

    std::wstring Name(const wchar_t* base, int number = 0) const {
        std::wstring name = std::wstring(base) + L"_" + family_.name;
        return number > 0 ? name + L"_" + std::to_wstring(number) : name;
    }
    bool Click(const wchar_t* base, double xFraction = 0.5) const {
        return program.ClickAndWait(Name(base).c_str(), xFraction);
    }
    std::vector<uint8_t> Memory() const { return program.SavedMemory(family_.state); }
    std::wstring ButtonText(size_t button) const {
        const uint8_t* b = (*family_.secondTable)[button]->bytes;
        return family_.assignmentText(b[0], b[1], b[2], DeviceLibraryBinder::Instance()).GetData();
    }
    std::wstring Shown(const wchar_t* base, int number = 0) const { return Window().TextOf(Name(base, number).c_str()); }
    bool Selected(const wchar_t* base) const { return Window().IsSelected(Name(base).c_str()); }
    UiWindow Window() const { return program.Window(); }

    const Family& family_;
    ProgramDriver program{L"kelvo"};
};

void WalkThePage(const Family& family) {
    Journey j(family);
    ASSERT_TRUE(j.program.Start());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));

    // The second key mode: a multimedia key for its second button, and the
    // middle and gun keys' press types.
    ASSERT_TRUE(j.Click(L"profile2"));
    const std::wstring dialog = L"KeyEdit_" + std::wstring(family.name);
    ModalScript assign({
        [&] { return UiWindow::OfClass(dialog.c_str()).Click(j.Name(L"multimedia_setting").c_str(), 0.05); },
        [&] { return UiWindow::OfClass(dialog.c_str()).ClickRow(j.Name(L"result_multimedia_value").c_str(), 3); },
        [&] { return UiWindow::OfClass(dialog.c_str()).Click(j.Name(L"btn_ok").c_str()); },
    });
    ASSERT_TRUE(j.Window().Click(j.Name(L"profile_key", 2).c_str()));
    ASSERT_TRUE(assign.Wait()) << "stalled at step " << assign.StalledAt();
    ASSERT_TRUE(j.program.WaitIdle());
    const std::wstring multimedia = j.ButtonText(1);
    EXPECT_EQ(j.Shown(L"profile_key", 2), multimedia);
    ASSERT_TRUE(j.Click(L"result_middle_key_switch_pro2", 0.05));
    ASSERT_TRUE(j.Click(L"result_gun_key_switch_pro2", 0.05));
    EXPECT_TRUE(j.Selected(L"result_middle_key_switch_pro1"));

    // Three levels, the second active at another step, a picked colour for
    // level 1, seven shots every 20 ms.
    ASSERT_TRUE(j.Click(L"advanced_Settings"));
    ASSERT_TRUE(j.Window().ChooseComboItem(j.Name(L"result_DPI_count_setting").c_str(), 1));
    ASSERT_TRUE(j.Click(L"result_DPI2_check", 0.05));
    const int step = j.Window().SliderValue(j.Name(L"result_DPI2_slider").c_str()) == 9 ? 10 : 9;
    ASSERT_TRUE(j.Window().MoveSlider(j.Name(L"result_DPI2_slider").c_str(), step));
    DWORD picked = 0;
    ModalScript pick({
        [] { return UiWindow::OfClass(L"ColorPicker").Click(L"color_rainbow_control", 0.6); },
        [&] {
            const UiWindow picker = UiWindow::OfClass(L"ColorPicker");
            picked = 0xFF000000u | std::stoul(picker.TextOf(L"r_edit")) << 16 |
                     std::stoul(picker.TextOf(L"g_edit")) << 8 | std::stoul(picker.TextOf(L"b_edit"));
            return picker.Click(L"okbtn");
        },
    });
    ASSERT_TRUE(j.Window().Click(j.Name(L"result_DPI1_color").c_str()));
    ASSERT_TRUE(pick.Wait());
    if (j.Selected(L"result_fire_continue")) ASSERT_TRUE(j.Click(L"result_fire_continue", 0.05));
    ASSERT_TRUE(j.Window().TypeText(j.Name(L"result_fire_count").c_str(), L"7"));
    ASSERT_TRUE(j.Window().TypeText(j.Name(L"result_fire_time").c_str(), L"20"));

    // Another lighting mode, switched off; on the Kelvo also half the LEDs
    // and a slower effect.
    ASSERT_TRUE(j.Click(L"led_Settings"));
    ASSERT_TRUE(j.Click(L"result_LED_mode_random_sport", 0.05));
    ASSERT_TRUE(j.Click(L"result_LED_status_off", 0.05));
    int speed = 0;
    if (family.hasLightAndSpeed) {
        ASSERT_TRUE(j.Click(L"result_LED_light_half", 0.05));
        speed = j.Window().SliderValue(j.Name(L"result_mode_speed").c_str()) == 5 ? 6 : 5;
        ASSERT_TRUE(j.Window().MoveSlider(j.Name(L"result_mode_speed").c_str(), speed));
        ASSERT_TRUE(j.program.WaitIdle());
    }
    // The library holds the edits until the write.
    EXPECT_TRUE(j.Memory().empty());
    ASSERT_TRUE(j.Click(L"write_data"));
    const std::vector<uint8_t> settings = j.Memory();
    ASSERT_FALSE(settings.empty());
    EXPECT_NE(settings, FileBytes(family.factoryFile));

    // Exported, reset to the factory image, imported back.
    const std::wstring exported = j.program.StateFolder() + L"\\" + family.name + L" settings.bin";
    ASSERT_TRUE(j.program.ChooseFile(j.Name(L"save_data").c_str(), exported));
    EXPECT_EQ(FileBytes(exported), settings);
    ASSERT_TRUE(j.Click(L"reset_data"));
    EXPECT_EQ(j.Memory(), FileBytes(family.factoryFile));
    ASSERT_TRUE(j.program.ChooseFile(j.Name(L"import_data").c_str(), exported));
    EXPECT_EQ(j.Memory(), settings);

    // The buttons' texts in Chinese and back.
    ASSERT_TRUE(j.Click(L"profile2"));
    EXPECT_EQ(j.Shown(L"profile_key", 2), multimedia);
    ASSERT_TRUE(j.program.ClickAndWait(L"language_2"));
    EXPECT_NE(j.ButtonText(1), multimedia);
    EXPECT_EQ(j.Shown(L"profile_key", 2), j.ButtonText(1));
    EXPECT_TRUE(j.Window().Screenshot(L"program_" + std::wstring(family.name) + L"_journey_zh"));
    ASSERT_TRUE(j.program.ClickAndWait(L"language_1"));
    EXPECT_EQ(j.Shown(L"profile_key", 2), multimedia);

    // Unplugged, the page is disabled; plugged back, it is read again.
    const std::wstring content = MousePage(family.name);
    ASSERT_TRUE(j.program.PlugDevice("kelvo", false));
    EXPECT_FALSE(j.Window().Find(content.c_str())->IsEnabled());
    ASSERT_TRUE(j.program.PlugDevice("kelvo", true));
    EXPECT_TRUE(j.Window().Find(content.c_str())->IsEnabled());

    ASSERT_TRUE(j.program.Restart());
    ASSERT_TRUE(j.program.ShowPage(content));
    EXPECT_EQ(j.Memory(), settings);
    EXPECT_EQ(j.Window().FontOf(j.Name(L"profile2").c_str()), 4);
    EXPECT_EQ(j.Shown(L"profile_key", 2), multimedia);
    if (family.libraryKeepsPressTypes) {
        EXPECT_TRUE(j.Selected(L"result_middle_key_switch_pro2"));
        EXPECT_TRUE(j.Selected(L"result_gun_key_switch_pro2"));
    }
    ASSERT_TRUE(j.Click(L"advanced_Settings"));
    EXPECT_EQ(j.Window().FindAs<SkinUI::CComboUI>(j.Name(L"result_DPI_count_setting").c_str())->GetCurSel(), 1);
    EXPECT_TRUE(j.Selected(L"result_DPI2_check"));
    EXPECT_EQ(j.Window().SliderValue(j.Name(L"result_DPI2_slider").c_str()), step);
    EXPECT_EQ(j.Window().Find(j.Name(L"result_DPI1_color").c_str())->GetBackgroundColor(), picked);
    EXPECT_EQ(j.Shown(L"result_fire_count"), L"7");
    EXPECT_EQ(j.Shown(L"result_fire_time"), L"20");
    ASSERT_TRUE(j.Click(L"led_Settings"));
    EXPECT_TRUE(j.Selected(L"result_LED_mode_random_sport"));
    EXPECT_TRUE(j.Selected(L"result_LED_status_off"));
    if (family.hasLightAndSpeed) {
        EXPECT_TRUE(j.Selected(L"result_LED_light_half"));
        EXPECT_EQ(j.Window().SliderValue(j.Name(L"result_mode_speed").c_str()), speed);
    }
}

}  // namespace

TEST(KelvoJourney, Kelvo) { WalkThePage(kKelvo); }

TEST(KelvoJourney, KelvoDriver) { WalkThePage(kDriver); }
