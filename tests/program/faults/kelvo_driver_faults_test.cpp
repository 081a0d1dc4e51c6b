// Faults met by the Kelvo driver page in the real main window: the file of
// its LED and DPI block and its configuration images where no file can be
// written, an import of a file it cannot take and one while the mouse is gone.
#include "app/core/files/macro_folder.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/device_settings.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

using namespace program_test;

namespace {

constexpr size_t kDriverImage = 40960;
constexpr size_t kBlockInImage = 0x38;  // the LED and DPI block in a driver image

std::vector<uint8_t> Block() {
    const auto& block = DeviceSettings.KelvoDriverLedCpiBlock;
    return std::vector<uint8_t>(block.begin(), block.end());
}

class KelvoDriverFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo_Driver")));
        ASSERT_TRUE(ClickAndWait(L"led_Settings_Kelvo_Driver"));
    }

    // The driver mouse's memory as the simulated driver library saved it.
    std::vector<uint8_t> DriverMemory() const { return program.SavedMemory(L"kelvo-driver"); }
    bool ClickAndWait(const wchar_t* name, double xFraction = 0.5) const {
        return program.Window().Click(name, xFraction) && program.WaitIdle();
    }
    // Turns the LED on or off and writes all.
    bool WriteLed(bool on) const {
        return ClickAndWait(on ? L"result_LED_status_on_Kelvo_Driver" : L"result_LED_status_off_Kelvo_Driver", 0.05) &&
               ClickAndWait(L"write_data_Kelvo_Driver");
    }

    ProgramDriver program{L"kelvo"};
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(KelvoDriverFaults, FilesThatCannotBeWrittenLeaveNoPartAndTheOldFileWhole) {
    const std::wstring blockFile = MacroFolderPath(LedCpiFileKelvoDriver).GetData();
    ASSERT_TRUE(WriteLed(false));
    const std::vector<uint8_t> off = Block();
    ASSERT_EQ(FileBytes(blockFile), off);

    // The block's file cannot be replaced: the old one stays whole, which is
    // said once, as the macro windows say it.
    ASSERT_TRUE(SetFileAttributesW(blockFile.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(WriteLed(true));
    ASSERT_NE(Block(), off);
    EXPECT_EQ(FileBytes(blockFile), off);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{086}"});
    ASSERT_TRUE(ClickAndWait(L"write_data_Kelvo_Driver"));
    EXPECT_TRUE(boxes.Take().empty());
    ASSERT_TRUE(SetFileAttributesW(blockFile.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(ClickAndWait(L"write_data_Kelvo_Driver"));
    EXPECT_EQ(FileBytes(blockFile), Block());
    EXPECT_TRUE(boxes.Take().empty());

    // The driver image exported where no file can be made, which is said,
    // then where one can.
    ASSERT_FALSE(UnwritableFolder().empty());
    const std::wstring unwritable = UnwritableFolder() + L"\\driver.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Kelvo_Driver", unwritable));
    EXPECT_EQ(GetFileAttributesW(unwritable.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{084}"});
    const std::wstring exported = program.StateFolder() + L"\\driver.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Kelvo_Driver", exported));
    ASSERT_EQ(FileBytes(exported).size(), kDriverImage);
    EXPECT_EQ(FileBytes(exported), DriverMemory());
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(KelvoDriverFaults, AnImportWhileTheMouseIsGoneChangesNothingAndLandsOnceItIsBack) {
    ASSERT_TRUE(WriteLed(false));
    const std::vector<uint8_t> before = DriverMemory();
    ASSERT_EQ(before.size(), kDriverImage);
    std::vector<uint8_t> image = FileBytes(L"Driver_TevkKelvoData_Cfg1.bin");
    ASSERT_EQ(image.size(), kDriverImage);
    image[kDriverImage - 1] ^= 0x5A;
    ASSERT_NE(image, before);
    const std::wstring path = program.StateFolder() + L"\\driver image.bin";
    PutFile(path, image);
    const std::wstring blockFile = MacroFolderPath(LedCpiFileKelvoDriver).GetData();
    const std::vector<uint8_t> imported(image.begin() + kBlockInImage, image.begin() + kBlockInImage + 4);
    ASSERT_NE(FileBytes(blockFile), imported);

    // An empty file is refused, which is said.
    const std::wstring empty = program.StateFolder() + L"\\empty.bin";
    PutFile(empty, {});
    ASSERT_TRUE(UseFile(program, L"import_data_Kelvo_Driver", empty));
    EXPECT_EQ(DriverMemory(), before);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{087}"});

    ASSERT_TRUE(program.UnplugController("kelvo"));
    ASSERT_TRUE(UseFile(program, L"import_data_Kelvo_Driver", path));
    EXPECT_EQ(DriverMemory(), before);
    ASSERT_TRUE(ClickAndWait(L"reset_data_Kelvo_Driver"));
    EXPECT_EQ(DriverMemory(), before);
    const std::wstring notWritten = L"%{313}\n%{318}";
    EXPECT_EQ(boxes.Take(), (std::vector<std::wstring>{notWritten, notWritten})) << "each write that failed is said";

    ASSERT_TRUE(program.ClearControllerFaults("kelvo"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    ASSERT_TRUE(UseFile(program, L"import_data_Kelvo_Driver", path));
    EXPECT_EQ(DriverMemory(), image);
    // The image's LED and DPI block is what the page keeps for the next start.
    EXPECT_EQ(FileBytes(blockFile), imported);
}
