// The four device workers over fake pages, run on the test's thread; their
// messages are read back from a message-only window.
#include "app/main/frame/workers.h"
#include "devices/common/device_ids.h"
#include "tests/app/frame/frame_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using frame_test::CallLog;
using frame_test::FakeKeyboardPage;
using frame_test::FakeMousePage;
using frame_test::FakePolledPage;
using frame_test::Opens;
using testing::ElementsAre;
using testing::IsEmpty;
using Message = std::pair<UINT, LPARAM>;
using Messages = std::vector<Message>;

namespace {

class Workers : public testing::Test {
protected:
    void SetUp() override
    {
        CallLog().clear();
        Opens() = {};
        AppRunning = 1;
        environment.binder = binder.get();
        environment.readPointerSettings = [] { CallLog().push_back("pointer settings"); };
    }

    DevicePages AllPages()
    {
        return {&keyboard, &kelvo, &driver, &dolv, &mesk, &qiro};
    }

    // Runs the worker with the pages the chip selects, as StartWorker hands them.
    Messages Run(WorkerProc proc, int chip, int argument = 0)
    {
        auto* params = new WorkerParams;
        params->mainWindow = sink.hwnd();
        params->argument = argument;
        params->pages = SelectPages(AllPages(), chip);
        params->environment = &environment;
        proc(params);
        return sink.Take();
    }

    void ConnectAll()
    {
        for (int family = 0; family < kDeviceFamilyCount; ++family)
            Page(family).connected = 1;
    }
    // The fake behind family i, for its connected and read fields.
    struct Fields {
        int& connected;
        bool& readSucceeds;
    };
    Fields Page(int family)
    {
        switch (family) {
        case 0: return {keyboard.connected, keyboard.readSucceeds};
        case 1: return {kelvo.connected, kelvo.readSucceeds};
        case 2: return {driver.connected, driver.readSucceeds};
        case 3: return {dolv.connected, dolv.readSucceeds};
        case 4: return {mesk.connected, mesk.readSucceeds};
        default: return {qiro.connected, qiro.readSucceeds};
        }
    }

    frame_test::MessageSink sink;
    std::unique_ptr<DeviceLibraryBinder> binder = frame_test::MakeOpenOnlyBinder();
    WorkerEnvironment environment;
    FakeKeyboardPage keyboard;
    FakeMousePage kelvo{"kelvo"};
    FakeMousePage driver{"driver"};
    FakePolledPage dolv{"dolv", 0x11};
    FakePolledPage mesk{"mesk", 0x22};
    FakePolledPage qiro{"qiro", 0x33};
};

TEST_F(Workers, StartUpWithNothingAttachedReadsEveryPageBetween1001And1002)
{
    EXPECT_THAT(Run(&ReadAllThreadProc, 0), ElementsAre(Message{1001, 20}, Message{1002, 100}));
    EXPECT_THAT(CallLog(), ElementsAre("pointer settings", "keyboard.ConnectAndRead", "kelvo.ConnectAndRead",
                                       "driver.ConnectAndRead", "dolv.ConnectAndRead", "mesk.ConnectAndRead",
                                       "qiro.ConnectAndRead"));
}

TEST_F(Workers, AChipOutsideTheFamiliesServesNoPageButStillReportsStartAndEnd)
{
    for (WorkerProc proc : {&ReadAllThreadProc, &WriteThreadProc, &DeviceChangeThreadProc}) {
        CallLog().clear();
        EXPECT_THAT(Run(proc, 7), ElementsAre(Message{1001, 20}, Message{1002, 100}));
        EXPECT_THAT(CallLog(), testing::Each(testing::Eq("pointer settings")));
    }
    EXPECT_THAT(Run(&GetChangeThreadProc, 7), IsEmpty());
}

TEST_F(Workers, WritesRunTheKeyboardsWholeWriteAndTheMiceCommands)
{
    EXPECT_THAT(Run(&WriteThreadProc, 1, 0), ElementsAre(Message{1001, 20}, Message{1002, 100}));
    EXPECT_THAT(Run(&WriteThreadProc, 6, 42), ElementsAre(Message{1001, 20}, Message{1002, 100}));
    Run(&WriteThreadProc, 3, 7);
    EXPECT_THAT(CallLog(), ElementsAre("keyboard.WriteAllSettings", "qiro.RunDeviceCommand(42)",
                                       "driver.RunDeviceCommand(7)"));
}

TEST_F(Workers, OnlyAConnectedPollablePageIsPolledAndNeverTwiceAtOnce)
{
    for (int flag : {0, -1, 2}) {
        qiro.connected = flag;
        EXPECT_THAT(Run(&GetChangeThreadProc, 6), IsEmpty());
    }
    EXPECT_THAT(CallLog(), IsEmpty());

    // Kelvo, the Kelvo driver and the keyboard have no change poll.
    ConnectAll();
    for (int chip : {1, 2, 3})
        Run(&GetChangeThreadProc, chip);
    EXPECT_THAT(CallLog(), IsEmpty());

    // A second request while the poll runs ends at once.
    qiro.onPoll = [this] {
        EXPECT_TRUE(qiro.pollRunning);
        Run(&GetChangeThreadProc, 6);
    };
    Run(&GetChangeThreadProc, 6);
    EXPECT_THAT(CallLog(), ElementsAre("qiro.PollDeviceChanges"));

    // The poll ended (its read failed): the mark is gone and the next
    // request after a successful read polls again.
    EXPECT_FALSE(qiro.pollRunning);
    qiro.onPoll = nullptr;
    Run(&GetChangeThreadProc, 6);
    EXPECT_THAT(CallLog(), ElementsAre("qiro.PollDeviceChanges", "qiro.PollDeviceChanges"));
}

TEST_F(Workers, AllChipsPollTheConnectedNolxMiceInOrder)
{
    ConnectAll();
    mesk.connected = 0;
    Run(&GetChangeThreadProc, 0);
    EXPECT_THAT(CallLog(), ElementsAre("dolv.PollDeviceChanges", "qiro.PollDeviceChanges"));
}

TEST_F(Workers, APluggedInQiroIsReadAndReportedWith1007)
{
    qiro.readSucceeds = true;
    EXPECT_THAT(Run(&DeviceChangeThreadProc, 0),
                ElementsAre(Message{1001, 20}, Message{1007, 98}, Message{1002, 100}));
    EXPECT_EQ(qiro.connected, 1);
    for (int family = 0; family < kDeviceFamilyCount; ++family)
        EXPECT_EQ(Opens().calls[family], 0);
}

TEST_F(Workers, EachFamilyReportsItsOwnReadMessage)
{
    const Message expected[] = {{1003, 50}, {1004, 90}, {1008, 90}, {1005, 90}, {1006, 95}, {1007, 98}};
    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        ConnectAll();
        Page(family).connected = 0;
        Page(family).readSucceeds = true;
        EXPECT_THAT(Run(&DeviceChangeThreadProc, 0),
                    ElementsAre(Message{1001, 20}, expected[family], Message{1002, 100}))
            << family;
        Page(family).readSucceeds = false;
    }
}

TEST_F(Workers, AConnectedControllerThatCannotBeOpenedReportsItsConnectError)
{
    const Message expected[] = {{2000, 50}, {2001, 90}, {2005, 90}, {2002, 90}, {2003, 95}, {2004, 90}};
    ConnectAll();
    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        Opens() = {};
        Opens().result[family] = -1;
        EXPECT_THAT(Run(&DeviceChangeThreadProc, 0),
                    ElementsAre(Message{1001, 20}, expected[family], Message{1002, 100}))
            << family;
    }
    // The Kelvo libraries answer 1 for a mouse they did not find.
    for (int family : {1, 2}) {
        Opens() = {};
        Opens().result[family] = 1;
        EXPECT_THAT(Run(&DeviceChangeThreadProc, 0),
                    ElementsAre(Message{1001, 20}, expected[family], Message{1002, 100}))
            << family;
    }
    // Still present: only start and end, and no page is read again.
    Opens() = {};
    CallLog().clear();
    EXPECT_THAT(Run(&DeviceChangeThreadProc, 0), ElementsAre(Message{1001, 20}, Message{1002, 100}));
    EXPECT_THAT(CallLog(), IsEmpty());
}

TEST_F(Workers, OpenExportsGetTheSharedIdsAndTheNolxOpenFlag)
{
    ConnectAll();
    Run(&DeviceChangeThreadProc, 0);
    const int products[] = {device_ids::kWenkProduct, device_ids::kKelvoProduct, device_ids::kKelvoProduct,
                            device_ids::kNolxProduct, device_ids::kNolxProduct, device_ids::kNolxProduct};
    const int flags[] = {-1, -1, -1, 0x11, 0x22, 0x33};
    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        EXPECT_EQ(Opens().calls[family], 1) << family;
        EXPECT_EQ(Opens().vendor[family], device_ids::kVendor);
        EXPECT_EQ(Opens().product[family], products[family]);
        EXPECT_EQ(Opens().openFlag[family], flags[family]);
    }
}

TEST_F(Workers, AnUnboundOpenExportCountsAsAFailedOpen)
{
    DeviceLibraryBinder unbound(std::make_unique<FolderModuleLoader>(L"C:\\no such folder\\"));
    environment.binder = &unbound;
    qiro.connected = 1;
    EXPECT_THAT(Run(&DeviceChangeThreadProc, 6),
                ElementsAre(Message{1001, 20}, Message{2004, 90}, Message{1002, 100}));
}

}  // namespace
