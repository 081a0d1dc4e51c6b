#pragma once
// Stand-ins for the main window's neighbours: pages that log what the workers
// ask of them, launchers that run workers at once or not at all, a binder
// whose open exports answer as scripted, and a window that collects the
// messages posted to it.

#include "app/core/binder/device_binder.h"
#include "app/main/frame/worker_launcher.h"
#include "app/main/pages/device_page.h"
#include "ui/core/container.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace frame_test {

// Calls in order, "<page>.<operation>" (RunDeviceCommand with its argument).
std::vector<std::string>& CallLog();

template <class Interface>
class FakePageBase : public SkinUI::CContainerUI, public Interface {
public:
    explicit FakePageBase(std::string name) : name_(std::move(name)) {}

    bool ConnectAndRead() override
    {
        CallLog().push_back(name_ + ".ConnectAndRead");
        if (onRead)
            onRead();
        if (readSucceeds)
            connected = 1;
        return readSucceeds;
    }
    int ConnectedFlag() const override { return connected; }

    int connected = 0;
    bool readSucceeds = false;
    std::function<void()> onRead;

protected:
    std::string name_;
};

class FakeKeyboardPage : public FakePageBase<IKeyboardPage> {
public:
    FakeKeyboardPage() : FakePageBase("keyboard") {}
    bool WriteAllSettings() override
    {
        CallLog().push_back(name_ + ".WriteAllSettings");
        return true;
    }
};

class FakeMousePage : public FakePageBase<IMousePage> {
public:
    explicit FakeMousePage(std::string name) : FakePageBase(std::move(name)) {}
    bool RunDeviceCommand(int command) override
    {
        CallLog().push_back(name_ + ".RunDeviceCommand(" + std::to_string(command) + ")");
        return true;
    }
};

class FakePolledPage : public FakePageBase<IPolledMousePage> {
public:
    explicit FakePolledPage(std::string name, uint8_t flag = 0)
        : FakePageBase(std::move(name)), openFlag(flag)
    {
    }
    bool RunDeviceCommand(int command) override
    {
        CallLog().push_back(name_ + ".RunDeviceCommand(" + std::to_string(command) + ")");
        return writeSucceeds;
    }
    uint8_t OpenFlag() const override { return openFlag; }
    void PollDeviceChanges() override
    {
        CallLog().push_back(name_ + ".PollDeviceChanges");
        // A copy: the page may go while the poll is blocked in it.
        const std::function<void()> poll = onPoll;
        if (poll)
            poll();
    }

    uint8_t openFlag;
    bool writeSucceeds = true;
    std::function<void()> onPoll;
};

// Runs each worker on the calling thread before Launch returns.
class SynchronousLauncher : public IWorkerLauncher {
public:
    bool Launch(WorkerProc proc, WorkerParams* params) override
    {
        ++launched;
        proc(params);
        return true;
    }
    bool JoinAll(DWORD) override { return true; }
    int launched = 0;
};

// Starts nothing, as when no thread can be created.
class FailingLauncher : public IWorkerLauncher {
public:
    bool Launch(WorkerProc, WorkerParams*) override { return false; }
    bool JoinAll(DWORD) override { return true; }
};

// The result each family's open export gives, indexed as kDeviceFamilies;
// the last vendor id, product id and open flag each received.
struct OpenScript {
    int result[6] = {0, 0, 0, 0, 0, 0};
    int calls[6] = {};
    int vendor[6] = {};
    int product[6] = {};
    int openFlag[6] = {};
};
OpenScript& Opens();

// A binder over libraries that export only their open functions.
std::unique_ptr<DeviceLibraryBinder> MakeOpenOnlyBinder();

// A message-only window that keeps every message posted to it.
class MessageSink {
public:
    MessageSink();
    ~MessageSink();
    HWND hwnd() const { return hwnd_; }
    // The messages waiting in the queue, as (message, lParam), removed.
    std::vector<std::pair<UINT, LPARAM>> Take();

private:
    HWND hwnd_ = nullptr;
};

}  // namespace frame_test
