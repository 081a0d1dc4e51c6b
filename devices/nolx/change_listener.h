#pragma once
// The Dolv library's reader thread: waits for the controller's change
// announcements and reports the current mode and level to a callback. It
// reads input reports only while a callback is registered: the program's
// change poll reads the same handle, and each report reaches one reader.

#include "devices/nolx/transfer_lock.h"
#include "devices/nolx/transport.h"

#include <atomic>

namespace nolx {

using ChangeCallback = void(__cdecl*)(int* mode, int* level, void* user);

class ChangeListener {
public:
    explicit ChangeListener(Transport& transport);
    // Stops the thread and waits for it a bounded time.
    ~ChangeListener();
    ChangeListener(const ChangeListener&) = delete;
    ChangeListener& operator=(const ChangeListener&) = delete;

    // Starts the thread unless it already runs.
    void startOnce();
    bool started() const { return thread_ != nullptr; }
    // Removing the callback ends a read under way, which would take the
    // next report from the change poll; once a callback is registered
    // again, the read goes on.
    void setCallback(ChangeCallback callback, void* user);
    // The device has new handles; a thread whose read failed reads again.
    void deviceReopened();
    // Tells the thread to end; the caller then closes the device handles,
    // which ends a pending read.
    void requestStop();
    // False when the thread did not end within the time.
    bool waitStopped(unsigned milliseconds);

private:
    static DWORD WINAPI threadMain(void* self);
    void run();
    bool callbackRegistered() const;
    // One input report, unless the callback is gone; false also when the
    // read fails or is cancelled.
    bool readWhileRegistered(uint8_t (&report)[4]);
    void cancelPendingRead();
    void announce();

    Transport& transport_;
    HANDLE thread_ = nullptr;
    HANDLE stopEvent_;
    HANDLE reopenedEvent_;
    HANDLE stoppedEvent_;
    HANDLE callbackEvent_;  // set while a callback is registered
    std::atomic<bool> running_{true};
    std::atomic<bool> reading_{false};
    std::atomic<bool> readCancelled_{false};
    TransferLock callbackLock_;
    ChangeCallback callback_ = nullptr;
    void* user_ = nullptr;
};

}  // namespace nolx
