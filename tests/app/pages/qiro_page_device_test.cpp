// The Qiro page's device operations over the real library and the simulated
// Qiro, without a window: what each command puts on the wire and into the
// controller, the read, and export, import and reset with real files.
#include "app/main/pages/qiro/dialog_mouse_qiro_setting.h"

#include "tests/app/pages/fake_page_services.h"
#include "tests/app/pages/simulated_nolx.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

const bool kFreshTrace = (ForgetEarlierRuns(), true);

std::string SetBytesLine(unsigned address, uint8_t value) {
    return "SET qiro 40 05 00 " + Hex(static_cast<uint8_t>(address)) + " " + Hex(value) + " 00 00 01";
}

bool IsCommit(const std::string& line) { return line.rfind("SET qiro 40 0e", 0) == 0; }

class QiroPageDevice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kFreshTrace);
        ResetAppSettings();
        ASSERT_TRUE(page.ConnectAndRead());
        trace.Take();
    }

    FakePageServices fakes;
    CDialogMouseQiroSetting page{fakes.services};
    TraceReader trace;
};

}  // namespace

TEST_F(QiroPageDevice, AReadConnectsAndFillsTheQiroSettings) {
    EXPECT_EQ(page.ConnectedFlag(), 1);
    EXPECT_EQ(QiroCpiLevels.size(), 7u);
    EXPECT_EQ(QiroFireMacros.size(), 7u);
    EXPECT_GE(DeviceSettings.QiroCpiLevelCount, 1);
    EXPECT_LE(DeviceSettings.QiroCpiLevelCount, 7);
    for (const FireKeyEntry& key : DeviceSettings.FireKeyTableQiro) EXPECT_EQ(key.continueFlag, 0);
    // The read changes nothing on the controller: no set-bytes, block write or commit.
    ASSERT_TRUE(page.ConnectAndRead());
    for (const std::string& line : trace.TakeWrites()) {
        EXPECT_EQ(line.find("SET qiro 40 05"), std::string::npos) << line;
        EXPECT_EQ(line.find("SET qiro 40 07"), std::string::npos) << line;
        EXPECT_FALSE(IsCommit(line)) << line;
    }
}

TEST_F(QiroPageDevice, CodesWithoutACommandReportTrueAndSendNothing) {
    for (int code : {0, 13, 14, -1, 1000}) {
        EXPECT_TRUE(page.RunDeviceCommand(code)) << code;
    }
    EXPECT_TRUE(trace.Take().empty());
}

TEST_F(QiroPageDevice, TheReportRateGoesToItsByteAndIsCommitted) {
    const std::vector<uint8_t> before = ControllerMemory();
    ASSERT_EQ(before.size(), 2048u);
    trace.Take();
    const int rate = ((before[4] >> 4) & 3) == 2 ? 1 : 2;
    DeviceSettings.QiroReportRate = rate;
    EXPECT_TRUE(page.RunDeviceCommand(kWriteReportRate));
    const std::vector<std::string> writes = trace.TakeWrites();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], SetBytesLine(4, static_cast<uint8_t>((before[4] & ~0x30) | rate << 4)));
    EXPECT_TRUE(IsCommit(writes[1]));
    EXPECT_EQ((ControllerMemory()[4] >> 4) & 3, rate);
}

TEST_F(QiroPageDevice, TheDpiBlockReachesTheControllerLevelByLevel) {
    DeviceSettings.QiroCpiLevelCount = 3;
    QiroCpiLevels[0]->value = 5;
    QiroCpiLevels[1]->value = 14;
    QiroCpiLevels[6]->red = 0x12;
    QiroCpiLevels[6]->green = 0x34;
    QiroCpiLevels[6]->blue = 0x56;
    EXPECT_TRUE(page.RunDeviceCommand(kWriteCpiSettings));
    EXPECT_FALSE(trace.TakeWrites().empty());
    const std::vector<uint8_t> memory = ControllerMemory();
    ASSERT_EQ(memory.size(), 2048u);
    EXPECT_EQ(memory[43], 2);  // level count minus 1
    EXPECT_EQ(memory[44], 0xE5);  // levels 1 and 2 in one byte, level 1 low
    EXPECT_EQ(memory[87 + 18], 0x12);
    EXPECT_EQ(memory[87 + 19], 0x34);
    EXPECT_EQ(memory[87 + 20], 0x56);
}

TEST_F(QiroPageDevice, TheProfileAndOneButtonOfIt) {
    DeviceSettings.QiroKeyMode = 1;
    EXPECT_TRUE(page.RunDeviceCommand(kWriteKeyMode));
    EXPECT_EQ(ControllerMemory()[164] & 0x0F, 1);

    // The read took no buttons: the page has no layout here.
    ASSERT_TRUE(DeviceLibraryBinder::Instance().ReadMacroKeysQiro(1, 8));
    QiroMacroKeyTable2[2]->bytes[0] = 2;
    QiroMacroKeyTable2[2]->bytes[1] = 0;
    QiroMacroKeyTable2[2]->bytes[2] = 0;
    QiroMacroKeyTable2[2]->bytes[3] = 5;
    // The current key index is the button edited last; nothing has been, so 0.
    const std::vector<uint8_t> before = ControllerMemory();
    EXPECT_TRUE(page.RunDeviceCommand(kWriteButton));
    const std::vector<uint8_t> memory = ControllerMemory();
    const unsigned table2 = 192 + 49;
    for (unsigned i = 0; i < 4; ++i) {
        EXPECT_EQ(memory[table2 + i], QiroMacroKeyTable2[0]->bytes[i]) << "entry 1 byte " << i;
        EXPECT_EQ(memory[table2 + 8 + i], before[table2 + 8 + i]) << "entry 3 was not sent, byte " << i;
    }
}

TEST_F(QiroPageDevice, LightingSendsRateOnFlagAndMode) {
    DeviceSettings.QiroLedRate = 3;
    DeviceSettings.QiroLedOn = 0;
    DeviceSettings.QiroLedMode = 4;
    EXPECT_TRUE(page.RunDeviceCommand(kWriteLighting));
    EXPECT_FALSE(trace.TakeWrites().empty());
    DeviceSettings.QiroLedRate = DeviceSettings.QiroLedOn = DeviceSettings.QiroLedMode = -1;
    ASSERT_TRUE(page.ConnectAndRead());
    EXPECT_EQ(DeviceSettings.QiroLedRate, 3);
    EXPECT_EQ(DeviceSettings.QiroLedOn, 0);
    EXPECT_EQ(DeviceSettings.QiroLedMode, 4);
}

TEST_F(QiroPageDevice, ExportWritesTheControllersImageAndSaysWhenTheFileCannotBe) {
    TempFolder folder;
    const std::wstring path = folder.File(L"qiro.bin");
    page.SetFilePath(kExportImage, path.c_str());
    EXPECT_TRUE(page.RunDeviceCommand(kExportImage));
    EXPECT_EQ(FileBytes(path), ControllerMemory());
    EXPECT_TRUE(fakes.messages.shown.empty());

    const std::wstring nowhere = folder.File(L"missing\\qiro.bin");
    page.SetFilePath(kExportImage, nowhere.c_str());
    EXPECT_TRUE(page.RunDeviceCommand(kExportImage));
    EXPECT_EQ(GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(fakes.messages.shown, std::vector<std::wstring>{L"%{084}"});
}

TEST_F(QiroPageDevice, AnImportOfAnyOtherSizeLeavesTheControllerUntouched) {
    TempFolder folder;
    const std::vector<uint8_t> before = ControllerMemory();
    trace.Take();
    for (size_t size : {size_t(0), size_t(100), size_t(2047), size_t(2049), size_t(4096)}) {
        const std::wstring path = folder.File(L"short.bin");
        PutFile(path, std::vector<uint8_t>(size, 0x33));
        page.SetFilePath(kImportImage, path.c_str());
        EXPECT_TRUE(page.RunDeviceCommand(kImportImage));
        EXPECT_TRUE(trace.Take().empty()) << size;
    }
    page.SetFilePath(kImportImage, folder.File(L"missing.bin").c_str());
    EXPECT_TRUE(page.RunDeviceCommand(kImportImage));
    EXPECT_TRUE(trace.Take().empty());
    EXPECT_EQ(ControllerMemory(), before);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(QiroPageDevice, AnImportWritesTheImageAndReadsTheControllerAgainAndAnExportKeepsItsOwnFile) {
    TempFolder folder;
    std::vector<uint8_t> image = ControllerMemory();
    ASSERT_EQ(image.size(), 2048u);
    image[4] = static_cast<uint8_t>((image[4] & ~0x30) | 3 << 4);
    image[163] = 0;
    uint8_t sum = 0;
    for (int i = 0; i < 163; ++i) sum = static_cast<uint8_t>(sum + image[static_cast<size_t>(i)]);
    image[163] = static_cast<uint8_t>(sum ^ 0x5A);
    const std::wstring path = folder.File(L"image.bin");
    PutFile(path, image);
    DeviceSettings.QiroReportRate = 0;
    // An export chosen after the import (both kept while a progress window
    // was open) takes its own file.
    const std::wstring exported = folder.File(L"exported.bin");
    page.SetFilePath(kImportImage, path.c_str());
    page.SetFilePath(kExportImage, exported.c_str());
    EXPECT_TRUE(page.RunDeviceCommand(kImportImage));
    EXPECT_EQ(ControllerMemory(), image);
    EXPECT_EQ(DeviceSettings.QiroReportRate, 3);  // read again
    EXPECT_EQ(page.ConnectedFlag(), 1);
    EXPECT_TRUE(page.RunDeviceCommand(kExportImage));
    EXPECT_EQ(FileBytes(path), image);
    EXPECT_EQ(FileBytes(exported), image);
}

TEST_F(QiroPageDevice, AResetImportsTheDefaultImageFromTheCurrentFolder) {
    const std::vector<uint8_t> defaults = FileBytes(L"TevkNolx005AData_Cfg1.bin");
    ASSERT_EQ(defaults.size(), 2048u);
    DeviceSettings.QiroReportRate = 1 + ((ControllerMemory()[4] >> 4) & 3) % 3;
    ASSERT_TRUE(page.RunDeviceCommand(kWriteReportRate));
    EXPECT_TRUE(page.RunDeviceCommand(kResetDevice));
    EXPECT_EQ(ControllerMemory(), defaults);
}
