#include "link/JobRun.h"

#include "link/EcuLink.h"

namespace zantrel {

namespace {

// Marks the link as used by the job's own step for the length of one Advance.
class StepScope {
public:
    explicit StepScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~StepScope() { flag_ = was_; }

private:
    bool& flag_;
    bool was_;
};

} // namespace

JobRun::JobRun(EcuLink& link, LinkJob job)
    : link_(link)
    , job_(std::move(job))
{
    if (link_.reserved_) {
        outcome_ = JobOutcome::Refused;
        return;
    }
    link_.reserved_ = true;
}

JobRun::~JobRun()
{
    if (!outcome_)
        end(JobOutcome::Cancelled);
}

void JobRun::end(JobOutcome outcome)
{
    if (outcome_)
        return;
    outcome_ = outcome;
    link_.reserved_ = false;
}

void JobRun::Cancel()
{
    if (collecting_ && link_.inFlight_) {
        StepScope scope(link_.jobStep_);
        link_.inFlight_ = false;
        link_.done_ = nullptr;
    }
    end(JobOutcome::Cancelled);
}

std::optional<int> JobRun::Advance()
{
    if (outcome_)
        return std::nullopt;
    StepScope scope(link_.jobStep_);
    // A live poll's collection still in flight is finished first, a poll every 2 ms, as
    // any other link operation would finish it.
    if (!collecting_ && link_.CollectionInFlight()) {
        collecting_ = true;
        return EcuLink::kPollSleepMs;
    }
    // A port lost meanwhile is found by the next frame; the reply it sent last is still
    // judged.
    if (collecting_) {
        if (!link_.CollectStep())
            return EcuLink::kPollSleepMs;
        collecting_ = false;
    }
    while (!job_.Empty()) {
        LinkJob::Step step = job_.TakeNext();
        switch (step.kind) {
        case LinkJob::Step::Kind::Send:
            if (!link_.SendFrame(step.frame)) {
                end(JobOutcome::PortLost);
                return std::nullopt;
            }
            break;
        case LinkJob::Step::Kind::Pause:
            return step.ms;
        case LinkJob::Step::Kind::Drain:
            link_.DrainInput();
            break;
        case LinkJob::Step::Kind::Collect:
            link_.BeginCollect(step.expected, nullptr, {});
            collecting_ = true;
            return EcuLink::kPollSleepMs;
        case LinkJob::Step::Kind::Call:
            job_.BeginCall();
            step.call(job_, link_.CurrentReply());
            job_.EndCall();
            break;
        }
        if (outcome_)
            return std::nullopt;
    }
    end(JobOutcome::Completed);
    return std::nullopt;
}

JobOutcome RunJob(EcuLink& link, LinkJob job)
{
    JobRun run(link, std::move(job));
    while (const std::optional<int> wait = run.Advance())
        link.Sleep(*wait);
    return run.Outcome();
}

} // namespace zantrel
