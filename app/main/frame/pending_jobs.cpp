#include "app/main/frame/pending_jobs.h"

#include <algorithm>

void PendingJobs::Keep(const PendingJob& job)
{
    const bool waiting = std::any_of(jobs_.begin(), jobs_.end(), [&](const PendingJob& kept) {
        return kept.chip == job.chip && kept.worker == job.worker && kept.argument == job.argument;
    });
    if (!waiting)
        jobs_.push_back(job);
}

bool PendingJobs::TakeNext(PendingJob* job)
{
    if (jobs_.empty())
        return false;
    *job = jobs_.front();
    jobs_.pop_front();
    return true;
}
