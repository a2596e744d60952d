#include "link/LinkJob.h"

#include "link/CommandSet.h"

#include <utility>

namespace zantrel {

LinkJob& LinkJob::add(Step step)
{
    (calls_ > 0 ? added_ : steps_).push_back(std::move(step));
    return *this;
}

LinkJob& LinkJob::Send(const CommandFrame& frame)
{
    return add({Step::Kind::Send, frame});
}

LinkJob& LinkJob::Send(char command, int a, int b, int c)
{
    return Send(BuildFrame(command, a, b, c));
}

LinkJob& LinkJob::Pause(int ms)
{
    if (ms <= 0)
        return *this;
    Step step{Step::Kind::Pause};
    step.ms = ms;
    return add(std::move(step));
}

LinkJob& LinkJob::Drain()
{
    return add({Step::Kind::Drain});
}

LinkJob& LinkJob::Collect(quint32 expected)
{
    Step step{Step::Kind::Collect};
    step.expected = expected;
    return add(std::move(step));
}

LinkJob& LinkJob::Then(Call call)
{
    Step step{Step::Kind::Call};
    step.call = std::move(call);
    return add(std::move(step));
}

LinkJob& LinkJob::Then(std::function<void()> call)
{
    return Then([call = std::move(call)](LinkJob&, const Reply&) { call(); });
}

LinkJob& LinkJob::Request(const CommandFrame& frame, quint32 expected, Accept accept, int retries, Done done)
{
    Send(frame);
    Collect(expected);
    return Then([frame, expected, accept = std::move(accept), retries, done = std::move(done)](
                    LinkJob& job, const Reply& last) mutable {
        if (accept(last)) {
            done(&last);
        } else if (retries > 0) {
            job.Request(frame, expected, std::move(accept), retries - 1, std::move(done));
        } else {
            done(nullptr);
        }
    });
}

LinkJob& LinkJob::Append(LinkJob other)
{
    for (Step& step : other.steps_)
        add(std::move(step));
    return *this;
}

LinkJob::Step LinkJob::TakeNext()
{
    Step step = std::move(steps_.front());
    steps_.pop_front();
    return step;
}

void LinkJob::BeginCall()
{
    ++calls_;
}

void LinkJob::EndCall()
{
    if (--calls_ > 0)
        return;
    while (!added_.empty()) {
        steps_.push_front(std::move(added_.back()));
        added_.pop_back();
    }
}

} // namespace zantrel
