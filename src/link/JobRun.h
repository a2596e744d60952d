#pragma once

#include "link/LinkJob.h"

#include <optional>

namespace zantrel {

class EcuLink;

enum class JobOutcome {
    Completed,
    // The port was closed, or the device went away, before the last step: the steps
    // after that point were dropped.
    PortLost,
    Cancelled,
    // Another job held the link; nothing was sent.
    Refused,
};

// One job in progress on a link. Advance runs its steps until one needs time to pass
// and says how long; the caller waits that long, by sleeping or by a timer, and calls it
// again. While it runs the job holds the link, so nothing else reaches the device.
class JobRun {
public:
    JobRun(EcuLink& link, LinkJob job);
    ~JobRun();
    JobRun(const JobRun&) = delete;
    JobRun& operator=(const JobRun&) = delete;

    // Milliseconds to wait before the next call, or nothing once the job has ended.
    std::optional<int> Advance();
    // Ends the job where it stands; no further step runs.
    void Cancel();

    bool Ended() const { return outcome_.has_value(); }
    JobOutcome Outcome() const { return outcome_.value_or(JobOutcome::Cancelled); }

private:
    void end(JobOutcome outcome);

    EcuLink& link_;
    LinkJob job_;
    bool collecting_ = false;
    std::optional<JobOutcome> outcome_;
};

// Runs a job straight through, its pauses and reply polls on the link's pause clock: the
// CLI's and the tests' runner, and the one for a single editor write.
JobOutcome RunJob(EcuLink& link, LinkJob job);

} // namespace zantrel
