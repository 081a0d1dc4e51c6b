// Faults of the simulated Qiro met through the real main window: what the
// controller holds and what the page shows and says afterwards.
#include "app/core/files/macro_folder.h"
#include "app/core/settings/settings_containers.h"
#include "app/macro/files/macro_files.h"
#include "devices/nolx/image_layout.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace program_test;

namespace {

constexpr char kCommit[] = "SET qiro 40 0e";
// The box of a write that did not reach the mouse: its name, then that the
// page shows it read again.
const std::wstring kNotWritten = L"%{316}\n%{317}";

// A byte near the image's end, inside the patch code (neither shown nor checked).
constexpr size_t kTailByte = 2040;

// The image with another report rate (its main block sealed again) and
// another tail byte.
std::vector<uint8_t> WithOtherRate(std::vector<uint8_t> image) {
    const int option = ReportRateOption(image) % 4 + 1;
    image[nolx::kReportRateByte] = static_cast<uint8_t>((image[nolx::kReportRateByte] & ~0x30) | (option - 1) << 4);
    nolx::SealBlock(image.data(), nolx::kMainBlockSize);
    image[kTailByte] ^= 0x5A;
    return image;
}

class QiroFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    }

    std::vector<uint8_t> Memory() const { return program.ControllerMemory("qiro"); }
    bool RateShown(int option) const { return IsSelected(program, ReportRateName(option, L"_Qiro")); }
    bool PageEnabled() const { return IsEnabled(program, MousePage(L"Qiro")); }
    // A new macro of that name through the macro manager's menu and its
    // name dialog.
    bool NewMacro(const wchar_t* name) const {
        ModalScript script({
            [&] { return UiWindow::OfClass(L"MarcoEdit_Qiro").TypeText(L"result_value_Qiro", name); },
            [] { return UiWindow::OfClass(L"MarcoEdit_Qiro").Click(L"btn_ok_Qiro"); },
        });
        return ChooseFromMenu(program.Window(), L"listex_Qiro", L"menu_Name_New") && script.Wait() &&
               !QiroMacroList.empty() && QiroMacroList.back()->name == name;
    }
    bool ExportMacros(const std::wstring& path) const {
        ModalScript script({[&] { return AnswerFileDialog(path); }});
        return ChooseFromMenu(program.Window(), L"listex_Qiro", L"menu_Name_Export") && script.Wait();
    }

    ProgramDriver program{L"qiro"};
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(QiroFaults, AnImportCutShortByAnUnplugIsNotCommittedAndTheNextImportLands) {
    const std::vector<uint8_t> before = Memory();
    const std::vector<uint8_t> saved = program.SavedMemory(L"qiro");
    const std::vector<uint8_t> image = WithOtherRate(before);
    const std::wstring path = program.StateFolder() + L"\\other rate.bin";
    PutFile(path, image);
    ASSERT_TRUE(RateShown(ReportRateOption(before)));

    // The status query of the open, then a third of the image's data reports.
    size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.UnplugController("qiro", 100));
    ASSERT_TRUE(UseFile(program, L"import_data_Qiro", path));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{kNotWritten}) << "said once, naming the mouse";
    EXPECT_TRUE(TraceLinesFrom(program, traced, kCommit).empty()) << "the part written is not committed";
    EXPECT_EQ(program.SavedMemory(L"qiro"), saved);
    // The controller holds the first part of the image, not yet durable.
    EXPECT_EQ(Memory().at(nolx::kReportRateByte), image[nolx::kReportRateByte]);
    EXPECT_EQ(Memory().at(kTailByte), before[kTailByte]);
    EXPECT_FALSE(PageEnabled()) << "read again, the mouse shows as gone";

    // Gone unnoticed, the mouse cannot be opened: the import says so once.
    ASSERT_TRUE(program.ClearControllerFaults("qiro"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(RateShown(ReportRateOption(Memory()))) << "the page shows what the mouse holds";
    ASSERT_TRUE(program.UnplugController("qiro"));
    traced = program.TraceLines().size();
    ASSERT_TRUE(UseFile(program, L"import_data_Qiro", path));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"Connect Error"});
    EXPECT_TRUE(TraceLinesFrom(program, traced, "SET").empty());

    ASSERT_TRUE(program.ClearControllerFaults("qiro"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    ASSERT_TRUE(UseFile(program, L"import_data_Qiro", path));
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(Memory(), image);
    EXPECT_EQ(program.SavedMemory(L"qiro"), image);
    EXPECT_TRUE(RateShown(ReportRateOption(image)));
}

TEST_F(QiroFaults, AReportRateTheMouseDidNotTakeIsSaidAndThePageShowsTheMouseReadAgain) {
    ASSERT_TRUE(program.Window().Click(L"advanced_Settings_Qiro") && program.WaitIdle());
    const int held = ReportRateOption(Memory());
    const int chosen = held % 4 + 1;
    // The rate's byte and the commit are lost; the read after them is not.
    ASSERT_TRUE(program.LoseTransfers("qiro", 1, 2));
    ASSERT_TRUE(program.Window().Click(ReportRateName(chosen, L"_Qiro").c_str(), 0.05) && program.WaitIdle());
    EXPECT_EQ(ReportRateOption(Memory()), held);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{kNotWritten});
    EXPECT_TRUE(PageEnabled());
    EXPECT_TRUE(RateShown(held));
    EXPECT_FALSE(RateShown(chosen));
}

TEST_F(QiroFaults, AReadThatLostAReportLeavesThePageUnconnectedAndTheControllerAsItWas) {
    const int option = ChooseOtherReportRate(program, "qiro", L"_Qiro");
    ASSERT_NE(option, 0);
    const std::vector<uint8_t> before = Memory();

    // The start-up read of the next run: the Dolv, Mesk and Qiro libraries
    // each query the mouse's status, then the read command and a report of
    // the main block.
    program.Close();
    const size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.LoseTransfers("qiro", 20));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    EXPECT_FALSE(PageEnabled()) << "a read that failed is not shown";
    EXPECT_TRUE(TraceLinesFrom(program, traced, "SET qiro 40 05").empty());
    EXPECT_TRUE(TraceLinesFrom(program, traced, "SET qiro 40 07").empty());
    EXPECT_TRUE(TraceLinesFrom(program, traced, kCommit).empty());
    EXPECT_EQ(Memory(), before);

    // The next device change reads the controller again.
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(PageEnabled());
    EXPECT_TRUE(RateShown(option));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(QiroFaults, ABrokenChecksumIsReadAsDefaultsWithoutAWriteAndTheResetRepairsIt) {
    const std::vector<uint8_t> defaults = FileBytes(L"TevkNolx005AData_Cfg1.bin");
    ASSERT_EQ(defaults.size(), nolx::kImageSize);
    const int option = ChooseOtherReportRate(program, "qiro", L"_Qiro");
    ASSERT_NE(option, 0);
    ASSERT_NE(option, ReportRateOption(defaults));

    program.Close();
    ASSERT_TRUE(program.CorruptControllerByte("qiro", nolx::kCpiSteps));
    const std::vector<uint8_t> broken = Memory();
    const size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    EXPECT_TRUE(PageEnabled()) << "every report arrived";
    EXPECT_TRUE(RateShown(ReportRateOption(defaults))) << "the main block's defaults in place of the broken block";
    EXPECT_TRUE(TraceLinesFrom(program, traced, "SET qiro 40 05").empty());
    EXPECT_TRUE(TraceLinesFrom(program, traced, "SET qiro 40 07").empty());
    EXPECT_EQ(Memory(), broken);

    // An export keeps what the controller holds; the reset writes the whole
    // default image and commits it.
    const std::wstring exported = program.StateFolder() + L"\\broken.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Qiro", exported));
    EXPECT_EQ(FileBytes(exported), broken);
    ASSERT_TRUE(program.Window().Click(L"reset_data_Qiro") && program.WaitIdle());
    EXPECT_EQ(Memory(), defaults);
    EXPECT_EQ(program.SavedMemory(L"qiro"), defaults);
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(QiroFaults, FilesThatCannotBeWrittenLeaveNoPartAndTheOldFileWhole) {
    // The configuration image and the macros exported into a folder that
    // takes no file: each export says so.
    ASSERT_FALSE(UnwritableFolder().empty());
    const std::wstring unwritable = UnwritableFolder() + L"\\qiro.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Qiro", unwritable));
    EXPECT_EQ(GetFileAttributesW(unwritable.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{084}"});
    ASSERT_TRUE(program.Window().Click(L"marco_manager_Qiro") && program.WaitIdle());
    ASSERT_TRUE(NewMacro(L"Burst"));
    ASSERT_TRUE(ExportMacros(unwritable));
    EXPECT_EQ(GetFileAttributesW(unwritable.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{084}"});

    // The macro folder's file cannot be replaced: it stays whole as it was,
    // and the macro made meanwhile is kept for its next write.
    const std::wstring macroFile = MacroFolderPath(MacroFileNameOf(MacroFileFamily::Qiro)).GetData();
    const std::vector<uint8_t> kept = FileBytes(macroFile);
    ASSERT_EQ(kept, EncodeMacroFile(MacroFileFamily::Qiro, QiroMacroList));
    ASSERT_TRUE(SetFileAttributesW(macroFile.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(NewMacro(L"Spray"));
    EXPECT_EQ(FileBytes(macroFile), kept);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{086}"});
    ASSERT_TRUE(SetFileAttributesW(macroFile.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(NewMacro(L"Tap"));
    ASSERT_EQ(QiroMacroList.size(), 3u);
    EXPECT_EQ(FileBytes(macroFile), EncodeMacroFile(MacroFileFamily::Qiro, QiroMacroList));

    const std::wstring exported = program.StateFolder() + L"\\macros.bin";
    ASSERT_TRUE(ExportMacros(exported));
    EXPECT_EQ(FileBytes(exported), EncodeMacroFile(MacroFileFamily::Qiro, QiroMacroList));
    const std::wstring image = program.StateFolder() + L"\\qiro.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Qiro", image));
    EXPECT_EQ(FileBytes(image), Memory());
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(QiroFaults, MacroChangesMakeTheMacroFolderAgainAndSayOnceWhenItTakesNoFile) {
    // A cleaner of the temporary folder removed the macro folder while the
    // program runs: the next change makes it again and is kept there.
    ASSERT_TRUE(program.Window().Click(L"marco_manager_Qiro") && program.WaitIdle());
    const std::wstring macroFile = MacroFolderPath(MacroFileNameOf(MacroFileFamily::Qiro)).GetData();
    ASSERT_TRUE(std::filesystem::remove_all(MacroTempFolder.GetData()) > 0);
    ASSERT_TRUE(NewMacro(L"Burst"));
    EXPECT_EQ(FileBytes(macroFile), EncodeMacroFile(MacroFileFamily::Qiro, QiroMacroList));
    EXPECT_TRUE(boxes.Take().empty());

    // The next run's macro folder takes no file: the first change that
    // cannot be saved says so, the next one does not, and the folder keeps
    // its two old files, this one whole.
    const std::wstring temporary = TemporaryFolderOfUnwritableMacros();
    ASSERT_TRUE(RestartWithTemporaryFolder(program, temporary));
    ASSERT_TRUE(program.ShowPage(MousePage(L"Qiro")));
    ASSERT_TRUE(program.Window().Click(L"marco_manager_Qiro") && program.WaitIdle());
    const std::wstring keptFile = MacroFolderPath(MacroFileNameOf(MacroFileFamily::Qiro)).GetData();
    ASSERT_EQ(keptFile, temporary + L"\\Korvane_MacroBin\\MacroMouseQiroData.bin");
    const std::vector<uint8_t> kept = FileBytes(keptFile);
    ASSERT_EQ(kept.size(), 240u);
    ASSERT_EQ(QiroMacroList.size(), 1u);
    ASSERT_TRUE(NewMacro(L"Spray"));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{086}"});
    ASSERT_TRUE(NewMacro(L"Tap"));
    EXPECT_TRUE(boxes.Take().empty()) << "said once until a save succeeds";
    EXPECT_EQ(FileBytes(keptFile), kept);
    std::vector<std::wstring> entries = FolderEntries(temporary + L"\\Korvane_MacroBin");
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"MacroKeyBoardData_Kelvo.bin", L"MacroMouseQiroData.bin"}));
}
