#include "app/main/frame/worker_launcher.h"

#include <process.h>

ThreadWorkerLauncher::~ThreadWorkerLauncher()
{
    for (HANDLE thread : threads_)
        CloseHandle(thread);
}

bool ThreadWorkerLauncher::Launch(WorkerProc proc, WorkerParams* params)
{
    ForgetFinished();
    const uintptr_t thread = _beginthreadex(nullptr, 0, proc, params, 0, nullptr);
    if (thread == 0)
        return false;
    // A change poll may stay blocked in its read until the process ends:
    // only request workers are waited for.
    if (proc == &GetChangeThreadProc)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    else
        threads_.push_back(reinterpret_cast<HANDLE>(thread));
    return true;
}

bool ThreadWorkerLauncher::JoinAll(DWORD milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (HANDLE thread : threads_) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        WaitForSingleObject(thread, left);
    }
    ForgetFinished();
    return threads_.empty();
}

void ThreadWorkerLauncher::ForgetFinished()
{
    std::vector<HANDLE> running;
    for (HANDLE thread : threads_) {
        if (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT)
            running.push_back(thread);
        else
            CloseHandle(thread);
    }
    threads_.swap(running);
}
