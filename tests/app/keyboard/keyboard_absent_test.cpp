// The keyboard page with no keyboard attached.
#include "app/core/settings/settings_containers.h"
#include "tests/app/keyboard/page_host.h"
#include "tests/app/keyboard/simulated_keyboard.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(AbsentKeyboard, TheReadFailsAndThePageIsDisabled) {
    PageHost& host = PageHost::Instance();
    host.Raise(nullptr, L"READ_WenkDATA");
    ASSERT_TRUE(host.Find(L"device_keyboard_page")->IsEnabled());
    EXPECT_FALSE(host.page().ConnectAndRead());
    EXPECT_EQ(host.page().ConnectedFlag(), 0);
    EXPECT_FALSE(host.Find(L"device_keyboard_page")->IsEnabled());
    EXPECT_EQ(WenkKeyMap1.size(), 104u);
}

TEST(AbsentKeyboard, WholeImageOperationsReportTheFailedOpenAndWriteNoFile) {
    PageHost& host = PageHost::Instance();
    ScriptedFiles& files = host.fakes().files;
    files.savePath = host.files().File(L"exported.bin");
    host.page().ExportConfiguration();
    files.openPath = host.files().File(L"DefaultData_1.bin");
    host.page().ImportConfiguration();
    host.page().ResetToDefaults();
    EXPECT_EQ(host.fakes().messages.shown, (std::vector<std::wstring>{L"%{081}", L"%{081}", L"%{081}"}));
    EXPECT_FALSE(std::filesystem::exists(files.savePath));

    const size_t before = TraceLines().size();
    host.page().WriteAllSettings();
    EXPECT_TRUE(KeyboardCommands(before).empty());
}
