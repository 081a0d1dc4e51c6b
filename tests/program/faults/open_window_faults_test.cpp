// Devices that come or go while a modal window of a page is open: the
// keyboard's message boxes after an export, import or reset, and a mouse's
// key-assignment dialog. The device change is dealt with while the window
// stays open (its progress window closes), and what the window then does
// reaches the controller, on the key mode it was made for; so does an assignment made while the mouse
// changed its profile itself, judged by the left-click rule on the profile
// it was made for. The keyboard gone and back while its export's
// save dialog is open: the read its return starts waits for the export's
// transfer.
#include "app/core/keys/assignment_texts.h"
#include "app/core/settings/settings_containers.h"
#include "devices/wenk/memory_map.h"
#include "tests/app/support/image_read_stand_in.h"
#include "tests/app/support/refused_getter.h"
#include "tests/app/support/temp_folder.h"
#include "tests/program/faults/faults_support.h"
#include "tests/program/support/family_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

using namespace program_test;

namespace {

// A script step that acts once: when the action fails, the step keeps
// failing without acting again and the script stalls on it.
ModalScript::Step Once(std::function<bool()> action) {
    auto outcome = std::make_shared<std::optional<bool>>();
    return [action, outcome] {
        if (!*outcome) *outcome = action();
        return **outcome;
    };
}

class OpenWindowFaults : public ::testing::Test {
protected:
    // The page's root and the family's controller.
    void Start(const std::wstring& page, const char* family) {
        page_ = page;
        family_ = family;
        ASSERT_TRUE(program.Start());
        ASSERT_TRUE(program.ShowPage(page_));
    }

    bool PageEnabled() const { return IsEnabled(program, page_); }
    std::vector<uint8_t> Memory() const { return program.ControllerMemory(family_); }
    // Bytes of the controller's memory as it holds them now; empty past its end.
    std::vector<uint8_t> MemoryAt(size_t at, size_t count) const {
        const std::vector<uint8_t> memory = Memory();
        if (memory.size() < at + count) return {};
        return std::vector<uint8_t>(memory.begin() + static_cast<long>(at), memory.begin() + static_cast<long>(at + count));
    }

    // The texts of the Qiro page's buttons as shown now.
    std::vector<std::wstring> QiroButtonTexts() const {
        std::vector<std::wstring> texts;
        for (size_t n = 1; n <= QiroMacroKeyTable1.size(); ++n) {
            texts.push_back(program.Window().TextOf((L"profile1_key_Qiro_" + std::to_wstring(n)).c_str()));
        }
        return texts;
    }

    // In the key-assignment dialog the button opens ("KeyEdit_Qiro" for the
    // suffix "_Qiro"): the third multimedia key; then, the dialog still open,
    // the mouse unplugged and plugged in again, each followed by the device
    // change, whose progress window closes and which the page shows; then OK.
    // True once the script finished and the page's device work ended.
    bool AssignMultimediaWhileTheMouseComesBack(const std::wstring& suffix, const std::wstring& button) const {
        const std::wstring dialog = L"KeyEdit" + suffix, option = L"multimedia_setting" + suffix,
                           list = L"result_multimedia_value" + suffix, ok = L"btn_ok" + suffix;
        ModalScript script({
            [&] { return UiWindow::OfClass(dialog.c_str()).Click(option.c_str(), 0.05); },
            [&] { return UiWindow::OfClass(dialog.c_str()).ClickRow(list.c_str(), 3); },
            Once([this] { return program.PlugDevice(family_, false) && !PageEnabled(); }),
            Once([this] { return program.PlugDevice(family_, true) && PageEnabled(); }),
            [&] { return UiWindow::OfClass(dialog.c_str()).Click(ok.c_str()); },
        });
        const bool clicked = program.Window().Click(button.c_str());
        const bool finished = script.Wait();
        EXPECT_TRUE(finished) << "stalled at step " << script.StalledAt();
        return clicked && finished && program.WaitIdle();
    }

    // In the key-assignment dialog the Qiro page's button opens: the third
    // multimedia key; then the mouse's profile button pressed, and the page
    // shows the second profile; then OK. True once the script finished and
    // the page's device work ended.
    bool AssignQiroMultimediaWhileTheMouseGoesToTheSecondProfile(const wchar_t* button) const {
        ModalScript script({
            [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"multimedia_setting_Qiro", 0.05); },
            [] { return UiWindow::OfClass(L"KeyEdit_Qiro").ClickRow(L"result_multimedia_value_Qiro", 3); },
            Once([this] { return program.PressDeviceButton("qiro", "profile"); }),
            [this] { return program.Window().FontOf(L"profile2_Qiro") == 4; },
            [] { return UiWindow::OfClass(L"KeyEdit_Qiro").Click(L"btn_ok_Qiro"); },
        });
        const bool clicked = program.Window().Click(button);
        const bool finished = script.Wait();
        EXPECT_TRUE(finished) << "stalled at step " << script.StalledAt();
        return clicked && finished && program.WaitIdle();
    }

    // The box the click led to, while it is open: a device change whose
    // progress window closes, then OK. Its text, empty when a step failed.
    std::wstring DeviceChangeUnderTheBox(const wchar_t* button, const std::wstring& file = L"") const {
        std::wstring shown;
        std::vector<ModalScript::Step> steps;
        if (!file.empty()) steps.push_back([&] { return AnswerFileDialog(file); });
        steps.push_back([] { return UiWindow::OfClass(L"MessageBox").Find(L"label_display") != nullptr; });
        steps.push_back(Once([this] {
            program.DeviceChanged();
            return program.WaitIdle();
        }));
        steps.push_back([&] {
            const UiWindow box = UiWindow::OfClass(L"MessageBox");
            shown = box.TextOf(L"label_display");
            return box.Click(L"btn_ok");
        });
        ModalScript script(std::move(steps));
        const bool clicked = program.Window().Click(button);
        const bool finished = script.Wait();
        EXPECT_TRUE(finished) << "stalled at step " << script.StalledAt();
        return clicked && finished && program.WaitIdle() ? shown : std::wstring();
    }

    // The transfers the family's controller has seen.
    size_t Transfers() const {
        const std::string family = std::string(" ") + family_ + " ";
        const std::vector<std::string> trace = program.TraceLines();
        return static_cast<size_t>(std::count_if(trace.begin(), trace.end(), [&](const std::string& line) {
            return line.find(family) != std::string::npos;
        }));
    }

    ProgramDriver program{L"qiro,kelvo,wenk"};
    std::wstring page_;
    const char* family_ = "";
};

}  // namespace

TEST_F(OpenWindowFaults, TheKeyboardsBoxesLeaveTheDeviceChangeToRunAndTheProgramAnswers) {
    Start(L"device_keyboard_page", "wenk");
    const std::wstring exported = program.StateFolder() + L"\\keyboard.bin";
    const std::wstring imported = program.StateFolder() + L"\\image.bin";
    PutFile(imported, std::vector<uint8_t>(2048, 0));

    // The keyboard has no whole-image transfer: each ends with its box.
    EXPECT_EQ(DeviceChangeUnderTheBox(L"save_data_Wenk", exported), L"%{083}");
    EXPECT_EQ(GetFileAttributesW(exported.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(DeviceChangeUnderTheBox(L"import_data_Wenk", imported), L"%{083}");
    EXPECT_EQ(DeviceChangeUnderTheBox(L"reset_data_Wenk"), L"%{083}");
    EXPECT_TRUE(PageEnabled());

    // The keyboard's next write goes through at once.
    ASSERT_TRUE(program.ClickAndWait(L"profile1", 0.05));
    ASSERT_TRUE(program.ClickAndWait(L"write_data_Wenk"));
    EXPECT_EQ(Memory().at(0x02), 1);
    EXPECT_EQ(Memory().at(0x03), 0xFE);
}

TEST_F(OpenWindowFaults, TheReadOfAKeyboardThatCameBackWaitsForTheExportsTransfer) {
    Start(L"device_keyboard_page", "wenk");
    const std::wstring exported = program.StateFolder() + L"\\keyboard.bin";
    // A keyboard library with the whole-image read. The system's notice that
    // the keyboard came back arrives during it, and the read it starts is
    // given time to reach the keyboard.
    size_t othersDuringTransfer = 0;
    const ImageReadStandIn library([&](uint8_t* image) {
        const size_t before = Transfers();
        program.DeviceChanged();
        for (int waited = 0; waited < 1000 && Transfers() == before; waited += 10) Sleep(10);
        othersDuringTransfer = Transfers() - before;
        const std::vector<uint8_t> memory = Memory();
        if (memory.size() != wenk::kMemorySize) return -1;
        std::copy(memory.begin(), memory.end(), image);
        return 0;
    });

    ModalScript script({
        [] { return UiWindow::OfClass(L"#32770").Handle() != nullptr; },
        Once([this] { return program.PlugDevice(family_, false) && !PageEnabled(); }),
        [this] { return program.ClearControllerFaults(family_); },
        [&] { return AnswerFileDialog(exported); },
    });
    ASSERT_TRUE(program.Window().Click(L"save_data_Wenk"));
    ASSERT_TRUE(script.Wait()) << "stalled at step " << script.StalledAt();
    ASSERT_TRUE(program.WaitIdle());

    EXPECT_EQ(othersDuringTransfer, 0u);
    EXPECT_TRUE(PageEnabled()) << "the keyboard is read once the export is done";
    EXPECT_EQ(FileBytes(exported), Memory());
}

TEST_F(OpenWindowFaults, AQiroAssignmentMadeWhileTheMouseCameBackReachesIt) {
    Start(MousePage(L"Qiro"), "qiro");
    constexpr size_t kSecondButton = 192 + 4;  // the first key table, 4 bytes per button
    const std::vector<uint8_t> before = MemoryAt(kSecondButton, 4);

    ASSERT_TRUE(AssignMultimediaWhileTheMouseComesBack(L"_Qiro", L"profile1_key_Qiro_2"));

    const std::vector<uint8_t> after = MemoryAt(kSecondButton, 4);
    EXPECT_EQ(after, (std::vector<uint8_t>{3, 0, 0xCD, 0}));
    EXPECT_NE(after, before);
    const uint8_t* shown = QiroMacroKeyTable1[1]->bytes;
    EXPECT_EQ(std::vector<uint8_t>(shown, shown + 4), after);
}

TEST_F(OpenWindowFaults, AKelvoAssignmentMadeWhileTheMouseCameBackReachesTheKeyModeItWasMadeFor) {
    Start(MousePage(L"Kelvo"), "kelvo");
    constexpr size_t kFirstSet = 0x40 + 3, kSecondSet = 0x5B + 3;  // button 2 of each key set, 3 bytes a button
    ASSERT_EQ(program.Window().FontOf(L"profile1_Kelvo"), 4);
    const std::wstring firstText = program.Window().TextOf(L"profile_key_Kelvo_2");
    const std::vector<uint8_t> first = MemoryAt(kFirstSet, 3), before = MemoryAt(kSecondSet, 3);

    // Opened on the second key mode; the mouse read again shows the first.
    ASSERT_TRUE(program.ClickAndWait(L"profile2_Kelvo"));
    ASSERT_TRUE(AssignMultimediaWhileTheMouseComesBack(L"_Kelvo", L"profile_key_Kelvo_2"));
    ASSERT_EQ(program.Window().FontOf(L"profile1_Kelvo"), 4);
    EXPECT_EQ(program.Window().TextOf(L"profile_key_Kelvo_2"), firstText);

    // The library keeps the assignment until the write.
    const uint8_t* edited = KelvoButtonTable2[1]->bytes;
    const std::vector<uint8_t> assigned(edited, edited + 3);
    ASSERT_NE(assigned, before);
    EXPECT_EQ(assigned.front(), 3) << "a multimedia key";
    ASSERT_TRUE(program.ClickAndWait(L"write_data_Kelvo"));
    EXPECT_EQ(MemoryAt(kSecondSet, 3), assigned);
    EXPECT_EQ(MemoryAt(kFirstSet, 3), first);
    ASSERT_TRUE(program.ClickAndWait(L"profile2_Kelvo"));
    EXPECT_EQ(program.Window().TextOf(L"profile_key_Kelvo_2"),
              GetAssignmentTextKelvo(assigned[0], assigned[1], assigned[2]).GetData());
}

TEST_F(OpenWindowFaults, AQiroAssignmentMadeWhileTheMouseChangedProfileReachesTheProfileItWasMadeFor) {
    Start(MousePage(L"Qiro"), "qiro");
    constexpr size_t kSecondButton = 192 + 4;  // the first key table, 4 bytes per button
    constexpr size_t kKeyTable = 49;           // the second follows
    const std::vector<uint8_t> multimedia{3, 0, 0xCD, 0};
    ASSERT_TRUE(program.ClickAndWait(L"profile2_Qiro"));
    const std::vector<std::wstring> secondProfile = QiroButtonTexts();
    ASSERT_TRUE(program.ClickAndWait(L"profile1_Qiro"));
    ASSERT_NE(MemoryAt(kSecondButton, 4), multimedia);
    const std::vector<uint8_t> other = MemoryAt(kSecondButton + kKeyTable, 4);

    ASSERT_TRUE(AssignQiroMultimediaWhileTheMouseGoesToTheSecondProfile(L"profile1_key_Qiro_2"));

    EXPECT_EQ(MemoryAt(kSecondButton, 4), multimedia);
    EXPECT_EQ(MemoryAt(kSecondButton + kKeyTable, 4), other);
    EXPECT_EQ(QiroButtonTexts(), secondProfile);
    ASSERT_TRUE(program.ClickAndWait(L"profile1_Qiro"));
    EXPECT_EQ(program.Window().TextOf(L"profile1_key_Qiro_2"), GetAssignmentTextQiro(3, 0, 0xCD, 0).GetData());
}

TEST_F(OpenWindowFaults, TheLeftClickRuleJudgesTheQiroProfileTheDialogWasOpenedFor) {
    MessageBoxWatch boxes;
    Start(MousePage(L"Qiro"), "qiro");
    constexpr size_t kFirstTable = 192;       // 4 bytes per button
    constexpr size_t kSecondTable = 192 + 49;
    const std::vector<uint8_t> left{1, 1, 0, 0}, multimedia{3, 0, 0xCD, 0};
    // The second profile clicks left with its second button alone, the first
    // with its first button alone.
    const FamilyPage qiro(program, L"Qiro");
    ASSERT_TRUE(program.ClickAndWait(L"profile2_Qiro"));
    ASSERT_TRUE(qiro.AssignFromList(L"profile1_key_Qiro_2", L"standard_mouse_keys_setting",
                                    L"result_standard_mouse_keys_value", 0));
    ASSERT_TRUE(qiro.AssignFromList(L"profile1_key_Qiro_1", L"multimedia_setting", L"result_multimedia_value", 3));
    const std::vector<uint8_t> secondProfile = MemoryAt(kSecondTable, 8);
    ASSERT_EQ(secondProfile, (std::vector<uint8_t>{3, 0, 0xCD, 0, 1, 1, 0, 0}));
    ASSERT_TRUE(program.ClickAndWait(L"profile1_Qiro"));
    ASSERT_EQ(MemoryAt(kFirstTable, 4), left);
    ASSERT_NE(MemoryAt(kFirstTable + 4, 4), left);

    // Each dialog is opened on the first profile and closed on the second.
    // The first profile's second button may take another key: its first
    // button keeps the left click.
    ASSERT_TRUE(AssignQiroMultimediaWhileTheMouseGoesToTheSecondProfile(L"profile1_key_Qiro_2"));
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(MemoryAt(kFirstTable + 4, 4), multimedia);

    // Its first button may not: it holds the first profile's last left click.
    ASSERT_TRUE(program.ClickAndWait(L"profile1_Qiro"));
    ASSERT_TRUE(AssignQiroMultimediaWhileTheMouseGoesToTheSecondProfile(L"profile1_key_Qiro_1"));
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{183}"});
    EXPECT_EQ(MemoryAt(kFirstTable, 4), left);
    EXPECT_EQ(MemoryAt(kSecondTable, 8), secondProfile);
}

TEST_F(OpenWindowFaults, AnAssignmentWhoseButtonTheRereadLeftOutIsReportedAsNotMade) {
    MessageBoxWatch boxes;
    Start(MousePage(L"Qiro"), "qiro");
    const std::vector<uint8_t> qiro = Memory();
    // The read after the mouse came back gets no button: the tables are left empty.
    {
        const RefusedGetter keys(&DeviceEntries::Devcie_Get_Macro_Key_Qiro);
        ASSERT_TRUE(AssignMultimediaWhileTheMouseComesBack(L"_Qiro", L"profile1_key_Qiro_2"));
    }
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{085}"});
    EXPECT_EQ(Memory(), qiro);

    page_ = MousePage(L"Kelvo");
    family_ = "kelvo";
    ASSERT_TRUE(program.ShowPage(page_));
    {
        const RefusedGetter buttons(&DeviceEntries::Device_Get_Pro_File_Data_Kelvo);
        ASSERT_TRUE(AssignMultimediaWhileTheMouseComesBack(L"_Kelvo", L"profile_key_Kelvo_2"));
    }
    EXPECT_EQ(boxes.Take(), std::vector<std::wstring>{L"%{085}"});
}
