// The keyboard page in the real program over the simulated Wenk keyboard,
// used as a user uses it: a key given Shift+A, a recorded macro given to
// another key, the lighting, the write, the whole-image operations the
// keyboard cannot do, both languages, the keyboard unplugged and plugged
// back, and a restart that reads it all again; combinations with each
// modifier; another keyboard plugged in after the first.
#include "app/core/settings/device_settings.h"
#include "app/core/settings/settings_containers.h"
#include "devices/wenk/default_image.h"
#include "devices/wenk/memory_map.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/support/program_driver.h"
#include "tests/program/support/program_process.h"
#include "tests/ui/support/control_walk.h"
#include "ui/controls/button.h"
#include "ui/controls/combo.h"
#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

using namespace program_test;

namespace {

constexpr wchar_t kPage[] = L"device_keyboard_page";
constexpr wchar_t kKeyA[] = L"KB_3B";
constexpr size_t kKeyAIndex = 0x3B;
constexpr wchar_t kMacroKey[] = L"KB_3C";
constexpr size_t kMacroKeyIndex = 0x3C;
constexpr uint8_t kFirstMacroSlot = 192;

constexpr size_t kCombinationArea = 152;  // of a profile: 16 words [modifier bits | 0x80, key]
constexpr uint8_t kFirstCombinationSlot = 224;

KeyAssignmentRecord& Key(const wchar_t* name) { return *WenkKeyMap1.at(name); }

// In the key's dialog: the modifier's box, then the key pressed, then OK once
// the dialog shows the combination.
bool AssignCombination(const UiWindow& page, const wchar_t* key, const wchar_t* modifierBox, WORD virtualKey,
                       const std::wstring& shown) {
    ModalScript script({
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"key_setting", 0.05); },
        [=] { return UiWindow::OfClass(L"KeyEdit").Click(modifierBox, 0.05); },
        [=] {
            SendKeyPress(virtualKey);
            return true;
        },
        [=] { return UiWindow::OfClass(L"KeyEdit").TextOf(L"result_key_value") == shown; },
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"btn_ok"); },
    });
    const bool clicked = page.Click(key);
    const bool finished = script.Wait();
    EXPECT_TRUE(finished) << "stalled at step " << script.StalledAt();
    return clicked && finished;
}

// The combination word a key's byte in the profile stands for; -1 for a byte
// that is no combination.
int CombinationOf(const std::vector<uint8_t>& memory, int profile, size_t key) {
    const size_t block = wenk::profileAddress(profile);
    const int slot = memory.at(block + key) - kFirstCombinationSlot;
    if (slot < 0 || slot >= 16) return -1;
    const size_t word = block + kCombinationArea + 2 * static_cast<size_t>(slot);
    return memory.at(word) << 8 | memory.at(word + 1);
}

// The keyboard's macro window opened from the page; not open when it did
// not come.
UiWindow OpenMacroWindow(const UiWindow& page) {
    if (!page.Click(L"marco_manager")) return UiWindow();
    PumpUntil([] { return UiWindow::OfClass(L"MarcoManagerPage").IsOpen(); });
    return UiWindow::OfClass(L"MarcoManagerPage");
}

// In the macro window's name dialog: the name typed, then OK.
std::vector<ModalScript::Step> NameDialogSteps(const wchar_t* name) {
    return {
        [=] { return UiWindow::OfClass(L"MarcoEdit").TypeText(L"result_value", name); },
        [] { return UiWindow::OfClass(L"MarcoEdit").Click(L"btn_ok"); },
    };
}

std::wstring KeyImage(const UiWindow& page, const wchar_t* key) {
    auto* button = page.FindAs<SkinUI::CButtonUI>(key);
    return button != nullptr ? button->GetNormalImage().GetData() : L"<missing>";
}

TEST(KeyboardJourney, KeysAMacroAndTheLightingReachTheKeyboardAndShowAgainAfterARestart) {
    ProgramDriver program(L"wenk");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(kPage));
    UiWindow page = program.Window();
    const std::vector<uint8_t> factory = program.ControllerMemory("wenk");
    ASSERT_EQ(factory.size(), wenk::kMemorySize);

    // Shift+A for the A key.
    std::wstring typed;
    ModalScript shiftA({
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"key_setting", 0.05); },
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"shift_check", 0.05); },
        [] {
            SendKeyPress('A');
            return true;
        },
        [&] {
            typed = UiWindow::OfClass(L"KeyEdit").TextOf(L"result_key_value");
            return typed == L"Shift+A";
        },
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"btn_ok"); },
    });
    ASSERT_TRUE(page.Click(kKeyA));
    ASSERT_TRUE(shiftA.Wait()) << "stalled at step " << shiftA.StalledAt() << " showing " << std::string(typed.begin(), typed.end());
    EXPECT_EQ(KeyImage(page, kKeyA), L"key_change.png");
    const int shiftACode = Key(kKeyA).currentCode;
    EXPECT_NE(shiftACode, Key(kKeyA).defaultCode);

    // A macro recorded in the keyboard's macro window, given to another key.
    const UiWindow macros = OpenMacroWindow(page);
    ASSERT_TRUE(macros.IsOpen());
    ModalScript name(NameDialogSteps(L"Burst"));
    // The window is laid out once it has shown.
    ASSERT_TRUE(PumpUntil([&] { return macros.Click(L"AddMarcoButton"); }));
    ASSERT_TRUE(name.Wait());
    ASSERT_EQ(WenkMacroList.size(), 1u);
    ASSERT_TRUE(PumpUntil([&] { return macros.ClickRow(L"listex", 0); }));
    ASSERT_TRUE(macros.Click(L"delay_no", 0.05));
    ASSERT_TRUE(macros.Click(L"recordButton"));
    SendKeyPress('B');
    Settle(100);
    ASSERT_TRUE(macros.Click(L"recordButton"));
    const std::vector<uint8_t> recorded = {0x05, 0x00, 0x81, 0x05, 0x01, 0x05, 0x06};
    EXPECT_EQ(WenkMacroList[0]->data, recorded);
    ASSERT_TRUE(macros.Click(L"okbtn"));
    ModalScript give({
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"marco_setting", 0.05); },
        [] { return UiWindow::OfClass(L"KeyEdit").ClickRow(L"result_marco_value", 0); },
        [] { return UiWindow::OfClass(L"KeyEdit").Click(L"btn_ok"); },
    });
    ASSERT_TRUE(page.Click(kMacroKey));
    ASSERT_TRUE(give.Wait()) << "stalled at step " << give.StalledAt();
    EXPECT_EQ(Key(kMacroKey).type, KeyAssignmentRecord::Macro);

    // The lighting of the first set: another effect, brighter, faster, synced.
    auto* effect = page.FindAs<SkinUI::CComboUI>(L"led_type_combo");
    const int type = effect->GetCurSel() == 3 ? 2 : 3;
    ASSERT_TRUE(page.ChooseComboItem(L"led_type_combo", type));
    ASSERT_TRUE(page.MoveSlider(L"led_light", 6));
    ASSERT_TRUE(page.MoveSlider(L"led_Speed", 5));
    EXPECT_EQ(page.TextOf(L"led_light_display"), L"6");
    const bool synced = page.IsSelected(L"led_sync");
    ASSERT_TRUE(page.Click(L"led_sync", 0.05));
    // Nothing reaches the keyboard before the write.
    EXPECT_EQ(program.ControllerMemory("wenk"), factory);

    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));
    const auto written = [&] { return program.ControllerMemory("wenk"); };
    const std::vector<uint8_t> memory = written();
    const size_t profile = wenk::profileAddress(0);
    EXPECT_EQ(memory[profile + kKeyAIndex], shiftACode & 0xFF);
    EXPECT_EQ(memory[profile + kMacroKeyIndex], kFirstMacroSlot);
    const uint16_t slot = wenk::kSlotAddress[0];
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + slot, memory.begin() + slot + recorded.size()), recorded);
    EXPECT_EQ(memory[wenk::ledAddress(0)], (synced ? 0x00 : 0x80) | type);
    EXPECT_EQ(memory[wenk::ledAddress(0) + 1], 5 | 6 << 3);

    // The keyboard library has no whole-image transfer: once the keyboard is
    // open, each ends in the transfer message, and the export writes no file.
    {
        MessageBoxWatch boxes;
        const std::wstring exported = program.StateFolder() + L"\\keyboard.bin";
        ASSERT_TRUE(program.ChooseFile(L"save_data_Wenk", exported));
        EXPECT_FALSE(std::filesystem::exists(exported));
        ASSERT_TRUE(program.ChooseFile(L"import_data_Wenk", std::filesystem::absolute(L"DefaultData_1.bin").wstring()));
        ASSERT_TRUE(program.ClickAndWait(L"reset_data_Wenk"));
        EXPECT_EQ(boxes.Take(), (std::vector<std::wstring>{L"%{083}", L"%{083}", L"%{083}"}));
    }
    EXPECT_EQ(written(), memory);

    // In Chinese, and back.
    ASSERT_TRUE(program.ClickAndWait(L"language_2"));
    EXPECT_EQ(KeyImage(page, kKeyA), L"key_change.png");
    EXPECT_TRUE(SkinUI::test::LooksFinished(*page.Manager(), L"keyboard page in Chinese"));
    ASSERT_TRUE(program.ClickAndWait(L"language_1"));

    // Unplugged, the page is disabled; plugged back, it is read again.
    ASSERT_TRUE(program.PlugDevice("wenk", false));
    EXPECT_FALSE(page.Find(kPage)->IsEnabled());
    ASSERT_TRUE(program.PlugDevice("wenk", true));
    EXPECT_TRUE(page.Find(kPage)->IsEnabled());
    EXPECT_EQ(KeyImage(page, kKeyA), L"Image\\key_change.png");

    // A new start: the program-wide lists begin empty.
    program.Close();
    ResetAppSettings();
    ASSERT_TRUE(program.Start());
    page = program.Window();
    ASSERT_TRUE(program.ShowPage(kPage));
    EXPECT_EQ(written(), memory);
    EXPECT_EQ(program.SavedMemory(L"wenk"), memory);
    EXPECT_EQ(Key(kKeyA).currentCode, shiftACode);
    EXPECT_EQ(KeyImage(page, kKeyA), L"Image\\key_change.png");
    EXPECT_EQ(KeyImage(page, kMacroKey), L"Image\\key_change.png");
    EXPECT_EQ(Key(kMacroKey).type, KeyAssignmentRecord::Macro);
    EXPECT_STREQ(Key(kMacroKey).name.GetData(), L"Burst");
    EXPECT_EQ(page.FindAs<SkinUI::CComboUI>(L"led_type_combo")->GetCurSel(), type);
    EXPECT_EQ(page.SliderValue(L"led_light"), 6);
    EXPECT_EQ(page.SliderValue(L"led_Speed"), 5);
    EXPECT_EQ(page.IsSelected(L"led_sync"), !synced);

    // The key plays the macro window's macro: renamed there, the key shows
    // the new name and the next write gives it to the keyboard.
    const UiWindow window = OpenMacroWindow(page);
    ASSERT_TRUE(window.IsOpen());
    ModalScript rename(NameDialogSteps(L"Blast"));
    ASSERT_TRUE(PumpUntil([&] { return window.ClickRow(L"listex", 0); }));
    ASSERT_TRUE(window.RightClick(L"listex"));
    ASSERT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MenuWnd").Click(L"menu_Name_ChangeName"); }));
    ASSERT_TRUE(rename.Wait());
    ASSERT_TRUE(window.Click(L"okbtn"));
    EXPECT_STREQ(Key(kMacroKey).name.GetData(), L"Blast");
    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));
    const std::vector<uint8_t> blast = {0, 'B', 0, 'l', 0, 'a', 0, 's', 0, 't', 0, 0};
    const std::vector<uint8_t> renamed = written();
    const uint8_t* field = &renamed.at(slot - wenk::kMacroNameSize);
    EXPECT_EQ(std::vector<uint8_t>(field, field + blast.size()), blast);
}

// A press and release on a lighting slider's thumb, as a user grabs it and
// lets go, leaves the keyboard's brightness 4 and speed 2 as they are.
TEST(KeyboardJourney, APressOnALightingSlidersThumbKeepsItsValue) {
    ProgramDriver program(L"wenk");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(kPage));
    const UiWindow page = program.Window();
    const size_t led = wenk::ledAddress(0);
    const std::vector<uint8_t> factory = program.ControllerMemory("wenk");
    ASSERT_EQ(factory[led + 1], 2 | 4 << 3);

    for (const wchar_t* name : {L"led_light", L"led_Speed"}) {
        const RECT thumb = page.FindAs<SkinUI::CSliderUI>(name)->GetThumbRect();
        page.ClickAt(POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2});
    }
    EXPECT_EQ(page.TextOf(L"led_light_display"), L"4");
    EXPECT_EQ(page.TextOf(L"led_Speed_dispaly"), L"2");
    EXPECT_EQ(page.SliderValue(L"led_light"), 4);
    EXPECT_EQ(page.SliderValue(L"led_Speed"), 2);

    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));
    const std::vector<uint8_t> memory = program.ControllerMemory("wenk");
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + led, memory.begin() + led + 2),
              std::vector<uint8_t>(factory.begin() + led, factory.begin() + led + 2));
}

TEST(KeyboardJourney, EachModifierOfACombinationReachesTheKeyboardWithItsOwnBit) {
    ProgramDriver program(L"wenk");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(kPage));
    const UiWindow page = program.Window();
    const struct {
        const wchar_t* key;
        size_t index;
        const wchar_t* box;
        const wchar_t* shown;
        int bit;
    } combinations[] = {{L"KB_3B", 0x3B, L"ctrl_check", L"Ctrl+A", 0x01},
                        {L"KB_3C", 0x3C, L"shift_check", L"Shift+A", 0x02},
                        {L"KB_3D", 0x3D, L"alt_check", L"Alt+A", 0x04},
                        {L"KB_3E", 0x3E, L"win_check", L"Win+A", 0x08}};
    for (const auto& combination : combinations) {
        ASSERT_TRUE(AssignCombination(page, combination.key, combination.box, 'A', combination.shown));
    }
    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));

    const std::vector<uint8_t> memory = program.ControllerMemory("wenk");
    for (const auto& combination : combinations) {
        EXPECT_EQ(CombinationOf(memory, 0, combination.index), (0x80 | combination.bit) << 8 | 0x04)
            << combination.shown;
    }
}

TEST(KeyboardJourney, AKeyboardPluggedInAfterAnotherKeepsItsOwnCombinations) {
    constexpr wchar_t kCapsLock[] = L"KB_3A";
    constexpr size_t kCapsLockIndex = 0x3A;
    constexpr int kCtrlA = 0x8104;
    constexpr int kShiftA = 0x8204;
    constexpr int kCtrlC = 0x8106;
    ProgramDriver program(L"wenk,wenk");
    // The second keyboard's profile 0 holds the combinations the first one
    // is given below, its profile 1 Ctrl+C; its Caps Lock key plays the first.
    const std::vector<int> areas[] = {{kCtrlA, kShiftA}, {kCtrlC}};
    std::array<uint8_t, wenk::kMemorySize> other = wenk::defaultImage();
    for (int profile = 0; profile < wenk::kProfiles; ++profile) {
        uint8_t* block = &other[wenk::profileAddress(profile)];
        block[kCapsLockIndex] = kFirstCombinationSlot;
        for (size_t i = 0; i < areas[profile].size(); ++i) {
            block[kCombinationArea + 2 * i] = static_cast<uint8_t>(areas[profile][i] >> 8);
            block[kCombinationArea + 2 * i + 1] = static_cast<uint8_t>(areas[profile][i]);
        }
        block[wenk::kProfileSize] = wenk::blockChecksum(block, wenk::kProfileSize);
    }
    PutFile(program.StateFolder() + L"\\wenk-2.bin", std::vector<uint8_t>(other.begin(), other.end()));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.PlugDevice("wenk-2", false));
    ASSERT_TRUE(program.ShowPage(kPage));
    const UiWindow page = program.Window();

    // The first keyboard's A key becomes Shift+A and its first function
    // button Ctrl+A; then it goes and the second one comes.
    ASSERT_TRUE(AssignCombination(page, kKeyA, L"shift_check", 'A', L"Shift+A"));
    ASSERT_TRUE(AssignCombination(page, L"FN_Setting", L"ctrl_check", 'A', L"Ctrl+A"));
    ASSERT_EQ(WenkProfileWords, areas[0]);
    ASSERT_TRUE(program.PlugDevice("wenk", false));
    EXPECT_FALSE(page.Find(kPage)->IsEnabled());
    ASSERT_TRUE(program.PlugDevice("wenk-2", true));
    EXPECT_TRUE(page.Find(kPage)->IsEnabled());
    EXPECT_EQ(KeyImage(page, kCapsLock), L"Image\\key_change.png");

    // Its lighting written: its Caps Lock key keeps each profile's first
    // combination, its function buttons stay as they were.
    const int brightness = page.SliderValue(L"led_light") == 6 ? 2 : 6;
    ASSERT_TRUE(page.MoveSlider(L"led_light", brightness));
    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));
    const std::vector<uint8_t> memory = program.ControllerMemory("wenk-2");
    EXPECT_EQ(memory.at(wenk::ledAddress(0) + 1) >> 3 & 0x07, brightness);
    for (int profile = 0; profile < wenk::kProfiles; ++profile) {
        EXPECT_EQ(CombinationOf(memory, profile, kCapsLockIndex), areas[profile][0]) << "profile " << profile;
        const size_t buttons = wenk::profileAddress(profile) + wenk::kFunctionButtonsOffset;
        EXPECT_TRUE(std::equal(memory.begin() + buttons, memory.begin() + buttons + wenk::kFunctionButtonCount,
                               other.begin() + buttons)) << "profile " << profile;
    }
}

}  // namespace
