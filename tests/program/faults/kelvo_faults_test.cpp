// Faults of the simulated Kelvo met through the real main window. The Kelvo
// stages the chunks of a write and takes them into its memory only at the
// commit that ends a complete transfer: a write cut short must leave the
// memory as it was and never be committed.
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"

#include <gtest/gtest.h>

using namespace program_test;

namespace {

constexpr size_t kLed = 0x32;            // bits 0-2: LED mode + 1
constexpr size_t kLedComplement = 0x33;  // 0xFF - the LED byte
constexpr uint8_t kLedOff = 7;
constexpr char kCommit[] = "SET kelvo 04 08";
// The box of a write that did not reach the mouse: its name, then that the
// page keeps the edits.
const std::wstring kNotWritten = L"%{312}\n%{318}";

class KelvoFaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo")));
    }

    std::vector<uint8_t> Memory() const { return program.ControllerMemory("kelvo"); }
    bool ClickAndWait(const wchar_t* name, double xFraction = 0.5) const {
        return program.Window().Click(name, xFraction) && program.WaitIdle();
    }
    // The LED turned off on the page (the library's copy only).
    bool TurnLedOff() const {
        return ClickAndWait(L"led_Settings_Kelvo") && ClickAndWait(L"result_LED_mode_off_Kelvo", 0.05) &&
               IsSelected(program, L"result_LED_mode_off_Kelvo");
    }

    ProgramDriver program{L"kelvo"};
    MessageBoxWatch boxes;
};

}  // namespace

TEST_F(KelvoFaults, AWriteToAControllerThatFallsSilentIsNotCommittedAndTheNextWriteLands) {
    const std::vector<uint8_t> before = Memory();
    ASSERT_NE(before.at(kLed) & 0x07, kLedOff);
    ASSERT_TRUE(TurnLedOff());

    // The handshake, the window and about 150 of the 342 chunks.
    const size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.StopAcknowledging("kelvo", 300));
    ASSERT_TRUE(ClickAndWait(L"write_data_Kelvo"));
    EXPECT_EQ(Memory(), before);
    EXPECT_TRUE(TraceLinesFrom(program, traced, kCommit).empty());
    EXPECT_EQ(program.SavedMemory(L"kelvo"), before);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{kNotWritten}) << "said once, naming the mouse";
    EXPECT_TRUE(IsSelected(program, L"result_LED_mode_off_Kelvo")) << "the unsent edit is kept for another try";

    ASSERT_TRUE(program.ClearControllerFaults("kelvo"));
    ASSERT_TRUE(ClickAndWait(L"write_data_Kelvo"));
    const std::vector<uint8_t> after = Memory();
    EXPECT_EQ(after.at(kLed) & 0x07, kLedOff);
    EXPECT_EQ(after.at(kLedComplement), 0xFF - after.at(kLed));
    EXPECT_EQ(program.SavedMemory(L"kelvo"), after);

    // Silent in the start-up read of the next run: the page shows nothing
    // of it until the next device change reads the controller again.
    program.Close();
    ASSERT_TRUE(program.StopAcknowledging("kelvo", 30));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo")));
    EXPECT_FALSE(IsEnabled(program, MousePage(L"Kelvo")));
    EXPECT_EQ(Memory(), after);
    ASSERT_TRUE(program.ClearControllerFaults("kelvo"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    EXPECT_TRUE(IsEnabled(program, MousePage(L"Kelvo")));
    EXPECT_TRUE(IsSelected(program, L"result_LED_mode_off_Kelvo"));
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(KelvoFaults, AResetCutShortByAnUnplugIsNotCommittedAndAnImportAfterTheReplugLands) {
    ASSERT_TRUE(TurnLedOff() && ClickAndWait(L"write_data_Kelvo"));
    const std::vector<uint8_t> before = Memory();
    ASSERT_EQ(before.at(kLed) & 0x07, kLedOff);

    // The open's and the write's handshakes, the window, then chunks.
    const size_t traced = program.TraceLines().size();
    ASSERT_TRUE(program.UnplugController("kelvo", 200));
    ASSERT_TRUE(ClickAndWait(L"reset_data_Kelvo"));
    EXPECT_EQ(Memory(), before);
    EXPECT_EQ(program.SavedMemory(L"kelvo"), before);
    EXPECT_TRUE(TraceLinesFrom(program, traced, kCommit).empty());
    EXPECT_TRUE(IsSelected(program, L"result_LED_mode_off_Kelvo")) << "no re-read of an image not taken";
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{kNotWritten});

    std::vector<uint8_t> image = FileBytes(L"TevkKelvoData_Cfg1.bin");
    ASSERT_EQ(image.size(), 2048u);
    image[kLed] = static_cast<uint8_t>((image[kLed] & ~0x07) | 1);  // the first mode, rainbow
    image[kLedComplement] = static_cast<uint8_t>(0xFF - image[kLed]);
    image[0x7F0] ^= 0x5A;  // in the macro region, behind every chunk the cut write sent
    const std::wstring path = program.StateFolder() + L"\\image.bin";
    PutFile(path, image);
    ASSERT_TRUE(program.ClearControllerFaults("kelvo"));
    program.DeviceChanged();
    ASSERT_TRUE(program.WaitIdle());
    // A file longer than an image is refused, which is said.
    const std::wstring tooLong = program.StateFolder() + L"\\long.bin";
    std::vector<uint8_t> longer = image;
    longer.push_back(0);
    PutFile(tooLong, longer);
    ASSERT_TRUE(UseFile(program, L"import_data_Kelvo", tooLong));
    EXPECT_EQ(Memory(), before);
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{087}"});
    ASSERT_TRUE(UseFile(program, L"import_data_Kelvo", path));
    EXPECT_EQ(Memory(), image);
    EXPECT_EQ(program.SavedMemory(L"kelvo"), image);
    EXPECT_TRUE(IsSelected(program, L"result_LED_mode_rainbow_Kelvo")) << "the import is read again";
    EXPECT_TRUE(boxes.Take().empty());
}

TEST_F(KelvoFaults, AReadWhoseAcknowledgesWereLostHoldsTheControllersImage) {
    ASSERT_TRUE(TurnLedOff() && ClickAndWait(L"write_data_Kelvo"));
    const std::vector<uint8_t> memory = Memory();

    // The start-up read of the next run: the open's handshake (4 transfers),
    // the read's handshake (4) and window (2), then a request and an
    // acknowledge per chunk. The five polls of the sixth chunk are lost.
    program.Close();
    ASSERT_TRUE(program.LoseTransfers("kelvo", 22, 5));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.ShowPage(MousePage(L"Kelvo")));
    EXPECT_TRUE(IsEnabled(program, MousePage(L"Kelvo")));
    EXPECT_TRUE(IsSelected(program, L"result_LED_mode_off_Kelvo"));
    const std::wstring exported = program.StateFolder() + L"\\read.bin";
    ASSERT_TRUE(UseFile(program, L"save_data_Kelvo", exported));
    EXPECT_EQ(FileBytes(exported), memory) << "the export copies the image the read took";
    EXPECT_EQ(Memory(), memory);
}
