#pragma once
// The program's one top-level window: it builds the main layout with the
// device pages, shows the language menu, opens the progress window at start
// and is the hub between the pages and the device workers.

#include "app/main/frame/page_tags.h"
#include "app/main/frame/pending_jobs.h"
#include "app/main/frame/ui_dispatcher_window.h"
#include "app/main/frame/worker_launcher.h"
#include "app/main/frame/workers.h"
#include "app/windows/page_services_impl.h"
#include "app/windows/read_progress.h"
#include "ui/core/window_impl_base.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

// What the main window is made of; the program uses ProgramSetup(), tests
// put fakes in.
struct MainFrameSetup {
    std::vector<PageTag> pageTags;
    std::unique_ptr<IWorkerLauncher> launcher;
    WorkerEnvironment environment;
    // Null: the program's own.
    IMessageBoxPresenter* messages = nullptr;
    IFileChooser* files = nullptr;
    IWebLauncher* web = nullptr;
    // Ends the process with the exit status: 3 when a request worker
    // outlasts the close's wait (a library call that never returns), 0 when
    // the session ends while modal loops run. Null: 0 as a normal exit ends
    // it, any other status at once, with no clean-up.
    std::function<void(UINT exitStatus)> endProcess;
};

// The program's pages, worker threads, device binder and pointer settings.
MainFrameSetup ProgramSetup();

class MainFrame : public SkinUI::WindowImplBase {
public:
    MainFrame();
    explicit MainFrame(MainFrameSetup setup);
    ~MainFrame() override;

    void Notify(SkinUI::NotifyRecordUI& record) override;
    SkinUI::CControlUI* CreateControl(const wchar_t* tag) override;

    // Reads the language file and lays the window out again.
    void LoadLanguage(const wchar_t* fileName);
    // Starts a worker for the pages of the chip index; opens the progress
    // window first when asked and none is open.
    void StartWorker(int chip, WorkerProc proc, int argument, bool opensProgress = true);

    bool IsProgressOpen() const { return progress_ != nullptr; }
    HWND ProgressWindow() const { return progress_; }
    const DevicePages& Pages() const { return pages_; }
    const PageServices& Services() const { return services_; }

protected:
    const wchar_t* GetWindowClassName() const override;
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed(HWND formerWindow) override;
    void InitWindow() override;
    SkinUI::CUIString GetSkinFolder() override;
    SkinUI::CUIString GetSkinFile() override;

private:
    void OnClickOf(const SkinUI::CUIString& name);
    void OnItemSelect(const SkinUI::CUIString& name);
    void SwitchLanguageFromMenu(int item);
    int LanguageItemCount();
    void SendWindowNotification(const wchar_t* type);
    // A close was asked: no further device work starts, kept jobs included.
    // The window may take seconds to go; the call under way ends meanwhile.
    void StopDeviceWork();
    // At a log-off or shutdown the window goes before the message returns.
    void EndSession();
    // A write job of the family failed: one box names its controller while
    // later failures of the same family wait behind it unsaid.
    void SayWriteFailed(int family);
    // The program's windows take no input while a progress window is open.
    void OpenProgress();
    // Forgets the open progress window, if any, which closes on the message,
    // and starts the oldest kept job: with no progress window shown (none
    // could be made) a finished job is the only sign that the next may run.
    void CloseProgress(WPARAM wParam, LPARAM lParam);
    // Starts the job now, or keeps it until the progress window closes.
    void StartOrKeep(const PendingJob& job);

    HWND progress_ = nullptr;
    // The windows the open progress window holds disabled.
    std::vector<HWND> heldWindows_;
    // Started workers that will post 1002 and have not yet.
    int reportingWorkers_ = 0;
    PendingJobs pending_;
    DevicePages pages_;
    std::vector<PageTag> pageTags_;
    std::unique_ptr<IWorkerLauncher> launcher_;
    WorkerEnvironment environment_;
    WindowUiDispatcher dispatcher_;
    WarrningMessagePresenter ownMessages_;
    ConfigFileChooser ownFiles_;
    ShellWebLauncher ownWeb_;
    PageServices services_;
    std::function<void(UINT)> endProcess_;
    std::array<bool, kDeviceFamilyCount> sayingWriteFailed_{};
};
