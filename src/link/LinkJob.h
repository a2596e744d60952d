#pragma once

#include "link/CommandFrame.h"
#include "link/ReplyShapes.h"

#include <QtGlobal>

#include <deque>
#include <functional>

namespace zantrel {

// A multi-frame exchange with the controller as a list of steps: send a frame, pause,
// collect a reply, or call back (to judge a reply, store a value, move a progress bar,
// or add further steps). The same list runs straight through on the link's pause clock
// (RunJob) or from timers while the window goes on (LinkGate::Start), so both give the
// same frames with the same pauses.
class LinkJob {
public:
    // A call step gets the job, to add steps that run next, and the reply of the last
    // collection.
    using Call = std::function<void(LinkJob& job, const Reply& last)>;
    using Accept = std::function<bool(const Reply& reply)>;
    // The accepted reply, or nullptr when every try was rejected.
    using Done = std::function<void(const Reply* accepted)>;

    struct Step {
        enum class Kind { Send, Pause, Drain, Collect, Call };
        Kind kind;
        CommandFrame frame{};
        int ms = 0;
        quint32 expected = 0;
        Call call{};
    };

    // Steps are added at the end; steps added by a call step run right after it, in the
    // order they were added.
    LinkJob& Send(const CommandFrame& frame);
    // A frame by the command table's argument layout (BuildFrame).
    LinkJob& Send(char command, int a = 0, int b = 0, int c = 0);
    LinkJob& Pause(int ms);
    // One read of whatever the driver holds, discarded.
    LinkJob& Drain();
    // Up to 21 reply polls, 2 ms apart, until `expected` bytes have come.
    LinkJob& Collect(quint32 expected);
    LinkJob& Then(Call call);
    LinkJob& Then(std::function<void()> call);
    // Sends the frame and collects its reply; a reply that `accept` rejects is asked for
    // again, `retries` more times. `done` learns the outcome.
    LinkJob& Request(const CommandFrame& frame, quint32 expected, Accept accept, int retries, Done done);
    // Another job's steps, at this point.
    LinkJob& Append(LinkJob other);

    bool Empty() const { return steps_.empty(); }
    std::size_t Size() const { return steps_.size(); }

    // The runner's side: the next step, and the bracket around a call step inside which
    // added steps are kept to run next.
    Step TakeNext();
    void BeginCall();
    void EndCall();

private:
    LinkJob& add(Step step);

    std::deque<Step> steps_;
    std::deque<Step> added_;
    int calls_ = 0;
};

} // namespace zantrel
