// The Kelvo and Kelvo driver pages in the real program over the simulated
// Kelvo mouse (the driver library reaches the same mouse), used as a user
// uses them: a setting of every kind kept by the library until the write,
// the write, an export, a reset and an import through the file dialogs,
// both languages, the mouse unplugged and plugged back, and a restart that
// shows it all again; macros imported over macros placed before, and a
// macro placed beside the other key mode's after a read.
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/settings_containers.h"
#include "tests/program/support/family_page.h"
#include "tests/program/support/program_process.h"
#include "ui/controls/combo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace program_test;

namespace {

struct Family {
    const wchar_t* name;
    // The image of the controller's memory in the state folder.
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
    explicit Journey(const Family& family) : family_(family), page(program, family.name) {}

    std::vector<uint8_t> Memory() const { return program.SavedMemory(family_.state); }
    std::wstring ButtonText(size_t button) const {
        const uint8_t* b = (*family_.secondTable)[button]->bytes;
        return family_.assignmentText(b[0], b[1], b[2], DeviceLibraryBinder::Instance()).GetData();
    }
    bool Enabled(const std::wstring& name) const { return program.Window().Find(name.c_str())->IsEnabled(); }

    const Family& family_;
    ProgramDriver program{L"kelvo"};
    FamilyPage page;
};

void WalkThePage(const Family& family) {
    Journey j(family);
    const FamilyPage& page = j.page;
    ASSERT_TRUE(j.program.Start());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));
    const std::vector<uint8_t> read = j.Memory();

    // The second key mode: a multimedia key for its second button, and the
    // middle and gun keys' press types.
    ASSERT_TRUE(page.Click(L"profile2"));
    ASSERT_TRUE(page.AssignFromList(page.Name(L"profile_key", 2), L"multimedia_setting", L"result_multimedia_value", 3));
    const std::wstring multimedia = j.ButtonText(1);
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    ASSERT_TRUE(page.Click(L"result_middle_key_switch_pro2", 0.05));
    ASSERT_TRUE(page.Click(L"result_gun_key_switch_pro2", 0.05));
    EXPECT_TRUE(page.Selected(L"result_middle_key_switch_pro1"));

    // Three levels, the second active at another step, a picked colour for
    // level 1, seven shots every 20 ms.
    ASSERT_TRUE(page.Click(L"advanced_Settings"));
    ASSERT_TRUE(j.program.Window().ChooseComboItem(page.Name(L"result_DPI_count_setting").c_str(), 1));
    ASSERT_TRUE(page.Click(L"result_DPI2_check", 0.05));
    const int step = page.SliderValue(L"result_DPI2_slider") == 9 ? 10 : 9;
    ASSERT_TRUE(page.MoveSlider(L"result_DPI2_slider", step));
    const DWORD picked = page.PickColour(L"result_DPI1_color", 0.6);
    ASSERT_NE(picked, 0u);
    if (page.Selected(L"result_fire_continue")) {
        ASSERT_TRUE(page.Click(L"result_fire_continue", 0.05));
    }
    ASSERT_TRUE(j.program.Window().TypeText(page.Name(L"result_fire_count").c_str(), L"7"));
    ASSERT_TRUE(j.program.Window().TypeText(page.Name(L"result_fire_time").c_str(), L"20"));

    // Another lighting mode, switched off; on the Kelvo also half the LEDs
    // and a slower effect.
    ASSERT_TRUE(page.Click(L"led_Settings"));
    ASSERT_TRUE(page.Click(L"result_LED_mode_random_sport", 0.05));
    ASSERT_TRUE(page.Click(L"result_LED_status_off", 0.05));
    int speed = 0;
    if (family.hasLightAndSpeed) {
        ASSERT_TRUE(page.Click(L"result_LED_light_half", 0.05));
        speed = page.SliderValue(L"result_mode_speed") == 5 ? 6 : 5;
        ASSERT_TRUE(page.MoveSlider(L"result_mode_speed", speed));
    }
    // The library holds the edits until the write.
    EXPECT_EQ(j.Memory(), read);
    ASSERT_TRUE(page.Click(L"write_data"));
    const std::vector<uint8_t> settings = j.Memory();
    ASSERT_FALSE(settings.empty());
    EXPECT_NE(settings, read);

    // Exported, reset to the factory image, imported back.
    const std::wstring exported = j.program.StateFolder() + L"\\" + family.name + L" settings.bin";
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"save_data").c_str(), exported));
    EXPECT_EQ(FileBytes(exported), settings);
    ASSERT_TRUE(page.Click(L"reset_data"));
    EXPECT_EQ(j.Memory(), FileBytes(family.factoryFile));
    EXPECT_FALSE(page.Selected(L"result_LED_mode_random_sport")) << "the lighting follows the reset";
    EXPECT_FALSE(page.Selected(L"result_LED_status_off"));
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"import_data").c_str(), exported));
    EXPECT_EQ(j.Memory(), settings);

    // The buttons' texts in Chinese and back.
    ASSERT_TRUE(page.Click(L"profile2"));
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    ASSERT_TRUE(page.InChinese([&] {
        EXPECT_NE(j.ButtonText(1), multimedia);
        EXPECT_EQ(page.Text(L"profile_key", 2), j.ButtonText(1));
    }));
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);

    // Unplugged, the page is disabled; plugged back, it is read again.
    const std::wstring content = MousePage(family.name);
    ASSERT_TRUE(j.program.PlugDevice("kelvo", false));
    EXPECT_FALSE(j.Enabled(content));
    ASSERT_TRUE(j.program.PlugDevice("kelvo", true));
    EXPECT_TRUE(j.Enabled(content));

    ASSERT_TRUE(j.program.Restart());
    ASSERT_TRUE(j.program.ShowPage(content));
    EXPECT_EQ(j.Memory(), settings);
    EXPECT_EQ(j.program.Window().FontOf(page.Name(L"profile2").c_str()), 4);
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    if (family.libraryKeepsPressTypes) {
        EXPECT_TRUE(page.Selected(L"result_middle_key_switch_pro2"));
        EXPECT_TRUE(page.Selected(L"result_gun_key_switch_pro2"));
    }
    ASSERT_TRUE(page.Click(L"advanced_Settings"));
    EXPECT_EQ(j.program.Window().FindAs<SkinUI::CComboUI>(page.Name(L"result_DPI_count_setting").c_str())->GetCurSel(), 1);
    EXPECT_TRUE(page.Selected(L"result_DPI2_check"));
    EXPECT_EQ(page.SliderValue(L"result_DPI2_slider"), step);
    EXPECT_EQ(j.program.Window().Find(page.Name(L"result_DPI1_color").c_str())->GetBackgroundColor(), picked);
    EXPECT_EQ(page.Text(L"result_fire_count"), L"7");
    EXPECT_EQ(page.Text(L"result_fire_time"), L"20");
    ASSERT_TRUE(page.Click(L"led_Settings"));
    EXPECT_TRUE(page.Selected(L"result_LED_mode_random_sport"));
    EXPECT_TRUE(page.Selected(L"result_LED_status_off"));
    if (family.hasLightAndSpeed) {
        EXPECT_TRUE(page.Selected(L"result_LED_light_half"));
        EXPECT_EQ(page.SliderValue(L"result_mode_speed"), speed);
    }
}

// The controller keeps a macro's name as UTF-16 with its bytes swapped.
bool HoldsMacroNamed(const std::vector<uint8_t>& memory, const std::wstring& name) {
    std::vector<uint8_t> field;
    for (wchar_t unit : name) {
        field.push_back(static_cast<uint8_t>(unit >> 8));
        field.push_back(static_cast<uint8_t>(unit));
    }
    return std::search(memory.begin(), memory.end(), field.begin(), field.end()) != memory.end();
}

// The macro of that row of the dialog's list for the button of the key mode shown.
bool AssignMacro(const FamilyPage& page, int button, int row) {
    return page.AssignFromList(page.Name(L"profile_key", button), L"base_macro_setting", L"result_marco_value", row);
}

void ImportOverPlacedMacros(const Family& family) {
    Journey j(family);
    const FamilyPage& page = j.page;
    ASSERT_TRUE(j.program.Start());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));
    const int imported = page.RecordNewMacro(L"Imported", {WORD('A'), WORD('B'), WORD('C')});
    const int before = page.RecordNewMacro(L"Before", {WORD('D')});
    const int added = page.RecordNewMacro(L"Added", {WORD('E')});
    ASSERT_GE(std::min({imported, before, added}), 0);

    // A configuration whose second button plays "Imported", written and
    // exported; then "Before" takes that button and that macro's number.
    ASSERT_TRUE(page.Click(L"profile1"));
    ASSERT_TRUE(AssignMacro(page, 2, imported));
    ASSERT_TRUE(page.Click(L"write_data"));
    const std::wstring exported = j.program.StateFolder() + L"\\" + family.name + L" macros.bin";
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"save_data").c_str(), exported));
    ASSERT_TRUE(AssignMacro(page, 2, before));
    EXPECT_EQ(page.Text(L"profile_key", 2), L"Before");

    // Imported, the button names the imported macro; a macro placed after
    // it and the write keep it and leave nothing of "Before".
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"import_data").c_str(), exported));
    EXPECT_EQ(page.Text(L"profile_key", 2), L"Imported");
    ASSERT_TRUE(AssignMacro(page, 3, added));
    EXPECT_EQ(page.Text(L"profile_key", 3), L"Added");
    ASSERT_TRUE(page.Click(L"write_data"));
    const std::vector<uint8_t> memory = j.Memory();
    EXPECT_TRUE(HoldsMacroNamed(memory, L"Imported"));
    EXPECT_TRUE(HoldsMacroNamed(memory, L"Added"));
    EXPECT_FALSE(HoldsMacroNamed(memory, L"Before"));
}

// After a read on the first key mode, a macro placed for its button keeps
// the macro only the second key mode's button plays.
void PlaceBesideTheOtherKeyModesMacro(const Family& family) {
    Journey j(family);
    const FamilyPage& page = j.page;
    ASSERT_TRUE(j.program.Start());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));
    const int other = page.RecordNewMacro(L"Other", {WORD('A'), WORD('B')});
    const int shown = page.RecordNewMacro(L"Shown", {WORD('C')});
    ASSERT_GE(std::min(other, shown), 0);

    // The second key mode's second button plays "Other"; written on the
    // first key mode, the mouse is unplugged and read again when it is back.
    ASSERT_TRUE(page.Click(L"profile2"));
    ASSERT_TRUE(AssignMacro(page, 2, other));
    ASSERT_TRUE(page.Click(L"profile1"));
    ASSERT_TRUE(page.Click(L"write_data"));
    ASSERT_TRUE(j.program.PlugDevice("kelvo", false));
    ASSERT_TRUE(j.program.PlugDevice("kelvo", true));

    ASSERT_TRUE(AssignMacro(page, 3, shown));
    EXPECT_EQ(page.Text(L"profile_key", 3), L"Shown");
    ASSERT_TRUE(page.Click(L"write_data"));
    const std::vector<uint8_t> memory = j.Memory();
    EXPECT_TRUE(HoldsMacroNamed(memory, L"Other"));
    EXPECT_TRUE(HoldsMacroNamed(memory, L"Shown"));
    ASSERT_TRUE(page.Click(L"profile2"));
    EXPECT_EQ(page.Text(L"profile_key", 2), L"Other");
}

}  // namespace

TEST(KelvoJourney, Kelvo) { WalkThePage(kKelvo); }

TEST(KelvoJourney, KelvoDriver) { WalkThePage(kDriver); }

TEST(KelvoJourney, KelvoImportOverPlacedMacros) { ImportOverPlacedMacros(kKelvo); }

TEST(KelvoJourney, KelvoDriverImportOverPlacedMacros) { ImportOverPlacedMacros(kDriver); }

TEST(KelvoJourney, KelvoMacroOfTheOtherKeyModeOutlivesAReadAndAnAssignment) {
    PlaceBesideTheOtherKeyModesMacro(kKelvo);
}
