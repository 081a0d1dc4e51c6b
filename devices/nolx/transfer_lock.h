#pragma once
// A recursive lock that keeps one framed exchange (a command and its data
// reports) from interleaving with another thread's.

#include <windows.h>

namespace nolx {

class TransferLock {
public:
    TransferLock() { InitializeCriticalSection(&section_); }
    ~TransferLock() { DeleteCriticalSection(&section_); }
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;

    void lock() { EnterCriticalSection(&section_); }
    void unlock() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};

}  // namespace nolx
