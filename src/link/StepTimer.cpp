#include "link/StepTimer.h"

#include "link/Pause.h"

#include <algorithm>

namespace zantrel {

namespace {

constexpr qint64 kNsPerMs = 1'000'000;

} // namespace

PreciseStepTimer::PreciseStepTimer(QObject* parent)
    : QObject(parent)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PreciseStepTimer::fire);
}

void PreciseStepTimer::Wait(int ms, std::function<void()> then)
{
    then_ = std::move(then);
    started_.start();
    dueNs_ = qint64(std::max(ms, 0)) * kNsPerMs;
    timer_.start(std::max(ms, 0));
}

void PreciseStepTimer::Stop()
{
    timer_.stop();
    then_ = nullptr;
}

void PreciseStepTimer::fire()
{
    const qint64 left = dueNs_ - started_.nsecsElapsed();
    if (left > 0) {
        // Early by less than a millisecond: wait out the rest.
        timer_.start(int((left + kNsPerMs - 1) / kNsPerMs));
        return;
    }
    if (std::function<void()> then = std::move(then_)) {
        then_ = nullptr;
        then();
    }
}

void PauseStepTimer::Wait(int ms, std::function<void()> then)
{
    pending_ = PendingWait{ms, std::move(then)};
    if (!holding && !running_)
        runLoop();
}

void PauseStepTimer::RunOne()
{
    if (!pending_)
        return;
    PendingWait wait = std::move(*pending_);
    pending_.reset();
    pause_.sleepMs(wait.ms);
    running_ = true;
    wait.then();
    running_ = false;
}

void PauseStepTimer::RunAll()
{
    holding = false;
    runLoop();
}

void PauseStepTimer::runLoop()
{
    running_ = true;
    while (pending_ && !holding) {
        PendingWait wait = std::move(*pending_);
        pending_.reset();
        pause_.sleepMs(wait.ms);
        wait.then();
    }
    running_ = false;
}

} // namespace zantrel
