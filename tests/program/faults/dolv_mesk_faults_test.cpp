// The Dolv and Mesk resets cut short by an unplug, in the real main window: a
// whole write that did not arrive is never committed, the page keeps showing
// what the controller holds, and the next reset writes and commits the whole
// default image. A Dolv export whose read lost a report, and a Mesk import
// whose library cannot give one setting.
#include "app/core/settings/language_text.h"
#include "tests/app/support/refused_getter.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

using namespace program_test;

namespace {

struct Family {
    const wchar_t* devices;
    const char* simulated;
    const wchar_t* page;
    const wchar_t* suffix;
    const wchar_t* resetButton;
    const wchar_t* defaultFile;
    // The text a reset shows when the mouse cannot be opened; null: none.
    const wchar_t* openFailure;
    // The box of a write that did not reach the mouse.
    const wchar_t* notWritten;
};

const Family kDolv{L"dolv", "dolv", L"Dolv", L"_Dolv", L"reset_data_Dolv", L"TevkDolvBData_Cfg1.bin", nullptr,
                   L"%{314}\n%{317}"};
const Family kMesk{L"mesk", "mesk", L"Mesk", L"_Mesk", L"reset_data1_Mesk", L"TevkMeskBData_Cfg1.bin", L"%{081}",
                   L"%{315}\n%{317}"};

void ResetCutShortByAnUnplug(const Family& family) {
    ProgramDriver program(family.devices);
    MessageBoxWatch boxes;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(family.page)));
    const std::vector<uint8_t> defaults = FileBytes(family.defaultFile);
    ASSERT_EQ(defaults.size(), 2048u);
    const int option = ChooseOtherReportRate(program, family.simulated, family.suffix);
    ASSERT_NE(option, 0);
    ASSERT_NE(option, ReportRateOption(defaults));
    const std::vector<uint8_t> saved = program.SavedMemory(family.devices);

    // The status query of the open, then about a third of the image.
    const size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.UnplugController(family.simulated, 100));
    ASSERT_TRUE(program.Window().Click(family.resetButton) && program.WaitIdle());
    EXPECT_TRUE(TraceLinesFrom(program, traced, std::string("SET ") + family.simulated + " 40 0e").empty());
    EXPECT_EQ(program.SavedMemory(family.devices), saved);
    // Said once, naming the mouse, which is read again: it shows as gone.
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{family.notWritten});
    EXPECT_FALSE(IsEnabled(program, MousePage(family.page)));
    ASSERT_TRUE(program.ClearControllerFaults(family.simulated));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    const int held = ReportRateOption(program.ControllerMemory(family.simulated));
    EXPECT_TRUE(IsSelected(program, ReportRateName(held, family.suffix))) << "the page shows what the mouse holds";

    // A mouse gone unnoticed cannot be opened: said once, by its own text
    // where the page has one.
    ASSERT_TRUE(program.UnplugController(family.simulated));
    ASSERT_TRUE(program.Window().Click(family.resetButton) && program.WaitIdle());
    const std::wstring said = family.openFailure ? LanguageText(family.openFailure).GetData() : family.notWritten;
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{said});

    ASSERT_TRUE(program.ClearControllerFaults(family.simulated));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    ASSERT_TRUE(program.Window().Click(family.resetButton) && program.WaitIdle());
    EXPECT_EQ(program.ControllerMemory(family.simulated), defaults);
    EXPECT_EQ(program.SavedMemory(family.devices), defaults);
    EXPECT_TRUE(IsSelected(program, ReportRateName(ReportRateOption(defaults), family.suffix)));
    EXPECT_TRUE(IsEnabled(program, MousePage(family.page)));
}

}  // namespace

TEST(DolvMeskFaults, ADolvResetCutShortByAnUnplugIsNotCommittedAndTheNextResetLands) {
    ResetCutShortByAnUnplug(kDolv);
}

TEST(DolvMeskFaults, AMeskResetCutShortByAnUnplugIsNotCommittedAndTheNextResetLands) {
    ResetCutShortByAnUnplug(kMesk);
}

TEST(DolvMeskFaults, ADolvExportWhoseReadLostAReportWritesNoFile) {
    ProgramDriver program(L"dolv");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Dolv")));
    const std::wstring path = program.StateFolder() + L"\\dolv.bin";
    // The status query of the open, the read command, then a report of the image.
    ASSERT_TRUE(program.LoseTransfers("dolv", 50));
    ASSERT_TRUE(UseFile(program, L"save_data_Dolv", path));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(UseFile(program, L"save_data_Dolv", path));
    EXPECT_EQ(FileBytes(path), program.ControllerMemory("dolv"));
}

TEST(DolvMeskFaults, AMeskImportWhoseReadCannotHaveTheKeyModeEndsConnectedAfterOneRead) {
    ProgramDriver program(L"mesk");
    MessageBoxWatch boxes;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Mesk")));
    const int exported = ChooseOtherReportRate(program, "mesk", L"_Mesk");
    ASSERT_NE(exported, 0);
    const std::wstring path = program.StateFolder() + L"\\exported.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Mesk", path));
    const std::vector<uint8_t> image = FileBytes(path);
    ASSERT_EQ(image, program.ControllerMemory("mesk"));
    ASSERT_NE(ChooseOtherReportRate(program, "mesk", L"_Mesk"), 0);

    const RefusedGetter keyMode(&DeviceEntries::Devcie_Get_Key_Mode_Mesk);
    ASSERT_TRUE(UseFile(program, L"import_data_Mesk", path));
    EXPECT_EQ(keyMode.Calls(), 1) << "one read after the import";
    EXPECT_EQ(program.ControllerMemory("mesk"), image);
    EXPECT_TRUE(IsEnabled(program, MousePage(L"Mesk")));
    EXPECT_TRUE(IsSelected(program, ReportRateName(exported, L"_Mesk")));
    EXPECT_TRUE(boxes.Take().empty());
}
