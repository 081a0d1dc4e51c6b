#include <gtest/gtest.h>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "tests/ui/support/recording_receiver.h"

using SkinUI::CWindowManagerUI;
using SkinUI::NotifyRecordUI;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::TestPanel;

namespace {

constexpr UINT kAsyncMessage = WM_APP + 1;

class Notifications : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel(L"root");
        child = new RecordingControl(L"child");
        root->AddChild(child, RECT{0, 0, 50, 50});
        host.manager().AttachRoot(root);
        host.manager().AddNotifyReceiver(&receiver);
        root->SetPosition(RECT{0, 0, 200, 150});
    }
    void TearDown() override { host.manager().RemoveNotifyReceiver(&receiver); }

    // Takes the posted async messages off the queue, dispatching each.
    int DispatchAsyncMessages()
    {
        int count = 0;
        MSG msg;
        while (PeekMessageW(&msg, host.hwnd(), kAsyncMessage, kAsyncMessage, PM_REMOVE)) {
            ++count;
            DispatchMessageW(&msg);
        }
        return count;
    }

    HostWindow host;
    RecordingReceiver receiver;
    TestPanel* root = nullptr;
    RecordingControl* child = nullptr;
};

TEST_F(Notifications, SynchronousReachReceiversAtOnceInOrder)
{
    RecordingReceiver second;
    host.manager().AddNotifyReceiver(&second);
    receiver.onNotify = [&](NotifyRecordUI&) { EXPECT_TRUE(second.records.empty()); };
    host.manager().SendNotification(child, L"click", 1, 2);
    ASSERT_EQ(1u, receiver.records.size());
    ASSERT_EQ(1u, second.records.size());
    EXPECT_EQ(child, receiver.records[0].sender);
    EXPECT_EQ(1u, receiver.records[0].wParam);
    EXPECT_EQ(2, receiver.records[0].lParam);
    EXPECT_FALSE(host.manager().AddNotifyReceiver(nullptr));
    EXPECT_TRUE(host.manager().RemoveNotifyReceiver(&second));
    EXPECT_FALSE(host.manager().RemoveNotifyReceiver(&second));
}

TEST_F(Notifications, AsyncNotificationsShareOnePostedMessage)
{
    for (int i = 0; i < 3; ++i)
        host.manager().SendNotification(nullptr, L"WRITE_QiroDATA", i, 10 + i, true);
    EXPECT_TRUE(receiver.records.empty());
    EXPECT_EQ(1, DispatchAsyncMessages());
    ASSERT_EQ(3u, receiver.records.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<WPARAM>(i), receiver.records[i].wParam);
        EXPECT_EQ(nullptr, receiver.records[i].sender);
    }
    EXPECT_EQ(0, DispatchAsyncMessages());
}

TEST_F(Notifications, WithoutRepeatsTheQueuedRecordIsUpdated)
{
    host.manager().SendNotification(nullptr, L"WRITE_QiroDATA", 1, 1, true, false);
    host.manager().SendNotification(nullptr, L"GET_CHANGE_QiroDATA", 5, 5, true, false);
    host.manager().SendNotification(nullptr, L"WRITE_QiroDATA", 2, 2, true, false);
    host.manager().SendNotification(nullptr, L"WRITE_QiroDATA", 3, 4, true, false);
    EXPECT_EQ(1, DispatchAsyncMessages());
    ASSERT_EQ(2u, receiver.records.size());
    EXPECT_STREQ(L"WRITE_QiroDATA", receiver.records[0].type);
    EXPECT_EQ(3u, receiver.records[0].wParam);
    EXPECT_EQ(4, receiver.records[0].lParam);
}

TEST_F(Notifications, QueuedDuringDeliveryArrivesInTheSameDrain)
{
    receiver.onNotify = [&](NotifyRecordUI& record) {
        if (record.type == L"first")
            host.manager().SendNotification(nullptr, L"second", 0, 0, true);
    };
    host.manager().SendNotification(nullptr, L"first", 0, 0, true);
    DispatchAsyncMessages();
    EXPECT_EQ((std::vector<std::wstring>{L"first", L"second"}), receiver.Types());
    DispatchAsyncMessages();
    EXPECT_EQ(2u, receiver.records.size());
}

TEST_F(Notifications, ADestroyedSenderArrivesAsNoSender)
{
    RecordingControl* cover = new RecordingControl(L"cover");
    child->SetCover(cover);
    host.manager().SendNotification(cover, L"late", 0, 0, true);
    child->SetCover(nullptr);
    DispatchAsyncMessages();
    ASSERT_EQ(1u, receiver.records.size());
    EXPECT_EQ(nullptr, receiver.records[0].sender);
}

TEST_F(Notifications, ANewRootDropsQueuedNotificationsAndFreesTheOldTreeLater)
{
    host.manager().SendNotification(nullptr, L"stale", 0, 0, true);
    struct DestroyWatch {
        bool OnDestroy(void*) { return destroyed = true; }
        bool destroyed = false;
    } watch;
    root->OnDestroy.AddDelegate(SkinUI::MakeDelegate(&watch, &DestroyWatch::OnDestroy));

    TestPanel* next = new TestPanel(L"next");
    host.manager().AttachRoot(next);
    EXPECT_FALSE(watch.destroyed);
    EXPECT_EQ(nullptr, host.manager().FindControlByName(L"child"));
    EXPECT_EQ(next, host.manager().FindControlByName(L"next"));
    DispatchAsyncMessages();
    EXPECT_TRUE(watch.destroyed);
    EXPECT_TRUE(receiver.records.empty());
}

TEST_F(Notifications, DelayedCleanupForgetsTheControlFirst)
{
    host.manager().SetFocusControl(child, false);
    ASSERT_TRUE(host.manager().StartTimer(child, 1, 1000));
    host.manager().AddMouseLeaveListener(child);
    host.manager().AddOptionToGroup(L"g", child);
    HWND native = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(host.manager().AddNativeWindow(child, native));

    root->ReleaseChild(child);
    host.manager().AddDelayedCleanup(child);
    EXPECT_EQ(nullptr, host.manager().GetFocusControl());
    EXPECT_FALSE(host.manager().StopTimer(child, 1));
    EXPECT_FALSE(host.manager().RemoveMouseLeaveListener(child));
    EXPECT_EQ(nullptr, host.manager().GetOptionGroup(L"g"));
    EXPECT_FALSE(host.manager().RemoveNativeWindow(native));
    EXPECT_EQ(nullptr, host.manager().FindControlByName(L"child"));
    EXPECT_EQ(nullptr, child->GetManager());
    DispatchAsyncMessages();
    DestroyWindow(native);
}

}  // namespace
