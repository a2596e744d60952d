#include "link/LinkGate.h"

#include "link/EcuLink.h"
#include "link/StepTimer.h"

namespace zantrel {

LinkGate::LinkGate(EcuLink& link, StepTimer& timer, QObject* parent)
    : QObject(parent)
    , link_(link)
    , timer_(timer)
{
}

LinkGate::~LinkGate()
{
    timer_.Stop();
}

bool LinkGate::Busy() const
{
    return link_.Reserved();
}

JobOutcome LinkGate::RunNow(LinkJob job)
{
    if (Busy())
        return JobOutcome::Refused;
    return RunJob(link_, std::move(job));
}

bool LinkGate::Start(LinkJob job, QObject* context, std::function<void(JobOutcome)> finished)
{
    if (Busy())
        return false;
    run_ = std::make_unique<JobRun>(link_, std::move(job));
    context_ = context ? context : this;
    finished_ = std::move(finished);
    emit BusyChanged(true);
    step();
    return true;
}

void LinkGate::step()
{
    if (!run_)
        return;
    if (!context_) {
        finished_ = nullptr;
        run_->Cancel();
        finish();
        return;
    }
    if (const std::optional<int> wait = run_->Advance()) {
        timer_.Wait(*wait, [this] { step(); });
        return;
    }
    finish();
}

void LinkGate::Cancel()
{
    if (!run_)
        return;
    timer_.Stop();
    run_->Cancel();
    finish();
}

void LinkGate::finish()
{
    const JobOutcome outcome = run_->Outcome();
    run_.reset();
    std::function<void(JobOutcome)> finished = std::move(finished_);
    finished_ = nullptr;
    context_ = nullptr;
    emit BusyChanged(false);
    if (finished)
        finished(outcome);
}

} // namespace zantrel
