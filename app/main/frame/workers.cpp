#include "app/main/frame/workers.h"

#include "app/core/binder/device_binder.h"

#include <memory>

namespace {

void Post(const WorkerParams& params, UINT message, LPARAM progress)
{
    PostMessageW(params.mainWindow, message, 0, progress);
}

std::unique_ptr<WorkerParams> TakeParams(void* block)
{
    return std::unique_ptr<WorkerParams>(static_cast<WorkerParams*>(block));
}

void PollOnce(IPolledMousePage* page)
{
    {
        const std::shared_lock<std::shared_mutex> alive(PollPagesGuard);
        if (!AppRunning.load() || page == nullptr || page->ConnectedFlag() != 1)
            return;
        if (page->pollRunning.exchange(true))
            return;
    }
    page->PollDeviceChanges();
    const std::shared_lock<std::shared_mutex> alive(PollPagesGuard);
    if (AppRunning.load())
        page->pollRunning = false;
}

// The keyboard's whole write or the mouse's command; true when it reached the
// controller.
bool Write(IDevicePage* page, int command)
{
    if (auto* keyboard = dynamic_cast<IKeyboardPage*>(page))
        return keyboard->WriteAllSettings();
    if (auto* mouse = dynamic_cast<IMousePage*>(page))
        return mouse->RunDeviceCommand(command);
    return true;
}

}  // namespace

unsigned __stdcall ReadAllThreadProc(void* block)
{
    const std::unique_ptr<WorkerParams> params = TakeParams(block);
    Post(*params, kWorkerStartedMessage, kWorkerStartedProgress);
    if (params->environment != nullptr && params->environment->readPointerSettings)
        params->environment->readPointerSettings();
    for (int family = 0; family < kDeviceFamilyCount && AppRunning.load(); ++family) {
        if (IDevicePage* page = PageOfFamily(params->pages, family))
            page->ConnectAndRead();
    }
    Post(*params, kWorkerFinishedMessage, kWorkerFinishedProgress);
    Sleep(100);
    return 0;
}

unsigned __stdcall WriteThreadProc(void* block)
{
    const std::unique_ptr<WorkerParams> params = TakeParams(block);
    Post(*params, kWorkerStartedMessage, kWorkerStartedProgress);
    for (int family = 0; family < kDeviceFamilyCount; ++family) {
        IDevicePage* page = PageOfFamily(params->pages, family);
        if (page == nullptr || Write(page, params->argument))
            continue;
        // The page no longer shows as held what the controller lacks.
        if (kDeviceFamilies[family].readsAgainAfterFailedWrite && AppRunning.load())
            page->ConnectAndRead();
        PostMessageW(params->mainWindow, kWriteFailedMessage, static_cast<WPARAM>(family), 0);
    }
    Post(*params, kWorkerFinishedMessage, kWorkerFinishedProgress);
    return 0;
}

unsigned __stdcall GetChangeThreadProc(void* block)
{
    const std::unique_ptr<WorkerParams> params = TakeParams(block);
    PollOnce(params->pages.dolv);
    PollOnce(params->pages.mesk);
    PollOnce(params->pages.qiro);
    return 0;
}

unsigned __stdcall DeviceChangeThreadProc(void* block)
{
    const std::unique_ptr<WorkerParams> params = TakeParams(block);
    Post(*params, kWorkerStartedMessage, kWorkerStartedProgress);
    DeviceLibraryBinder* binder = params->environment != nullptr ? params->environment->binder : nullptr;
    for (int family = 0; family < kDeviceFamilyCount && AppRunning.load(); ++family) {
        IDevicePage* page = PageOfFamily(params->pages, family);
        if (page == nullptr)
            continue;
        const DeviceFamily& f = kDeviceFamilies[family];
        if (page->ConnectedFlag() != 0) {
            int result = -1;
            if (binder != nullptr) {
                const auto* polled = dynamic_cast<IPolledMousePage*>(page);
                const DeviceLibraryBinder::Guard guard = binder->LockLibrary(f.library);
                result = OpenFamilyDevice(binder->Entries(), family, polled ? polled->OpenFlag() : 0);
            }
            if (result != 0)
                Post(*params, f.errorMessage, f.errorProgress);
        } else if (page->ConnectAndRead()) {
            Post(*params, f.readMessage, f.readProgress);
        }
    }
    Post(*params, kWorkerFinishedMessage, kWorkerFinishedProgress);
    return 0;
}
