#pragma once

#include "link/CommandSet.h"
#include "live/LiveWords.h"

#include <chrono>

namespace zantrel::cli {

// One live poll: "V" and its 67-byte reply, judged as the live view judges it.
LiveJudgement PollLive(EcuCommands& commands);

// The 25 ms cadence of the live poll. Ticks that a slow poll overran are skipped, as a
// timer would.
class LiveCadence {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kTick = std::chrono::milliseconds(25);

    // Waits for the first tick boundary after now; the first wait is for the start.
    void Wait();
    // Seconds since the cadence began.
    double Elapsed() const;

private:
    Clock::time_point start_ = Clock::now();
    Clock::time_point due_ = start_;
    bool started_ = false;
};

} // namespace zantrel::cli
