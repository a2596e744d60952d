#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace zantrel {

// Waits between the steps of a job that runs while the window goes on.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    // Calls `then` from the event loop once at least `ms` have passed; a later call
    // replaces an earlier one that has not fired.
    virtual void Wait(int ms, std::function<void()> then) = 0;
    virtual void Stop() = 0;
};

// The window's step timer: a precise single-shot timer, checked against a monotonic
// clock so that a pause comes out longer, never shorter.
class PreciseStepTimer final : public QObject, public StepTimer {
    Q_OBJECT
public:
    explicit PreciseStepTimer(QObject* parent = nullptr);

    void Wait(int ms, std::function<void()> then) override;
    void Stop() override;

private:
    void fire();

    QTimer timer_;
    QElapsedTimer started_;
    qint64 dueNs_ = 0;
    std::function<void()> then_;
};

class Pause;

// A step timer on a Pause clock: each wait sleeps on the clock and its continuation runs
// at once, from a loop rather than nested calls, so a whole job runs inside the call that
// starts it. The command-line tool and the benchmarks run jobs this way on real time; the
// tests on a virtual clock, where `holding` keeps a wait until the test lets it pass, so
// that a job can be caught half-way.
class PauseStepTimer final : public StepTimer {
public:
    explicit PauseStepTimer(Pause& pause) : pause_(pause) {}

    void Wait(int ms, std::function<void()> then) override;
    void Stop() override { pending_.reset(); }

    bool holding = false;
    bool Pending() const { return pending_.has_value(); }
    // Lets the kept wait pass; its continuation may keep the next one.
    void RunOne();
    // Stops holding and runs the job to its end.
    void RunAll();

private:
    struct PendingWait {
        int ms;
        std::function<void()> then;
    };
    void runLoop();

    Pause& pause_;
    std::optional<PendingWait> pending_;
    bool running_ = false;
};

} // namespace zantrel
