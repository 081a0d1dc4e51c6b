#pragma once
// Starts worker threads, and at teardown waits for them. Tests run
// workers synchronously through a launcher of their own.

#include "app/main/frame/workers.h"

#include <windows.h>

#include <vector>

class IWorkerLauncher {
public:
    virtual ~IWorkerLauncher() = default;
    // Runs the procedure with the block, which it then owns; false when no
    // worker could be started (the block is still the caller's).
    virtual bool Launch(WorkerProc proc, WorkerParams* params) = 0;
    // Waits at most `milliseconds` in all for the request workers still
    // running; change polls are not waited for. False when one still runs.
    virtual bool JoinAll(DWORD milliseconds) = 0;
};

// One thread per worker, started at once with the default stack.
class ThreadWorkerLauncher : public IWorkerLauncher {
public:
    ThreadWorkerLauncher() = default;
    ~ThreadWorkerLauncher() override;
    ThreadWorkerLauncher(const ThreadWorkerLauncher&) = delete;
    ThreadWorkerLauncher& operator=(const ThreadWorkerLauncher&) = delete;

    bool Launch(WorkerProc proc, WorkerParams* params) override;
    bool JoinAll(DWORD milliseconds) override;

private:
    // Closes the handles of threads that have ended.
    void ForgetFinished();

    std::vector<HANDLE> threads_;
};
