// The Dolv and Mesk pages in the real program, each over its one simulated
// mouse, used as a user uses them: a setting of every kind, a recorded
// macro, an export, a reset and an import through the file dialogs, both
// languages, the mouse unplugged and plugged back, and a restart that shows
// it all again.
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/settings_containers.h"
#include "devices/nolx/image_layout.h"
#include "tests/program/support/family_page.h"
#include "tests/program/support/program_process.h"
#include "ui/controls/combo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace program_test;

namespace {

struct Family {
    const wchar_t* name;
    const char* simulated;
    const wchar_t* devices;  // the same, as HIDSIM_DEVICES takes it
    RecordList<MacroKeyEntry>* thirdProfile;
    SkinUI::CUIString (*assignmentText)(int, int, int, int);
    const wchar_t* ledMode;  // an option the factory image does not select
    bool sendsLedOn;         // whether all or half the LEDs reach the mouse
    const wchar_t* resetButton;
    const wchar_t* resetFile;
};

const Family kDolv = {L"Dolv", "dolv", L"dolv", &DolvMacroKeyTable3, GetAssignmentTextDolv,
                      L"result_LED_mode_rainbow", true, L"reset_data_Dolv", L"TevkDolvBData_Cfg1.bin"};
const Family kMesk = {L"Mesk", "mesk", L"mesk", &MeskMacroKeyTable3, GetAssignmentTextMesk,
                      L"result_LED_mode_Mixed_Color", false, L"reset_data2_Mesk", L"TevkMeskBData_Cfg2.bin"};

class Journey {
public:
    explicit Journey(const Family& family) : family_(family), program(family.devices), page(program, family.name) {}

    std::vector<uint8_t> Memory() const { return program.ControllerMemory(family_.simulated); }
    std::vector<uint8_t> Memory(size_t at, size_t count) const {
        const std::vector<uint8_t> memory = Memory();
        return std::vector<uint8_t>(memory.begin() + static_cast<long>(at), memory.begin() + static_cast<long>(at + count));
    }
    // Whether the controller's memory changed since the last call.
    bool MemoryChanged() {
        const std::vector<uint8_t> now = Memory();
        const bool changed = now != last_;
        last_ = now;
        return changed;
    }
    std::wstring ButtonText(size_t button) const {
        const uint8_t* b = (*family_.thirdProfile)[button]->bytes;
        return family_.assignmentText(b[0], b[1], b[2], b[3]).GetData();
    }
    bool Enabled(const std::wstring& name) const { return program.Window().Find(name.c_str())->IsEnabled(); }
    int LevelCountShown() const {
        return program.Window().FindAs<SkinUI::CComboUI>(page.Name(L"result_DPI_count_setting").c_str())->GetCurSel();
    }

    const Family& family_;
    ProgramDriver program;
    FamilyPage page;
    std::vector<uint8_t> last_;
};

void WalkThePage(const Family& family) {
    Journey j(family);
    const FamilyPage& page = j.page;
    ASSERT_TRUE(j.program.Start());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));
    j.MemoryChanged();

    // The third profile, and a multimedia key for its second button.
    ASSERT_TRUE(page.Click(L"profile3"));
    EXPECT_EQ(j.Memory()[nolx::kKeyModeByte] & 0x0F, 2);
    ASSERT_TRUE(page.AssignFromList(page.Name(L"profile_key", 2), L"multimedia_setting", L"result_multimedia_value", 3));
    const size_t secondButton = nolx::kKeyTables + 2 * nolx::kKeyTableSize + 4;
    const std::vector<uint8_t> entry((*family.thirdProfile)[1]->bytes, (*family.thirdProfile)[1]->bytes + 4);
    EXPECT_EQ(j.Memory(secondButton, 4), entry);
    const std::wstring multimedia = j.ButtonText(1);
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    EXPECT_TRUE(j.MemoryChanged());

    // A macro recorded in the macro tab for its third button: the first
    // macro of the controller's macro area, after its 16-byte name.
    const int row = page.RecordNewMacro(L"Burst", {WORD('A')});
    ASSERT_GE(row, 0);
    ASSERT_TRUE(page.Click(L"profile3"));
    ASSERT_TRUE(page.AssignFromList(page.Name(L"profile_key", 3), L"base_macro_setting", L"result_marco_value", row));
    EXPECT_EQ(j.Memory(secondButton + 4, 4), (std::vector<uint8_t>{0x10, 0x02, 0x00, 0x00}));
    EXPECT_EQ(j.Memory(nolx::kMacroArea, 10), (std::vector<uint8_t>{0, 'B', 0, 'u', 0, 'r', 0, 's', 0, 't'}));
    EXPECT_EQ(page.Text(L"profile_key", 3), L"Burst");
    EXPECT_TRUE(j.MemoryChanged());

    // Three levels, the second one active at another step, another report
    // rate, a picked colour for level 1 and five shots for fire key 1.
    ASSERT_TRUE(page.Click(L"advanced_Settings"));
    ASSERT_TRUE(j.program.Window().ChooseComboItem(page.Name(L"result_DPI_count_setting").c_str(), 2));
    ASSERT_TRUE(j.program.WaitIdle());
    EXPECT_EQ(j.Memory()[nolx::kCpiLevelCount], 2);
    EXPECT_FALSE(j.Enabled(page.Name(L"result_DPI4_slider")));
    ASSERT_TRUE(page.Click(L"result_DPI2_check", 0.05));
    EXPECT_EQ(j.Memory()[nolx::kGearByte], 1);
    const int step = page.SliderValue(L"result_DPI2_slider") == 7 ? 8 : 7;
    ASSERT_TRUE(page.MoveSlider(L"result_DPI2_slider", step));
    EXPECT_EQ(j.Memory()[nolx::kCpiSteps] >> 4, step);
    const wchar_t* rate = page.Selected(L"result_report_rate2") ? L"result_report_rate3" : L"result_report_rate2";
    ASSERT_TRUE(page.Click(rate, 0.05));
    EXPECT_TRUE(j.MemoryChanged());
    const DWORD picked = page.PickColour(L"result_DPI1_color", 0.7);
    ASSERT_NE(picked, 0u);
    EXPECT_EQ(j.Memory(nolx::kCpiColours, 3), (std::vector<uint8_t>{uint8_t(picked >> 16), uint8_t(picked >> 8), uint8_t(picked)}));
    ASSERT_TRUE(j.program.Window().TypeText(page.Name(L"result_fire_count1").c_str(), L"5"));
    ASSERT_TRUE(j.program.WaitIdle());
    EXPECT_TRUE(j.MemoryChanged());

    // Another lighting mode, half the LEDs, a slower effect.
    ASSERT_TRUE(page.Click(L"led_Settings"));
    ASSERT_TRUE(page.Click(family.ledMode, 0.05));
    EXPECT_TRUE(j.MemoryChanged());
    ASSERT_TRUE(page.Click(L"result_LED_light_half", 0.05));
    EXPECT_EQ(j.MemoryChanged(), family.sendsLedOn);
    const int speed = page.SliderValue(L"result_mode_speed") == 3 ? 4 : 3;
    ASSERT_TRUE(page.MoveSlider(L"result_mode_speed", speed));
    EXPECT_TRUE(j.MemoryChanged());

    // Exported, reset to a factory image, imported back.
    const std::vector<uint8_t> settings = j.Memory();
    const std::wstring exported = j.program.StateFolder() + L"\\" + family.name + L" settings.bin";
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"save_data").c_str(), exported));
    EXPECT_EQ(FileBytes(exported), settings);
    ASSERT_TRUE(j.program.ClickAndWait(family.resetButton));
    EXPECT_EQ(j.Memory(), FileBytes(family.resetFile));
    EXPECT_NE(page.Text(L"profile_key", 2), multimedia);
    ASSERT_TRUE(j.program.ChooseFile(page.Name(L"import_data").c_str(), exported));
    EXPECT_EQ(j.Memory(), settings);

    // The buttons' texts in Chinese and back.
    ASSERT_TRUE(page.Click(L"profile3"));
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    ASSERT_TRUE(page.InChinese([&] {
        EXPECT_NE(j.ButtonText(1), multimedia);
        EXPECT_EQ(page.Text(L"profile_key", 2), j.ButtonText(1));
    }));
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);

    // Unplugged, the page is disabled; plugged back, it follows the mouse's
    // own DPI button again (on the Dolv too, whose library has a reader
    // thread of its own for the same reports).
    ASSERT_TRUE(j.program.PlugDevice(family.simulated, false));
    EXPECT_FALSE(j.Enabled(MousePage(family.name)));
    ASSERT_TRUE(j.program.PlugDevice(family.simulated, true));
    EXPECT_TRUE(j.Enabled(MousePage(family.name)));
    ASSERT_TRUE(page.Click(L"advanced_Settings"));
    ASSERT_TRUE(j.program.PressDeviceButton(family.simulated, "dpi"));
    EXPECT_TRUE(PumpUntil([&] { return page.Selected(L"result_DPI3_check"); }, 3000));

    const std::vector<uint8_t> held = j.Memory();
    ASSERT_TRUE(j.program.Restart());
    ASSERT_TRUE(j.program.ShowPage(MousePage(family.name)));
    EXPECT_EQ(j.Memory(), held);
    EXPECT_EQ(j.program.Window().FontOf(page.Name(L"profile3").c_str()), 4);
    EXPECT_EQ(page.Text(L"profile_key", 2), multimedia);
    EXPECT_EQ(page.Text(L"profile_key", 3), L"Burst");
    ASSERT_TRUE(page.Click(L"advanced_Settings"));
    EXPECT_EQ(j.LevelCountShown(), 2);
    EXPECT_TRUE(page.Selected(L"result_DPI3_check"));
    EXPECT_EQ(page.SliderValue(L"result_DPI2_slider"), step);
    EXPECT_TRUE(page.Selected(rate));
    EXPECT_EQ(j.program.Window().Find(page.Name(L"result_DPI1_color").c_str())->GetBackgroundColor(), picked);
    EXPECT_EQ(page.Text(L"result_fire_count1"), L"5");
    ASSERT_TRUE(page.Click(L"led_Settings"));
    EXPECT_TRUE(page.Selected(family.ledMode));
    EXPECT_EQ(page.SliderValue(L"result_mode_speed"), speed);
}

}  // namespace

TEST(DolvMeskJourney, Dolv) { WalkThePage(kDolv); }

TEST(DolvMeskJourney, Mesk) { WalkThePage(kMesk); }
