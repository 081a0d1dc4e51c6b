#include <gtest/gtest.h>

#include "tests/ui/support/host_window.h"
#include "tests/ui/support/recording_control.h"
#include "tests/ui/support/recording_receiver.h"

using SkinUI::CControlUI;
using SkinUI::IRichEditKeysUI;
using SkinUI::NotifyRecordUI;
using SkinUI::test::HostWindow;
using SkinUI::test::RecordingControl;
using SkinUI::test::RecordingReceiver;
using SkinUI::test::TestPanel;

namespace {

// A rich edit that may keep Tab for itself.
class TabKeepingEdit : public RecordingControl, public IRichEditKeysUI {
public:
    TabKeepingEdit() : RecordingControl(L"edit")
    {
        className = L"RichEdit";
        behaviorFlags = SkinUI::kBehaviorTabStop;
    }
    void* GetInterfaceByName(const wchar_t* name) override
    {
        if (wcscmp(name, SkinUI::kRichEditKeysInterface) == 0)
            return static_cast<IRichEditKeysUI*>(this);
        return RecordingControl::GetInterfaceByName(name);
    }
    bool IsWantTab() const override { return wantTab; }
    bool IsWantReturn() const override { return false; }
    bool wantTab = true;
};

class Focus : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel;
        for (int i = 0; i < 3; ++i) {
            stops[i] = new RecordingControl(i == 0 ? L"t0" : i == 1 ? L"t1" : L"t2");
            stops[i]->behaviorFlags = SkinUI::kBehaviorTabStop;
            root->AddChild(stops[i], RECT{i * 40, 0, i * 40 + 30, 30});
            if (i == 0)
                root->AddChild(new RecordingControl(L"plain"), RECT{0, 40, 30, 70});
        }
        host.manager().AttachRoot(root);
        host.manager().AddNotifyReceiver(&receiver);
        host.ShowAndPaint();
    }
    void TearDown() override { host.manager().RemoveNotifyReceiver(&receiver); }

    bool PressTab(bool shift = false)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        BYTE saved[3] = {keys[VK_SHIFT], keys[VK_LSHIFT], keys[VK_RSHIFT]};
        keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg = {host.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        const bool taken = SkinUI::CWindowManagerUI::PreTranslateMessage(&msg);
        keys[VK_SHIFT] = saved[0];
        keys[VK_LSHIFT] = saved[1];
        keys[VK_RSHIFT] = saved[2];
        SetKeyboardState(keys);
        return taken;
    }
    CControlUI* Focused() { return host.manager().GetFocusControl(); }

    HostWindow host;
    RecordingReceiver receiver;
    TestPanel* root = nullptr;
    RecordingControl* stops[3] = {};
};

TEST_F(Focus, FirstPaintFocusesTheFirstTabStop)
{
    EXPECT_EQ(stops[0], Focused());
    EXPECT_TRUE(stops[0]->IsFocused());
    EXPECT_EQ(1, receiver.Count(L"setfocus"));
}

TEST_F(Focus, TabWrapsForwardAndShiftTabBackward)
{
    receiver.records.clear();
    EXPECT_TRUE(PressTab());
    EXPECT_EQ(stops[1], Focused());
    EXPECT_EQ((std::vector<std::wstring>{L"killfocus", L"setfocus"}), receiver.Types());
    EXPECT_EQ(stops[0], receiver.records[0].sender);
    EXPECT_EQ(stops[1], receiver.records[1].sender);
    PressTab();
    PressTab();
    EXPECT_EQ(stops[0], Focused());

    EXPECT_TRUE(PressTab(true));
    EXPECT_EQ(stops[2], Focused());
    PressTab(true);
    EXPECT_EQ(stops[1], Focused());

    // While a layout is pending the Tab waits for the next paint.
    stops[2]->SetVisible(false);
    PressTab();
    EXPECT_EQ(stops[1], Focused());
    UpdateWindow(host.hwnd());
    EXPECT_EQ(stops[0], Focused());
}

TEST_F(Focus, ARichEditThatWantsTabKeepsIt)
{
    TabKeepingEdit* edit = new TabKeepingEdit;
    root->AddChild(edit, RECT{130, 0, 160, 30});
    root->SetPosition(RECT{0, 0, 200, 150});
    edit->SetFocus();
    ASSERT_EQ(edit, Focused());
    EXPECT_FALSE(PressTab());
    EXPECT_EQ(edit, Focused());
    edit->wantTab = false;
    EXPECT_TRUE(PressTab());
    EXPECT_EQ(stops[0], Focused());
}

TEST_F(Focus, FocusingTheFocusedControlAgainSendsNothing)
{
    receiver.records.clear();
    host.manager().SetFocusControl(stops[0]);
    EXPECT_TRUE(receiver.records.empty());
    stops[1]->SetEnabled(false);
    host.manager().SetFocusControl(stops[1]);
    EXPECT_EQ(nullptr, Focused());
    EXPECT_EQ((std::vector<std::wstring>{L"killfocus"}), receiver.Types());
}

TEST_F(Focus, FocusFromTabOrderLandsAfterTheNextPaint)
{
    host.manager().SetFocusFromTabOrder(stops[2]);
    UpdateWindow(host.hwnd());
    EXPECT_EQ(stops[2], Focused());
    EXPECT_TRUE(stops[2]->IsFocused());
}

class Timers : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = new TestPanel;
        control = new RecordingControl(L"c");
        root->AddChild(control, RECT{0, 0, 10, 10});
        host.manager().AttachRoot(root);
        host.manager().AddNotifyReceiver(&receiver);
    }
    void TearDown() override { host.manager().RemoveNotifyReceiver(&receiver); }

    // The (sender, local id) of every "timer" notification so far.
    std::vector<std::pair<CControlUI*, WPARAM>> Ticks() const
    {
        std::vector<std::pair<CControlUI*, WPARAM>> ticks;
        for (const NotifyRecordUI& record : receiver.records)
            if (record.type == L"timer")
                ticks.push_back({record.sender, record.wParam});
        return ticks;
    }

    HostWindow host;
    RecordingReceiver receiver;
    TestPanel* root = nullptr;
    RecordingControl* control = nullptr;
};

TEST_F(Timers, LocalIdsMapToWindowTimers)
{
    ASSERT_TRUE(host.manager().StartTimer(control, 5, 100000));
    EXPECT_FALSE(host.manager().StartTimer(control, 5, 10));
    host.Send(WM_TIMER, 17);
    host.Send(WM_TIMER, 99);
    EXPECT_EQ((std::vector<std::pair<CControlUI*, WPARAM>>{{control, 5}}), Ticks());

    EXPECT_TRUE(host.manager().StopTimer(control, 5));
    EXPECT_FALSE(host.manager().StopTimer(control, 5));
    host.Send(WM_TIMER, 17);
    EXPECT_EQ(1u, Ticks().size());

    // A restart keeps the window timer id.
    ASSERT_TRUE(host.manager().StartTimer(control, 5, 100000));
    host.Send(WM_TIMER, 17);
    EXPECT_EQ(2u, Ticks().size());
    host.manager().StopControlTimers(control);
    host.Send(WM_TIMER, 17);
    EXPECT_EQ(2u, Ticks().size());
}

TEST_F(Timers, RealTicksArrive)
{
    ASSERT_TRUE(host.manager().StartTimer(control, 1, 10));
    for (int i = 0; i < 50 && Ticks().empty(); ++i)
        host.Pump(10);
    EXPECT_FALSE(Ticks().empty());
    host.manager().StopTimer(control, 1);
}

TEST_F(Timers, WrappedIdsSkipTimersStillHeld)
{
    RecordingControl* many = new RecordingControl(L"many");
    RecordingControl* late = new RecordingControl(L"late");
    root->AddChild(many, RECT{0, 0, 1, 1});
    root->AddChild(late, RECT{0, 0, 1, 1});
    ASSERT_TRUE(host.manager().StartTimer(control, 5, 100000));  // id 17
    for (UINT i = 0; i < 237; ++i)                                 // ids 18..254
        ASSERT_TRUE(host.manager().StartTimer(many, i, 100000));
    host.manager().StopControlTimers(many);
    for (UINT i = 0; i < 18; ++i)  // ids 0..16, then 18 since 17 still runs
        ASSERT_TRUE(host.manager().StartTimer(late, i, 100000));

    host.Send(WM_TIMER, 17);
    host.Send(WM_TIMER, 18);
    EXPECT_EQ((std::vector<std::pair<CControlUI*, WPARAM>>{{control, 5}, {late, 17}}), Ticks());
    host.manager().RemoveAllTimers();
}

}  // namespace
