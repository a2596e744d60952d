#pragma once

#include "link/JobRun.h"
#include "link/LinkJob.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace zantrel {

class EcuLink;
class StepTimer;

// The one gate onto the link for everything longer than a single frame. One job at a
// time: while it runs the live poll sends nothing, autodetection waits, and any other
// frame is refused by the link, so nothing ever interleaves with a job's frames.
class LinkGate final : public QObject {
    Q_OBJECT
public:
    LinkGate(EcuLink& link, StepTimer& timer, QObject* parent = nullptr);
    ~LinkGate() override;

    bool Busy() const;
    EcuLink& Link() { return link_; }

    // A short job (one editor write) straight through on the link's pause clock, inside
    // the caller's handler. Refused while another job runs.
    JobOutcome RunNow(LinkJob job);
    // A long job from the step timer while the window goes on. `finished` runs when it
    // ends; the job is dropped without a word if `context` (when given) goes first. False when
    // another job runs (nothing is sent and `finished` is not called).
    bool Start(LinkJob job, QObject* context, std::function<void(JobOutcome)> finished = {});
    // Ends the running job where it stands; its `finished` learns Cancelled.
    void Cancel();

signals:
    void BusyChanged(bool busy);

private:
    void step();
    void finish();

    EcuLink& link_;
    StepTimer& timer_;
    std::unique_ptr<JobRun> run_;
    QPointer<QObject> context_;
    std::function<void(JobOutcome)> finished_;
};

} // namespace zantrel
