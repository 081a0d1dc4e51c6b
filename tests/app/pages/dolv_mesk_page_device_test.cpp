// The Dolv and Mesk pages' device operations over the real library and the
// simulated controller HIDSIM_DEVICES names (one Nolx mouse at a time): the
// read, what each command puts into the controller, export, import, the
// resets and the Mesk re-read retries.
#include "app/main/pages/dolv/dialog_mouse_dolv_setting.h"
#include "app/main/pages/mesk/dialog_mouse_mesk_setting.h"

#include "tests/app/pages/fake_page_services.h"
#include "tests/app/pages/simulated_nolx.h"
#include "tests/app/support/refused_getter.h"
#include "tests/app/support/settings_reset.h"
#include "tests/app/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

const bool kFreshTrace = (ForgetEarlierRuns(), true);

bool TestingMesk() {
    const char* devices = std::getenv("HIDSIM_DEVICES");
    return devices && std::string(devices) == "mesk";
}

const NolxFamilyTraits& Family() { return TestingMesk() ? MeskFamilyTraits() : DolvFamilyTraits(); }

std::unique_ptr<NolxMousePage> MakeFamilyPage(const PageServices& services) {
    if (TestingMesk()) return std::make_unique<CDialogMouseMeskSetting>(services);
    return std::make_unique<CDialogMouseDolvSetting>(services);
}

// The image with its main block's checksum made right.
std::vector<uint8_t> Sealed(std::vector<uint8_t> image) {
    uint8_t sum = 0;
    for (size_t i = 0; i < 163; ++i) sum = static_cast<uint8_t>(sum + image[i]);
    image[163] = static_cast<uint8_t>(sum ^ 0x5A);
    return image;
}

class NolxFamilyPageDevice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kFreshTrace);
        ResetAppSettings();
        ASSERT_TRUE(page->ConnectAndRead());
        trace.Take();
    }

    std::vector<uint8_t> Memory() const { return ControllerMemory(family); }

    const NolxFamilyTraits& family = Family();
    FakePageServices fakes;
    std::unique_ptr<NolxMousePage> page = MakeFamilyPage(fakes.services);
    TraceReader trace;
};

}  // namespace

TEST_F(NolxFamilyPageDevice, AReadFillsThreeTablesTenFireMacrosAndChangesNothing) {
    EXPECT_EQ(page->ConnectedFlag(), 1);
    EXPECT_EQ(family.fireMacros->size(), 10u);
    EXPECT_EQ(family.cpiLevels->size(), 7u);
    EXPECT_EQ(family.keyTables.size(), 3u);
    EXPECT_GE(DeviceSettings.*family.cpiLevelCount, 1);
    EXPECT_LE(DeviceSettings.*family.cpiLevelCount, 7);
    // A read sends requests only: no set-bytes, block write or commit.
    ASSERT_TRUE(page->ConnectAndRead());
    const std::string controller = TestingMesk() ? "SET mesk 40 " : "SET dolv 40 ";
    for (const std::string& line : trace.TakeWrites()) {
        for (const char* changing : {"05", "07", "0e"}) EXPECT_NE(line.rfind(controller + changing, 0), 0u) << line;
    }
}

TEST_F(NolxFamilyPageDevice, AReadWhoseKeyModeCannotBeHadIsAGoodRead) {
    const RefusedGetter keyMode(TestingMesk() ? &DeviceEntries::Devcie_Get_Key_Mode_Mesk
                                              : &DeviceEntries::Devcie_Get_Key_Mode_Dolv);
    DeviceSettings.*family.reportRate = -1;
    EXPECT_TRUE(page->ConnectAndRead());
    EXPECT_EQ(keyMode.Calls(), 1);
    EXPECT_EQ(page->ConnectedFlag(), 1);
    EXPECT_EQ(DeviceSettings.*family.reportRate, (Memory()[4] >> 4) & 3);
}

TEST_F(NolxFamilyPageDevice, CodesWithoutACommandIncludingTheSwitchesReportTrueAndSendNothing) {
    for (int code : {0, static_cast<int>(kWriteButtonSwitches), 13, -1}) EXPECT_TRUE(page->RunDeviceCommand(code)) << code;
    EXPECT_TRUE(trace.Take().empty());
}

TEST_F(NolxFamilyPageDevice, RateProfileAndDpiReachTheirBytes) {
    const std::vector<uint8_t> before = Memory();
    ASSERT_EQ(before.size(), 2048u);
    const int rate = ((before[4] >> 4) & 3) == 2 ? 1 : 2;
    DeviceSettings.*family.reportRate = rate;
    EXPECT_TRUE(page->RunDeviceCommand(kWriteReportRate));
    EXPECT_EQ((Memory()[4] >> 4) & 3, rate);

    DeviceSettings.*family.keyMode = 2;  // the third profile
    EXPECT_TRUE(page->RunDeviceCommand(kWriteKeyMode));
    EXPECT_EQ(Memory()[164], 0xF2);

    DeviceSettings.*family.cpiLevelCount = 3;
    (*family.cpiLevels)[0]->value = 11;  // "6400", the last of the twelve steps
    (*family.cpiLevels)[1]->value = 4;
    EXPECT_TRUE(page->RunDeviceCommand(kWriteCpiSettings));
    const std::vector<uint8_t> memory = Memory();
    EXPECT_EQ(memory[43], 2);
    EXPECT_EQ(memory[44], 0x4B);
}

TEST_F(NolxFamilyPageDevice, AButtonOfTheThirdProfileGoesToTheThirdTable) {
    DeviceSettings.*family.keyMode = 2;
    ASSERT_TRUE((DeviceLibraryBinder::Instance().*family.readMacroKeys)(2, 8));
    MacroKeyEntry& entry = *(*family.keyTables[2])[0];
    const uint8_t keyB[4] = {2, 0, 0, 5};
    for (size_t i = 0; i < 4; ++i) entry.bytes[i] = keyB[i];
    EXPECT_TRUE(page->RunDeviceCommand(kWriteButton));
    const std::vector<uint8_t> memory = Memory();
    const size_t table3 = 192 + 2 * 49;
    EXPECT_EQ(memory[table3 + 0], 2);
    EXPECT_EQ(memory[table3 + 3], 5);
}

TEST_F(NolxFamilyPageDevice, LightingIsReadBackAsWritten) {
    DeviceSettings.*family.ledRate = 3;
    DeviceSettings.*family.ledMode = 4;
    DeviceSettings.*family.ledOn = 0;
    EXPECT_TRUE(page->RunDeviceCommand(kWriteLighting));
    EXPECT_FALSE(trace.TakeWrites().empty());
    const std::vector<uint8_t> written = Memory();
    if (TestingMesk()) {
        EXPECT_EQ(written[56], 55 - 5 * 3);
        // The on flag is the page's own: all or half lights send the same rate and mode.
        DeviceSettings.*family.ledOn = 1;
        EXPECT_TRUE(page->RunDeviceCommand(kWriteLighting));
        EXPECT_EQ(Memory(), written);
    } else {
        EXPECT_EQ(written[1008 + 8], 7 - 3);
        EXPECT_EQ(written[1008 + 9] & 0x80, 0);
    }
    DeviceSettings.*family.ledRate = DeviceSettings.*family.ledMode = -1;
    ASSERT_TRUE(page->ConnectAndRead());
    EXPECT_EQ(DeviceSettings.*family.ledRate, 3);
    EXPECT_EQ(DeviceSettings.*family.ledMode, 4);
}

TEST_F(NolxFamilyPageDevice, ExportAndImportCarryTheWholeImage) {
    TempFolder folder;
    const std::wstring exported = folder.File(L"exported.bin");
    page->SetFilePath(kExportImage, exported.c_str());
    EXPECT_TRUE(page->RunDeviceCommand(kExportImage));
    std::vector<uint8_t> image = FileBytes(exported);
    ASSERT_EQ(image, Memory());

    image[4] = static_cast<uint8_t>((image[4] & ~0x30) | 3 << 4);
    image = Sealed(image);
    const std::wstring imported = folder.File(L"imported.bin");
    PutFile(imported, image);
    DeviceSettings.*family.reportRate = 0;
    page->SetFilePath(kImportImage, imported.c_str());
    EXPECT_TRUE(page->RunDeviceCommand(kImportImage));
    EXPECT_EQ(Memory(), image);
    EXPECT_EQ(DeviceSettings.*family.reportRate, 3);  // read again
    EXPECT_EQ(page->ConnectedFlag(), 1);

    // A file that is not an image leaves the controller as it is.
    const std::wstring odd = folder.File(L"odd.bin");
    PutFile(odd, std::vector<uint8_t>(2047, 0x33));
    page->SetFilePath(kImportImage, odd.c_str());
    trace.Take();
    EXPECT_TRUE(page->RunDeviceCommand(kImportImage));
    EXPECT_TRUE(trace.Take().empty());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(NolxFamilyPageDevice, TheDolvResetImportsItsDefaultFile) {
    if (TestingMesk()) GTEST_SKIP() << "the Mesk resets choose their file";
    const std::vector<uint8_t> defaults = FileBytes(L"TevkDolvBData_Cfg1.bin");
    ASSERT_EQ(defaults.size(), 2048u);
    TempFolder folder;
    const std::wstring elsewhere = folder.File(L"elsewhere.bin");
    PutFile(elsewhere, Sealed(Memory()));
    page->SetFilePath(kImportImage, elsewhere.c_str());
    DeviceSettings.*family.reportRate = 1 + ((Memory()[4] >> 4) & 3) % 3;
    ASSERT_TRUE(page->RunDeviceCommand(kWriteReportRate));
    EXPECT_TRUE(page->RunDeviceCommand(kResetDevice));
    EXPECT_EQ(Memory(), defaults);
}

TEST_F(NolxFamilyPageDevice, TheMeskResetImportsTheFileAtTheCurrentPath) {
    if (!TestingMesk()) GTEST_SKIP() << "the Dolv reset has one file";
    for (const wchar_t* file : {L"TevkMeskBData_Cfg2.bin", L"TevkMeskBData_Cfg3.bin", L"TevkMeskBData_Cfg1.bin"}) {
        const std::vector<uint8_t> defaults = FileBytes(file);
        ASSERT_EQ(defaults.size(), 2048u);
        page->SetFilePath(kResetDevice, file);
        EXPECT_TRUE(page->RunDeviceCommand(kResetDevice));
        EXPECT_EQ(Memory(), defaults);
    }
}

namespace {

// The Mesk family whose controller reads fail as often as asked.
int failingReads = 0;
int readAttempts = 0;

NolxFamilyTraits FlakyMesk() {
    NolxFamilyTraits traits = MeskFamilyTraits();
    traits.readDeviceData = [](const DeviceEntries& entries) {
        ++readAttempts;
        if (failingReads > 0) return --failingReads, -1;
        return MeskFamilyTraits().readDeviceData(entries);
    };
    return traits;
}

}  // namespace

TEST_F(NolxFamilyPageDevice, AMeskImportRetriesItsReadFiveTimes) {
    if (!TestingMesk()) GTEST_SKIP() << "only the Mesk page retries";
    const NolxFamilyTraits flaky = FlakyMesk();
    NolxMousePage meskPage(fakes.services, flaky);
    const std::wstring file = L"TevkMeskBData_Cfg1.bin";
    meskPage.SetFilePath(kImportImage, file.c_str());

    failingReads = 2;  // the third read succeeds
    readAttempts = 0;
    EXPECT_TRUE(meskPage.RunDeviceCommand(kImportImage));
    EXPECT_EQ(readAttempts, 3);
    EXPECT_EQ(meskPage.ConnectedFlag(), 1);

    failingReads = 100;
    readAttempts = 0;
    EXPECT_TRUE(meskPage.RunDeviceCommand(kImportImage));
    EXPECT_EQ(readAttempts, 6);
    EXPECT_EQ(meskPage.ConnectedFlag(), 0);
    failingReads = 0;
}
