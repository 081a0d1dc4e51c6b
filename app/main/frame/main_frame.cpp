#include "app/main/frame/main_frame.h"

#include "app/core/binder/device_binder.h"
#include "app/core/files/file_paths.h"
#include "app/core/pointer/pointer_settings.h"
#include "app/core/settings/constants.h"
#include "app/core/settings/settings_containers.h"
#include "app/main/frame/close_wait.h"
#include "app/main/frame/request_routes.h"
#include "app/main/pages/device_page.h"
#include "ui/core/modal_loops.h"
#include "ui/core/window_disable.h"

#include <cwchar>
#include <utility>

using SkinUI::CControlUI;
using SkinUI::CUIString;
using SkinUI::NotifyRecordUI;

namespace {

constexpr UINT kCaptionDoubleClickMessage = WM_NCLBUTTONDBLCLK;
// The box of a failed write: the controller's name, then what the page shows.
constexpr int kWriteFailedReadAgainText = 317;
constexpr int kWriteFailedEditsKeptText = 318;

void SetMacroTempFolder()
{
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH)
        return;
    MacroTempFolder = CUIString(folder) + L"Korvane_MacroBin";
    EnsureDirectory(MacroTempFolder);
}

// A clean end lets the libraries close as at a normal exit; one under a call
// that outlasted the close's wait does not wait for that call's library.
void EndProgramProcess(UINT exitStatus)
{
    if (exitStatus == 0)
        ExitProcess(0);
    TerminateProcess(GetCurrentProcess(), exitStatus);
}

}  // namespace

MainFrameSetup ProgramSetup()
{
    MainFrameSetup setup;
    setup.pageTags = ProgramPageTags();
    setup.launcher = std::make_unique<ThreadWorkerLauncher>();
    setup.environment.binder = &DeviceLibraryBinder::Instance();
    setup.environment.readPointerSettings = [] { ReadPointerSettings(); };
    return setup;
}

MainFrame::MainFrame() : MainFrame(ProgramSetup()) {}

MainFrame::MainFrame(MainFrameSetup setup)
    : pageTags_(std::move(setup.pageTags)),
      launcher_(std::move(setup.launcher)),
      environment_(std::move(setup.environment))
{
    SetMacroTempFolder();
    services_.owner = this;
    services_.ui = &dispatcher_;
    services_.messages = setup.messages != nullptr ? setup.messages : &ownMessages_;
    services_.files = setup.files != nullptr ? setup.files : &ownFiles_;
    services_.web = setup.web != nullptr ? setup.web : &ownWeb_;
    endProcess_ = setup.endProcess ? std::move(setup.endProcess) : &EndProgramProcess;
}

MainFrame::~MainFrame()
{
    AppRunning = 0;
    PostQuitMessage(0);
}

const wchar_t* MainFrame::GetWindowClassName() const
{
    return L"Vastemor";
}

CUIString MainFrame::GetSkinFolder()
{
    return L"res\\Skin\\";
}

CUIString MainFrame::GetSkinFile()
{
    return L"XML\\main_frame.xml";
}

CControlUI* MainFrame::CreateControl(const wchar_t* tag)
{
    return MakePageForTag(pageTags_, tag, services_, pages_);
}

void MainFrame::OnDestroyed(HWND formerWindow)
{
    // No worker may touch the pages once they go: request workers are
    // waited for, and with the flag clear they start no further page
    // operation; a change poll blocked in its read is not, but once the flag
    // is clear it leaves the page alone (it ends with the process). A worker
    // stuck in a library call past the wait keeps the pages: the process
    // ends under it.
    StopDeviceWork();
    { const std::unique_lock<std::shared_mutex> noPollOnAPage(PollPagesGuard); }
    dispatcher_.Attach(nullptr);
    if (!launcher_->JoinAll(kCloseWaitMs)) {
        endProcess_(kUnfinishedCloseExitCode);
        return;
    }
    WindowImplBase::OnDestroyed(formerWindow);
    delete this;
}

void MainFrame::StopDeviceWork()
{
    AppRunning = 0;
}

void MainFrame::EndSession()
{
    // The session ends once this returns: the window goes now, and its close
    // waits for the call under way. Modal loops running beneath this message
    // would return into handlers of what went: the process ends here instead.
    StopDeviceWork();
    const bool underModalLoops = SkinUI::ModalLoopDepth() > 0;
    const std::function<void(UINT)> endProcess = endProcess_;
    DestroyWindow(m_hwnd);
    if (underModalLoops)
        endProcess(0);
}

void MainFrame::StartWorker(int chip, WorkerProc proc, int argument, bool opensProgress)
{
    if (!AppRunning.load())
        return;
    auto* params = new WorkerParams;
    params->mainWindow = m_hwnd;
    params->argument = argument;
    params->pages = SelectPages(pages_, chip);
    params->environment = &environment_;
    if (opensProgress && progress_ == nullptr)
        OpenProgress();
    if (launcher_->Launch(proc, params)) {
        if (proc != &GetChangeThreadProc)
            ++reportingWorkers_;
        return;
    }
    delete params;
    // No 1002 will come for it: unless another worker's will, nothing else
    // would close the progress window.
    if (reportingWorkers_ == 0)
        CloseProgress(0, kWorkerFinishedProgress);
}

void MainFrame::OpenProgress()
{
    ReadProgress* progress = OpenReadProgress(this);
    if (progress == nullptr)
        return;
    progress_ = progress->GetWindowHandle();
    heldWindows_ = SkinUI::HoldThreadWindowsDisabled(m_hwnd, progress_);
}

void MainFrame::CloseProgress(WPARAM wParam, LPARAM lParam)
{
    if (progress_ != nullptr) {
        PostMessageW(progress_, ReadProgress::kCloseMessage, wParam, lParam);
        progress_ = nullptr;
        SkinUI::ReleaseWindowsDisabled(std::exchange(heldWindows_, {}));
    }
    PendingJob next;
    if (pending_.TakeNext(&next))
        StartWorker(next.chip, ProcOfWorker(next.worker), next.argument);
}

void MainFrame::StartOrKeep(const PendingJob& job)
{
    if (progress_ != nullptr)
        pending_.Keep(job);
    else
        StartWorker(job.chip, ProcOfWorker(job.worker), job.argument);
}

void MainFrame::SendWindowNotification(const wchar_t* type)
{
    m_manager.SendNotification(nullptr, type, 0, 0, true, true);
}

LRESULT MainFrame::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // Before the layout makes the pages, which may hand work over at once.
        dispatcher_.Attach(m_hwnd);
        break;
    case kCaptionDoubleClickMessage:
        return 0;
    case WM_CLOSE:
        StopDeviceWork();
        // The handlers running modal loops belong to pages and windows that
        // go with this one: the loops end cancelled, then the close comes again.
        if (SkinUI::ModalLoopDepth() > 0) {
            SkinUI::EndModalLoops(m_hwnd, WM_CLOSE);
            return 0;
        }
        break;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            EndSession();
            return 0;
        }
        break;
    case kWriteFailedMessage:
        SayWriteFailed(static_cast<int>(wParam));
        return 0;
    case WM_DEVICECHANGE:
        StartOrKeep({ChipAll, WorkerKind::DeviceChange, 0});
        break;
    case kDispatchMessage:
        dispatcher_.RunNext();
        return 0;
    case kWorkerFinishedMessage:
        if (reportingWorkers_ > 0)
            --reportingWorkers_;
        CloseProgress(wParam, lParam);
        SendWindowNotification(UpdateProfileNotification);
        break;
    default:
        if (const wchar_t* notification = NotificationOfMessage(message))
            SendWindowNotification(notification);
        break;
    }
    return WindowImplBase::ProcessMessage(message, wParam, lParam);
}

void MainFrame::SayWriteFailed(int family)
{
    if (!AppRunning.load() || family < 0 || family >= kDeviceFamilyCount || sayingWriteFailed_[family])
        return;
    const DeviceFamily& f = kDeviceFamilies[family];
    CUIString text;
    text.Format(L"%%{%03d}\n%%{%03d}", f.nameText,
                f.readsAgainAfterFailedWrite ? kWriteFailedReadAgainText : kWriteFailedEditsKeptText);
    sayingWriteFailed_[family] = true;
    const HWND window = m_hwnd;
    services_.messages->Show(this, text);
    // A close during the box may have taken the window and this object.
    if (IsWindow(window))
        sayingWriteFailed_[family] = false;
}

void MainFrame::Notify(NotifyRecordUI& record)
{
    const CUIString name = record.sender != nullptr ? record.sender->GetName() : CUIString();
    if (_wcsicmp(record.type, L"click") == 0) {
        OnClickOf(name);
        return;
    }
    if (_wcsicmp(record.type, L"itemselect") == 0) {
        OnItemSelect(name);
        return;
    }
    RequestRoute route;
    if (!FindRequestRoute(record.type, &route))
        return;
    const int argument = static_cast<int>(record.lParam);
    if (route.waitsForProgress)
        StartOrKeep({route.chip, route.worker, argument});
    else
        StartWorker(route.chip, ProcOfWorker(route.worker), argument, route.opensProgress);
}

void MainFrame::OnClickOf(const CUIString& name)
{
    if (_wcsicmp(name, L"closebtn") == 0) {
        Close(1);
        return;
    }
    if (_wcsicmp(name, L"minbtn") == 0) {
        SendMessageW(m_hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    }
    const int count = LanguageItemCount();
    for (int item = 1; item <= count; ++item) {
        CUIString itemName;
        itemName.Format(L"language_%d", item);
        if (_wcsicmp(name, itemName) == 0) {
            SwitchLanguageFromMenu(item);
            return;
        }
    }
}
