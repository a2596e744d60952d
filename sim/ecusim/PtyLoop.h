#pragma once

#include "ecusim/PseudoTerminal.h"
#include "sim/SimDevice.h"

#include <QElapsedTimer>

#include <csignal>
#include <deque>

namespace zantrel::sim {

// Serves the simulated controller on the master side of a pseudo-terminal: reads what
// the program on the slave side writes, hands it to the device, and writes each reply
// byte when it is due. Time is the monotonic clock since the loop started.
class PtyLoop {
public:
    PtyLoop(PseudoTerminal& pty, SimDevice& device);

    enum class End { Stopped, LineDropped };
    // Runs until `stop` is set (by a signal) or a disconnect fault drops the line; the
    // line goes once the program has read the last reply, or after a grace period.
    End run(const volatile std::sig_atomic_t& stop);

private:
    qint64 nowUs() const { return clock_.nsecsElapsed() / 1000; }
    void receive();
    void sendDue();
    int pollTimeoutMs() const;
    bool lineGone() const;

    PseudoTerminal& pty_;
    int master_;
    SimDevice& device_;
    QElapsedTimer clock_;
    std::deque<TimedBytes> out_;
    qint64 queuedBytes_ = 0;
    bool blocked_ = false; // the last write could not take everything
};

} // namespace zantrel::sim
