// Faults of the simulated Wenk keyboard met through the real main window. The
// keyboard takes each data report into its memory as it comes; its write-all
// sends the two profiles, the profile index, the macros and the two LED
// blocks one after the other, so a write cut short leaves the settings half
// sent until the next write-all sends them whole. An export of a library
// that reads the whole image writes its file, or says the file could not be.
// Macro changes into a macro folder that takes no file are said once, and
// again after a save that works; a macro export is said each time it fails.
#include "app/core/files/macro_folder.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/files/macro_files.h"
#include "devices/wenk/memory_map.h"
#include "tests/app/support/image_read_stand_in.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"
#include "ui/controls/slider.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace program_test;

namespace {

constexpr size_t kProfileIndex = 0x02;  // then its complement
constexpr size_t kSecondLed = 0x20A;    // LED byte 1 of the second profile: bits 3-5 brightness
constexpr wchar_t kKeyboardPage[] = L"device_keyboard_page";

int Brightness(const std::vector<uint8_t>& memory) { return (memory.at(kSecondLed) >> 3) & 0x07; }

class KeyboardFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(kKeyboardPage));
    }

    std::vector<uint8_t> Memory() const { return program.ControllerMemory("wenk"); }
    bool ClickAndWait(const wchar_t* name, double xFraction = 0.5) const {
        return program.Window().Click(name, xFraction) && program.WaitIdle();
    }
    // A new macro of that name through the macro window's add button and its
    // name dialog.
    bool NewMacro(const UiWindow& macros, const wchar_t* name) const {
        ModalScript script({
            [&] { return UiWindow::OfClass(L"MarcoEdit").TypeText(L"result_value", name); },
            [] { return UiWindow::OfClass(L"MarcoEdit").Click(L"btn_ok"); },
        });
        return PumpUntil([&] { return macros.Click(L"AddMarcoButton"); }) && script.Wait() &&
               !WenkMacroList.empty() && WenkMacroList.back()->name == name;
    }

    // The texts of the boxes said since the last take, waiting up to a
    // second for the first: a box may be shown once the library is free.
    std::vector<std::wstring> BoxesSaid() {
        std::vector<std::wstring> said;
        PumpUntil([&] {
            for (std::wstring& text : boxes.Take()) said.push_back(std::move(text));
            return !said.empty();
        }, 1000);
        return said;
    }

    ProgramDriver program{L"wenk"};
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(KeyboardFaults, AWriteCutShortByAnUnplugIsSentWholeByTheNextWrite) {
    const std::vector<uint8_t> before = Memory();
    ASSERT_EQ(before.at(kProfileIndex), 0);
    // The second profile becomes the active one, with another brightness.
    ASSERT_TRUE(ClickAndWait(L"profile1", 0.05));
    const int brightness = Brightness(before) == 5 ? 2 : 5;
    ASSERT_TRUE(program.Window().MoveSlider(L"led_light", brightness));

    // Both profiles (32 transfers each) and the profile index (2) arrive; the
    // controller goes with the first LED block's command.
    ASSERT_TRUE(program.UnplugController("wenk", 67));
    ASSERT_TRUE(ClickAndWait(L"write_data_Wenk"));
    std::vector<uint8_t> memory = Memory();
    EXPECT_EQ(memory.at(kProfileIndex), 1);
    EXPECT_EQ(Brightness(memory), Brightness(before)) << "the LED blocks never arrived";
    // Said once, naming the keyboard, which is read again: it shows as gone.
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{311}\n%{317}"});
    EXPECT_FALSE(IsEnabled(program, kKeyboardPage));

    ASSERT_TRUE(program.ClearControllerFaults("wenk"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(IsEnabled(program, kKeyboardPage));
    // The reset needs the controller open; gone unnoticed, it says so.
    ASSERT_TRUE(program.UnplugController("wenk"));
    ASSERT_TRUE(program.Window().Click(L"reset_data_Wenk"));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{081}"});
    ASSERT_TRUE(program.ClearControllerFaults("wenk"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());

    // The page shows what the keyboard holds: the brightness is chosen again.
    ASSERT_TRUE(program.Window().MoveSlider(L"led_light", brightness));
    ASSERT_TRUE(ClickAndWait(L"write_data_Wenk"));
    memory = Memory();
    EXPECT_EQ(memory.at(kProfileIndex), 1);
    EXPECT_EQ(memory.at(kProfileIndex + 1), 0xFE);
    EXPECT_EQ(Brightness(memory), brightness);
    EXPECT_EQ(program.SavedMemory(L"wenk"), memory);

    // The keyboard has no whole-image transfer: the reset changes nothing.
    ASSERT_TRUE(program.Window().Click(L"reset_data_Wenk"));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{083}"});
    EXPECT_EQ(Memory(), memory);
}

TEST_F(KeyboardFaults, AnExportWritesTheKeyboardsImageAndSaysSoWhenTheFileCannotBeWritten) {
    // A keyboard library with the whole-image read, which gives the memory.
    const ImageReadStandIn library([this](uint8_t* image) {
        const std::vector<uint8_t> memory = Memory();
        if (memory.size() != wenk::kMemorySize) return -1;
        std::copy(memory.begin(), memory.end(), image);
        return 0;
    });
    ASSERT_FALSE(UnwritableFolder().empty());
    const std::wstring unwritable = UnwritableFolder() + L"\\keyboard.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Wenk", unwritable));
    EXPECT_EQ(GetFileAttributesW(unwritable.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{084}"});

    const std::wstring exported = program.StateFolder() + L"\\keyboard.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Wenk", exported));
    EXPECT_EQ(FileBytes(exported), Memory());
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(KeyboardFaults, MacroChangesIntoAMacroFolderThatTakesNoFileAreSaidOnce) {
    // This run's macro folder takes no file: the first change that cannot be
    // saved says so, the next one does not, and the old file stays whole.
    const std::wstring temporary = TemporaryFolderOfUnwritableMacros();
    ASSERT_TRUE(RestartWithTemporaryFolder(program, temporary));
    ASSERT_TRUE(program.ShowPage(kKeyboardPage));
    const std::wstring keptFile = MacroFolderPath(MacroFileNameOf(MacroFileFamily::Wenk)).GetData();
    ASSERT_EQ(keptFile, temporary + L"\\Korvane_MacroBin\\MacroKeyBoardData_Kelvo.bin");
    const std::vector<uint8_t> kept = FileBytes(keptFile);
    ASSERT_EQ(kept.size(), 176u);

    ASSERT_TRUE(ClickAndWait(L"marco_manager"));
    ASSERT_TRUE(PumpUntil([] { return UiWindow::OfClass(L"MarcoManagerPage").IsOpen(); }));
    const UiWindow macros = UiWindow::OfClass(L"MarcoManagerPage");
    ASSERT_TRUE(NewMacro(macros, L"Spray"));
    EXPECT_EQ(BoxesSaid(), std::vector<std::wstring>{L"%{086}"});
    ASSERT_TRUE(NewMacro(macros, L"Tap"));
    EXPECT_TRUE(boxes.Take().empty()) << "said once until a save succeeds";
    EXPECT_EQ(FileBytes(keptFile), kept);
    const SkinUI::CUIString unwritable = MacroTempFolder;
    {
        const TempFolder writable;
        MacroTempFolder = writable.Path().c_str();
        ASSERT_TRUE(NewMacro(macros, L"Hold"));
        EXPECT_TRUE(boxes.Take().empty()) << "a save that works says nothing";
        MacroTempFolder = unwritable;
    }
    ASSERT_TRUE(NewMacro(macros, L"Burst"));
    EXPECT_EQ(BoxesSaid(), std::vector<std::wstring>{L"%{086}"}) << "the failure after a save that works is said";
    // An export into that folder says so, as the image's export does; one
    // that works says nothing.
    const std::wstring macroFolder = temporary + L"\\Korvane_MacroBin";
    for (const std::wstring& path : {macroFolder + L"\\export.bin", program.StateFolder() + L"\\macros.bin"}) {
        ModalScript answer({[&] { return AnswerFileDialog(path); }});
        ASSERT_TRUE(ChooseFromMenu(macros, L"listex", L"menu_Name_Export") && answer.Wait());
    }
    EXPECT_EQ(BoxesSaid(), std::vector<std::wstring>{L"%{084}"});
    std::vector<std::wstring> entries = FolderEntries(macroFolder);
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"MacroKeyBoardData_Kelvo.bin", L"MacroMouseQiroData.bin"}));
}
