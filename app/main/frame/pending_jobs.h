#pragma once
// Device jobs asked for while a progress window is open: one device job runs
// at a time, so they wait for it to close. One per family and kind of job
// (a write's command code) is enough, since each sends the values current
// when it runs; they run in the order they were first asked for. What a job
// needs beyond its page's settings stays with the page, one per command: the
// file of an export, an import or a reset (the one chosen last for it), and
// every button assigned since the last button write.

#include "app/main/frame/request_routes.h"

#include <deque>

struct PendingJob {
    int chip;
    WorkerKind worker;
    int argument;  // a write's command code
};

class PendingJobs {
public:
    // Kept unless the same job already waits.
    void Keep(const PendingJob& job);
    // The oldest job, taken out; false when none waits.
    bool TakeNext(PendingJob* job);

private:
    std::deque<PendingJob> jobs_;
};
