#include "devices/nolx/change_listener.h"

#include "devices/nolx/image_layout.h"

#include <mutex>

namespace nolx {

namespace {

constexpr unsigned kSettleMs = 200;
constexpr unsigned kStopWaitMs = 2000;
// A thread that has not yet entered its read cannot be cancelled: the cancel
// is tried again every millisecond, for about a second at most.
constexpr unsigned kCancelTries = 1000;

}  // namespace

ChangeListener::ChangeListener(Transport& transport)
    : transport_(transport),
      stopEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      reopenedEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      stoppedEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      callbackEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

ChangeListener::~ChangeListener() {
    requestStop();
    waitStopped(kStopWaitMs);
    if (thread_) CloseHandle(thread_);
    CloseHandle(stopEvent_);
    CloseHandle(reopenedEvent_);
    CloseHandle(stoppedEvent_);
    CloseHandle(callbackEvent_);
}

void ChangeListener::startOnce() {
    if (thread_) return;
    thread_ = CreateThread(nullptr, 0, &ChangeListener::threadMain, this, 0, nullptr);
}

void ChangeListener::setCallback(ChangeCallback callback, void* user) {
    {
        std::lock_guard<TransferLock> guard(callbackLock_);
        callback_ = callback;
        user_ = user;
        if (callback) {
            SetEvent(callbackEvent_);
        } else {
            ResetEvent(callbackEvent_);
        }
    }
    if (!callback) cancelPendingRead();
}

void ChangeListener::cancelPendingRead() {
    for (unsigned tries = 0; tries < kCancelTries; ++tries) {
        {
            // Under the lock no read starts and no callback comes back between
            // the look and the cancel: a read begun for a callback registered
            // again is never cancelled.
            std::lock_guard<TransferLock> guard(callbackLock_);
            if (!reading_ || callbackRegistered()) return;
            readCancelled_ = true;
            hid::platform().cancelInputRead(thread_);
        }
        Sleep(1);
    }
}

bool ChangeListener::callbackRegistered() const { return WaitForSingleObject(callbackEvent_, 0) == WAIT_OBJECT_0; }

bool ChangeListener::readWhileRegistered(uint8_t (&report)[4]) {
    bool registered = false;
    {
        // Looked at once the flag is up: a callback removed from here on cancels the read.
        std::lock_guard<TransferLock> guard(callbackLock_);
        reading_ = true;
        registered = callbackRegistered();
    }
    const bool read = registered && SUCCEEDED(transport_.readInputReport(report));
    reading_ = false;
    return read;
}

void ChangeListener::deviceReopened() { SetEvent(reopenedEvent_); }

void ChangeListener::requestStop() {
    running_ = false;
    SetEvent(stopEvent_);
    // A synchronous read of the real HID stack does not end on close alone.
    if (thread_) hid::platform().cancelInputRead(thread_);
}

bool ChangeListener::waitStopped(unsigned milliseconds) {
    if (!thread_) return true;
    return WaitForSingleObject(stoppedEvent_, milliseconds) == WAIT_OBJECT_0;
}

DWORD WINAPI ChangeListener::threadMain(void* self) {
    auto* listener = static_cast<ChangeListener*>(self);
    listener->run();
    // Once the event is set the library may be unloaded, so this thread must
    // not return into it: the exit is queued as an APC, which the alertable
    // wait runs right after it sets the event. The thread's own handle is
    // never signalled while it runs.
    QueueUserAPC(reinterpret_cast<PAPCFUNC>(reinterpret_cast<void*>(&ExitThread)), GetCurrentThread(), 0);
    SignalObjectAndWait(listener->stoppedEvent_, GetCurrentThread(), INFINITE, TRUE);
    return 0;
}

void ChangeListener::run() {
    while (running_) {
        const HANDLE wanted[2] = {stopEvent_, callbackEvent_};
        if (WaitForMultipleObjects(2, wanted, FALSE, INFINITE) == WAIT_OBJECT_0) continue;
        uint8_t report[4] = {};
        if (!readWhileRegistered(report)) {
            // The callback went away: wait for the next one.
            if (readCancelled_.exchange(false) || !callbackRegistered()) continue;
            // No device, or it went away: wait for new handles instead of spinning.
            const HANDLE events[2] = {stopEvent_, reopenedEvent_};
            WaitForMultipleObjects(2, events, FALSE, INFINITE);
            continue;
        }
        if (report[0] != kChangeReport || report[3] != 0x00) continue;
        announce();
    }
}

void ChangeListener::announce() {
    hid::platform().sleepMs(kSettleMs);
    uint8_t keyModeBytes[kDataBytes] = {};
    uint8_t gearBytes[kDataBytes] = {};
    const bool read = SUCCEEDED(transport_.readBlock(kKeyModeByte, kDataBytes, keyModeBytes)) &&
                      SUCCEEDED(transport_.readBlock(kGearByte, kDataBytes, gearBytes));
    if (!read || !running_) return;
    int mode = keyModeBytes[0] & 0x0F;
    int level = gearBytes[0] + 1;
    std::lock_guard<TransferLock> guard(callbackLock_);
    if (callback_) callback_(&mode, &level, user_);
}

}  // namespace nolx
