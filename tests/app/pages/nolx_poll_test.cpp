// The change poll of a Nolx-family page over scripted controller reports.
#include "app/main/pages/nolx/nolx_mouse_page.h"

#include "tests/app/pages/fake_page_services.h"
#include "tests/app/support/settings_reset.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

struct ScriptedController {
    int failingReads = 0;                         // reads that fail before the reports
    std::deque<std::array<uint8_t, 4>> reports;  // a read past the last one fails
    int profileByte = 0;
    int levelByte = 0;
    int reads = 0;
    int addressReads = 0;
    int otherCalls = 0;
};

ScriptedController controller;

NolxFamilyTraits ScriptedTraits() {
    NolxFamilyTraits traits = QiroFamilyTraits();
    traits.getChangeData = [](const DeviceEntries&, uint8_t report[4]) {
        ++controller.reads;
        if (controller.failingReads > 0) return --controller.failingReads, -1;
        if (controller.reports.empty()) return -1;
        for (int i = 0; i < 4; ++i) report[i] = controller.reports.front()[static_cast<size_t>(i)];
        controller.reports.pop_front();
        return 0;
    };
    traits.getDataByAddress = [](const DeviceEntries&, int address, int* value) {
        ++controller.addressReads;
        *value = address == 164 ? controller.profileByte : address == 166 ? controller.levelByte : -1;
        return 0;
    };
    traits.open = [](const DeviceEntries&, uint8_t) { return ++controller.otherCalls, -1; };
    traits.writeImage = [](const DeviceEntries&, const uint8_t*) { return ++controller.otherCalls, -1; };
    return traits;
}

class NolxPoll : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppSettings();
        controller = ScriptedController();
        AppRunning = 1;
        DeviceSettings.QiroKeyMode = 0;
        DeviceSettings.QiroActiveCpiLevel = 1;
    }

    FakePageServices fakes;
    NolxFamilyTraits traits = ScriptedTraits();
    NolxMousePage page{fakes.services, traits};
};

}  // namespace

TEST_F(NolxPoll, AChangeReportBringsTheProfileAndLevelFromTheController) {
    controller.reports = {{0x42, 0x01, 0x01, 0x00}};
    controller.profileByte = 0xF1;  // high nibble is not the profile
    controller.levelByte = 3;
    page.PollDeviceChanges();
    EXPECT_EQ(DeviceSettings.QiroKeyMode, 1);
    EXPECT_EQ(DeviceSettings.QiroActiveCpiLevel, 4);
    EXPECT_EQ(controller.addressReads, 2);
    EXPECT_EQ(controller.otherCalls, 0);
}

TEST_F(NolxPoll, OtherReportsChangeNothing) {
    controller.reports = {{0x42, 0x01, 0x01, 0x01}, {0x41, 0x01, 0x01, 0x00}, {0x00, 0, 0, 0}};
    controller.profileByte = 1;
    controller.levelByte = 5;
    page.PollDeviceChanges();
    EXPECT_EQ(DeviceSettings.QiroKeyMode, 0);
    EXPECT_EQ(DeviceSettings.QiroActiveCpiLevel, 1);
    EXPECT_EQ(controller.addressReads, 0);
    EXPECT_EQ(controller.reads, 5);  // three reports, then the failing read and its second try
}

TEST_F(NolxPoll, AFailedReadEndsThePollInsteadOfSpinning) {
    page.PollDeviceChanges();
    EXPECT_EQ(controller.reads, 2);  // tried once more after a pause
}

TEST_F(NolxPoll, APollGoesOnAfterOneFailedReadAsWhenTheHandlesWereOpenedAgain) {
    controller.failingReads = 1;
    controller.reports = {{0x42, 0x01, 0x01, 0x00}};
    controller.profileByte = 1;
    page.PollDeviceChanges();
    EXPECT_EQ(DeviceSettings.QiroKeyMode, 1);
}

TEST_F(NolxPoll, APollEndsWhenTheProgramEnds) {
    controller.reports = {{0x42, 0, 0, 0}};
    AppRunning = 0;
    page.PollDeviceChanges();
    EXPECT_EQ(controller.reads, 0);
    AppRunning = 1;
}
