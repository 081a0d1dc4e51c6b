// The main window over a test skin and fake pages: start-up read behind the
// progress window, request routing against the open progress window, device
// changes, the language switches, the hand-over lock and teardown.
#include "app/core/binder/device_binder.h"
#include "app/core/settings/settings_containers.h"
#include "app/main/frame/main_frame.h"
#include "tests/app/frame/frame_fakes.h"
#include "tests/app/frame/test_skin.h"
#include "tests/app/support/recording_messages.h"
#include "tests/program/support/window_input.h"
#include "tests/ui/support/recording_receiver.h"
#include "ui/controls/combo.h"
#include "ui/core/tab_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <cwchar>
#include <iterator>
#include <utility>

using frame_test::CallLog;
using program_test::PumpUntil;
using program_test::Settle;
using testing::Contains;
using testing::ElementsAre;
using testing::Not;

namespace {

// The fakes the test skin's tags make; the latest of each kind.
class QiroPage : public frame_test::FakePolledPage {
public:
    explicit QiroPage(const PageServices& s) : FakePolledPage("qiro", 0x33), services(s) { latest = this; }
    ~QiroPage() override
    {
        CallLog().push_back(pollRunning ? "qiro deleted while polled" : "qiro deleted");
        latest = nullptr;
    }
    PageServices services;
    static QiroPage* latest;
};
QiroPage* QiroPage::latest = nullptr;

class KeyboardPage : public frame_test::FakeKeyboardPage {
public:
    explicit KeyboardPage(const PageServices&) { latest = this; }
    ~KeyboardPage() override { latest = nullptr; }
    static KeyboardPage* latest;
};
KeyboardPage* KeyboardPage::latest = nullptr;

// Keeps the workers it is given until the test runs them.
class HeldLauncher : public IWorkerLauncher {
public:
    bool Launch(WorkerProc proc, WorkerParams* params) override
    {
        held.emplace_back(proc, params);
        return true;
    }
    // Held workers stand for workers still running.
    bool JoinAll(DWORD) override { return held.empty(); }
    void RunAll()
    {
        auto workers = std::move(held);
        held.clear();
        for (auto& worker : workers)
            worker.first(worker.second);
    }
    std::vector<std::pair<WorkerProc, WorkerParams*>> held;
};

// The writes in the call log, in order.
std::vector<std::string> Writes()
{
    std::vector<std::string> writes;
    std::copy_if(CallLog().begin(), CallLog().end(), std::back_inserter(writes), [](const std::string& call) {
        return call.find("RunDeviceCommand") != std::string::npos || call.find("Write") != std::string::npos;
    });
    return writes;
}

// While it lives, no progress window can be made on this thread.
class ProgressWindowsRefused {
public:
    ProgressWindowsRefused() : hook_(SetWindowsHookExW(WH_CBT, &Refuse, nullptr, GetCurrentThreadId())) {}
    ~ProgressWindowsRefused() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        wchar_t name[32] = {};
        if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32) > 0 &&
            wcscmp(name, L"ReadProgress") == 0)
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

std::wstring Title(HWND window)
{
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override
    {
        CallLog().clear();
        AppRunning = 1;
    }
    void TearDown() override
    {
        if (frame_ != nullptr && IsWindow(hwnd_)) {
            frame_->GetManager().RemoveNotifyReceiver(&received_);
            DestroyWindow(hwnd_);
        }
        AppRunning = 1;
    }

    MainFrame* Open(std::unique_ptr<IWorkerLauncher> launcher)
    {
        MainFrameSetup setup;
        setup.pageTags = {{L"MousePageQiro", &MakePage<QiroPage, &DevicePages::qiro>},
                          {L"KeyboardPage", &MakePage<KeyboardPage, &DevicePages::keyboard>}};
        setup.launcher = std::move(launcher);
        setup.messages = &boxes_;
        setup.environment.binder = binder_.get();
        setup.environment.readPointerSettings = [] { CallLog().push_back("pointer settings"); };
        setup.endProcess = [](UINT status) {
            CallLog().push_back(status != 0 ? "process ended, failing" : "process ended with status 0");
        };
        frame_ = new MainFrame(std::move(setup));
        hwnd_ = frame_->Create(nullptr, L"Vastemor", 0x10CF0000, 0x60000, 0, 0, 1310, 749);
        EXPECT_NE(hwnd_, nullptr);
        frame_->GetManager().AddNotifyReceiver(&received_);
        return frame_;
    }
    void Notify(const wchar_t* type, LPARAM lParam = 0, const wchar_t* sender = nullptr)
    {
        SkinUI::CControlUI* control = sender ? frame_->GetManager().FindControlByName(sender) : nullptr;
        frame_->GetManager().SendNotification(control, type, 0, lParam, false);
    }
    bool ProgressWindowShown() const
    {
        const HWND progress = FindWindowW(L"ReadProgress", nullptr);
        return progress != nullptr && IsWindowVisible(progress) && GetWindow(progress, GW_OWNER) == hwnd_;
    }
    bool ReadFinished()
    {
        return !frame_->IsProgressOpen() && received_.Count(L"Update_Profile") > 0;
    }

    frame_test::TestSkin skin_;
    std::unique_ptr<DeviceLibraryBinder> binder_ = frame_test::MakeOpenOnlyBinder();
    SkinUI::test::RecordingReceiver received_;
    RecordingMessages boxes_;
    MainFrame* frame_ = nullptr;
    HWND hwnd_ = nullptr;
};

TEST_F(MainWindow, StartUpReadsBehindTheProgressWindowWhichClosesAt1002)
{
    Open(std::make_unique<frame_test::SynchronousLauncher>());
    EXPECT_TRUE(frame_->IsProgressOpen());
    EXPECT_TRUE(ProgressWindowShown());
    ASSERT_NE(QiroPage::latest, nullptr);  // the tag matched without regard to case
    EXPECT_EQ(QiroPage::latest->services.owner, frame_);
    EXPECT_NE(QiroPage::latest->services.ui, nullptr);
    EXPECT_NE(QiroPage::latest->services.messages, nullptr);
    EXPECT_EQ(frame_->Pages().qiro, QiroPage::latest);
    EXPECT_EQ(frame_->Pages().keyboard, KeyboardPage::latest);

    bool progressDuringRead = false;
    QiroPage::latest->onRead = [&] { progressDuringRead = frame_->IsProgressOpen() && ProgressWindowShown(); };
    ASSERT_TRUE(PumpUntil([&] { return ReadFinished(); }));
    EXPECT_TRUE(progressDuringRead);
    EXPECT_THAT(CallLog(), ElementsAre("pointer settings", "keyboard.ConnectAndRead", "qiro.ConnectAndRead"));
    PumpUntil([&] { return FindWindowW(L"ReadProgress", nullptr) == nullptr; });
    EXPECT_EQ(FindWindowW(L"ReadProgress", nullptr), nullptr);
    EXPECT_EQ(Title(hwnd_), L"Title A");
}

TEST_F(MainWindow, WorkHandedOverByAWorkerRunsOnTheWindowsThreadBeforeItsEnd)
{
    const DWORD uiThread = GetCurrentThreadId();
    Open(std::make_unique<ThreadWorkerLauncher>());
    ASSERT_NE(QiroPage::latest, nullptr);
    std::atomic<DWORD> readThread{0};
    DWORD refreshThread = 0;
    int updatesBeforeRefresh = -1;
    QiroPage::latest->onRead = [&] {
        readThread = GetCurrentThreadId();
        QiroPage::latest->services.ui->Post([&] {
            refreshThread = GetCurrentThreadId();
            updatesBeforeRefresh = received_.Count(L"Update_Profile");
        });
    };
    ASSERT_TRUE(PumpUntil([&] { return ReadFinished(); }));
    EXPECT_NE(readThread.load(), uiThread);
    EXPECT_EQ(refreshThread, uiThread);
    EXPECT_EQ(updatesBeforeRefresh, 0);
}

// Runs the held workers, and the jobs that waited for their progress window,
// until no progress window is open.
void RunUntilIdle(HeldLauncher& launcher, MainFrame& frame)
{
    for (int round = 0; round < 10 && (frame.IsProgressOpen() || !launcher.held.empty()); ++round) {
        launcher.RunAll();
        PumpUntil([&] { return !launcher.held.empty() || !frame.IsProgressOpen(); });
    }
}

TEST_F(MainWindow, WritesWhileAProgressWindowIsOpenWaitForItOnePerKindAndTheWindowTakesNoInput)
{
    auto held = std::make_unique<HeldLauncher>();
    HeldLauncher* launcher = held.get();
    Open(std::move(held));
    ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); }));  // the start-up read
    EXPECT_FALSE(IsWindowEnabled(hwnd_));
    Notify(L"WRITE_QiroDATA", 5);
    Notify(L"WRITE_QiroDATA", 7);
    Notify(L"WRITE_QiroDATA", 5);
    Notify(L"WRITE_WenkDATA");
    EXPECT_EQ(launcher->held.size(), 1u);

    // A change poll never waits and opens no progress window of its own.
    Notify(L"GET_CHANGE_QiroDATA", 1);
    EXPECT_EQ(launcher->held.size(), 2u);
    RunUntilIdle(*launcher, *frame_);
    EXPECT_FALSE(frame_->IsProgressOpen());
    EXPECT_TRUE(IsWindowEnabled(hwnd_));
    EXPECT_THAT(Writes(), ElementsAre("qiro.RunDeviceCommand(5)", "qiro.RunDeviceCommand(7)",
                                      "keyboard.WriteAllSettings"));
    EXPECT_EQ(received_.Count(L"Update_Profile"), 4);

    Notify(L"GET_CHANGE_QiroDATA", 1);
    EXPECT_FALSE(frame_->IsProgressOpen());
    Notify(L"WRITE_QiroDATA", 5);
    EXPECT_TRUE(frame_->IsProgressOpen());
}

TEST_F(MainWindow, AFailedWriteReadsItsMouseAgainAndIsSaidOnceWhileItsBoxIsUp)
{
    auto held = std::make_unique<HeldLauncher>();
    HeldLauncher* launcher = held.get();
    Open(std::move(held));
    RunUntilIdle(*launcher, *frame_);
    QiroPage::latest->writeSucceeds = false;
    CallLog().clear();
    Notify(L"WRITE_QiroDATA", 7);
    // A write of the same mouse, kept while the first ran, fails as well.
    boxes_.whileShown = [&] {
        Notify(L"WRITE_QiroDATA", 8);
        RunUntilIdle(*launcher, *frame_);
    };
    RunUntilIdle(*launcher, *frame_);
    EXPECT_THAT(CallLog(), ElementsAre("qiro.RunDeviceCommand(7)", "qiro.ConnectAndRead",
                                       "qiro.RunDeviceCommand(8)", "qiro.ConnectAndRead"));
    EXPECT_EQ(boxes_.shown, std::vector<std::wstring>{L"%{316}\n%{317}"});

    Notify(L"WRITE_QiroDATA", 7);
    RunUntilIdle(*launcher, *frame_);
    EXPECT_EQ(boxes_.shown.size(), 2u) << "a failure after the box closed is said again";
}

TEST_F(MainWindow, KeptWritesRunInTurnWhenNoProgressWindowCanBeMadeForThem)
{
    auto held = std::make_unique<HeldLauncher>();
    HeldLauncher* launcher = held.get();
    Open(std::move(held));
    ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); }));
    Notify(L"WRITE_QiroDATA", 5);
    Notify(L"WRITE_QiroDATA", 7);
    const ProgressWindowsRefused refused;
    for (int job = 0; job < 2; ++job) {
        launcher->RunAll();
        ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); })) << "kept write " << job + 1;
        EXPECT_FALSE(frame_->IsProgressOpen());
    }
    launcher->RunAll();
    EXPECT_THAT(Writes(), ElementsAre("qiro.RunDeviceCommand(5)", "qiro.RunDeviceCommand(7)"));
}

TEST_F(MainWindow, DeviceChangesWhileAProgressWindowIsOpenAreHandledOnceItCloses)
{
    auto held = std::make_unique<HeldLauncher>();
    HeldLauncher* launcher = held.get();
    Open(std::move(held));
    ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); }));
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    EXPECT_EQ(launcher->held.size(), 1u);
    launcher->RunAll();
    ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); }));
    EXPECT_TRUE(frame_->IsProgressOpen());
    launcher->RunAll();
    ASSERT_TRUE(PumpUntil([&] { return ReadFinished() && received_.Count(L"Update_Profile") == 2; }));
    EXPECT_TRUE(launcher->held.empty());

    // A Qiro plugged in: read, reported as READ_QiroDATA, progress closed.
    QiroPage::latest->readSucceeds = true;
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    ASSERT_EQ(launcher->held.size(), 1u);
    EXPECT_TRUE(frame_->IsProgressOpen());
    launcher->RunAll();
    ASSERT_TRUE(PumpUntil([&] { return !frame_->IsProgressOpen(); }));
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"READ_QiroDATA") == 1; }));
    EXPECT_EQ(received_.Count(L"Update_Profile"), 3);

    // Unplugged: the open fails, Qiro_Connet_Error.
    frame_test::Opens() = {};
    frame_test::Opens().result[5] = -1;
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    launcher->RunAll();
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Qiro_Connet_Error") == 1; }));
}

TEST_F(MainWindow, AWorkerThatCannotStartLeavesNoProgressWindowOpen)
{
    Open(std::make_unique<frame_test::FailingLauncher>());
    ASSERT_TRUE(PumpUntil([&] { return !frame_->IsProgressOpen(); }));
    PumpUntil([&] { return FindWindowW(L"ReadProgress", nullptr) == nullptr; });
    EXPECT_EQ(FindWindowW(L"ReadProgress", nullptr), nullptr);
    Notify(L"WRITE_QiroDATA", 3);
    EXPECT_FALSE(frame_->IsProgressOpen());
    SendMessageW(hwnd_, WM_DEVICECHANGE, 7, 0);
    EXPECT_FALSE(frame_->IsProgressOpen());
}

TEST_F(MainWindow, ACaptionDoubleClickIsSwallowed)
{
    Open(std::make_unique<frame_test::SynchronousLauncher>());
    EXPECT_EQ(SendMessageW(hwnd_, WM_NCLBUTTONDBLCLK, HTCAPTION, 0), 0);
    Settle(50);
    EXPECT_FALSE(IsZoomed(hwnd_));
}

TEST_F(MainWindow, TheMenuSwitchesTextsAndFontsButNotTheTitle)
{
    Open(std::make_unique<frame_test::SynchronousLauncher>());
    ASSERT_TRUE(PumpUntil([&] { return ReadFinished(); }));
    SkinUI::CWindowManagerUI& manager = frame_->GetManager();
    EXPECT_THAT(LanguageFontMap, ElementsAre(std::pair<const int, int>{1, 2}, std::pair<const int, int>{2, 3}));

    Notify(L"click", 0, L"language_2");
    EXPECT_STREQ(SkinUI::CWindowManagerUI::GetLanguageText(1), L"one B");
    EXPECT_STREQ(SkinUI::CWindowManagerUI::GetLanguageText(2), L"two A");  // B does not define it
    EXPECT_EQ(manager.GetDefaultFontRecord()->faceName, L"Microsoft YaHei");
    EXPECT_EQ(manager.GetFontRecord(0)->faceName, L"Microsoft YaHei");
    EXPECT_EQ(manager.GetFontRecord(1)->faceName, L"Microsoft YaHei");
    EXPECT_EQ(manager.GetFontRecord(1)->size, 16);
    EXPECT_TRUE(manager.GetFontRecord(1)->bold);
    EXPECT_EQ(manager.GetFontRecord(2)->faceName, L"Segoe UI");  // the English item keeps its face
    ASSERT_TRUE(PumpUntil([&] { return received_.Count(L"Change_Language_Profile") == 1; }));
    EXPECT_EQ(Title(hwnd_), L"Title A");

    // The combo loads the language only.
    auto* combo = static_cast<SkinUI::CComboUI*>(manager.FindControlByName(L"language_combo"));
    combo->SelectItem(0, false, true);
    EXPECT_STREQ(SkinUI::CWindowManagerUI::GetLanguageText(1), L"one A");
    EXPECT_EQ(manager.GetFontRecord(0)->faceName, L"Microsoft YaHei");
    Settle(50);
    EXPECT_EQ(received_.Count(L"Change_Language_Profile"), 1);
}

TEST_F(MainWindow, TheDeviceComboShowsThePageOfItsSelection)
{
    Open(std::make_unique<frame_test::SynchronousLauncher>());
    SkinUI::CWindowManagerUI& manager = frame_->GetManager();
    auto* tabs = static_cast<SkinUI::CTabLayoutUI*>(manager.FindControlByName(L"tab_switch"));
    auto* combo = static_cast<SkinUI::CComboUI*>(manager.FindControlByName(L"device_combo"));
    combo->SelectItem(1, false, true);
    EXPECT_EQ(tabs->GetSelectedIndex(), 1);
    combo->SelectItem(0, false, true);
    EXPECT_EQ(tabs->GetSelectedIndex(), 0);
}

TEST_F(MainWindow, AUiEditDuringAReadWaitsForTheWholeReadOfTheFamily)
{
    // The worker's read rewrites the Qiro DPI records level by level while it
    // holds the family lock; the user-interface thread edits them while the
    // read runs, taking the same lock.
    std::atomic<bool> reading{false};
    std::atomic<int> tornReads{0};
    constexpr int kGenerations = 30;
    Open(std::make_unique<ThreadWorkerLauncher>());
    QiroPage::latest->onRead = [&] {
        const auto guard = DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Qiro);
        reading = true;
        for (int generation = 1; generation <= kGenerations; ++generation) {
            QiroCpiLevels.clear();
            for (int level = 0; level < 7; ++level) {
                auto entry = std::make_unique<CpiLevelEntry>();
                entry->value = generation;
                QiroCpiLevels.push_back(std::move(entry));
                Sleep(1);
            }
            for (const auto& entry : QiroCpiLevels)
                tornReads += entry->value != generation ? 1 : 0;
        }
        reading = false;
    };
    bool edited = false;
    bool editSawFinishedRead = false;
    ASSERT_TRUE(PumpUntil([&] {
        if (reading && !edited) {
            const auto guard = DeviceLibraryBinder::Instance().LockLibrary(DeviceLibrary::Qiro);
            editSawFinishedRead = !reading && QiroCpiLevels.size() == 7;
            for (auto& entry : QiroCpiLevels) {
                editSawFinishedRead = editSawFinishedRead && entry->value == kGenerations;
                entry->value = 1000;
            }
            edited = true;
        }
        return ReadFinished();
    }, 10000));
    EXPECT_TRUE(edited);
    EXPECT_TRUE(editSawFinishedRead);
    EXPECT_EQ(tornReads, 0);
    for (const auto& entry : QiroCpiLevels)
        EXPECT_EQ(entry->value, 1000);
    QiroCpiLevels.clear();
}

TEST_F(MainWindow, ClosingWhileAPollIsBlockedNeitherWaitsForItNorLetsItTouchThePage)
{
    Open(std::make_unique<ThreadWorkerLauncher>());
    ASSERT_TRUE(PumpUntil([&] { return ReadFinished(); }));
    QiroPage::latest->connected = 1;
    // Outlive the page and the test body: the poll thread ends after both.
    static std::atomic<bool> polling, pollEnded;
    static HANDLE readReturns = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    polling = pollEnded = false;
    ResetEvent(readReturns);
    QiroPage* page = QiroPage::latest;
    page->onPoll = [page] {
        polling = true;
        WaitForSingleObject(readReturns, INFINITE);  // a read blocked until the mouse reports
        const std::shared_lock<std::shared_mutex> alive(PollPagesGuard);
        if (AppRunning.load())
            page->connected = 0;
        pollEnded = true;
    };
    Notify(L"GET_CHANGE_QiroDATA", 1);
    ASSERT_TRUE(PumpUntil([&] { return polling.load(); }));

    const ULONGLONG start = GetTickCount64();
    frame_->GetManager().RemoveNotifyReceiver(&received_);
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd_));
    EXPECT_LT(GetTickCount64() - start, 1000u);
    EXPECT_EQ(AppRunning.load(), 0);
    EXPECT_THAT(CallLog(), Contains("qiro deleted while polled"));

    // The read returns after the page went: the poll ends without it.
    SetEvent(readReturns);
    const ULONGLONG end = GetTickCount64() + 2000;
    while (!pollEnded && GetTickCount64() < end)
        Sleep(5);
    EXPECT_TRUE(pollEnded.load());
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    frame_ = nullptr;
}

// A close, and a session that ends (the window goes before the message
// returns, since the process ends then).
TEST_F(MainWindow, AWorkerStillRunningWhenTheClosesWaitEndsEndsTheProcessWithAFailureAndKeepsThePages)
{
    for (const UINT closing : {UINT{WM_CLOSE}, UINT{WM_ENDSESSION}}) {
        CallLog().clear();
        auto held = std::make_unique<HeldLauncher>();
        HeldLauncher* launcher = held.get();
        Open(std::move(held));
        ASSERT_TRUE(PumpUntil([&] { return !launcher->held.empty(); }));
        frame_->GetManager().RemoveNotifyReceiver(&received_);
        SendMessageW(hwnd_, closing, TRUE, 0);
        EXPECT_FALSE(IsWindow(hwnd_)) << closing;
        EXPECT_THAT(CallLog(), Contains("process ended, failing")) << closing;
        EXPECT_THAT(CallLog(), Not(Contains("qiro deleted"))) << closing;
        frame_ = nullptr;
        AppRunning = 1;
    }
}

class MainWindowWithoutLanguages : public MainWindow {
protected:
    frame_test::TestSkin bareSkin_{false};
};

TEST_F(MainWindowWithoutLanguages, KeepsItsTitleAndReadsNoLanguage)
{
    Open(std::make_unique<frame_test::SynchronousLauncher>());
    EXPECT_EQ(Title(hwnd_), L"Vastemor");
    EXPECT_EQ(SkinUI::CWindowManagerUI::GetLanguageText(88), nullptr);
}

}  // namespace
