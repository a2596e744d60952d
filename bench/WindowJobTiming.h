#pragma once

// What the benchmarks of jobs in the window share: the event loop run until a condition
// holds, a transfer timed in the window (its duration and the longest event delivery
// meanwhile), and its protocol time: the same window and steps in-process, on a virtual
// clock with the line's wire time.
#include "BenchWindow.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/VirtualClock.h"
#include "sim/ControllerModel.h"
#include "sim/SimSerialIo.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace zantrel::bench {

using Start = std::function<void(BenchWindow&)>;

// Runs the event loop, asleep between events, until `done` holds or `timeoutMs` passed.
// It looks again whenever the gate frees the link (at once, so a job's end is seen when
// it comes) and on a slow timer for conditions of other kinds.
inline void RunUntil(LinkGate& gate, const std::function<bool()>& done, int timeoutMs)
{
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    // Queued: a job that ends may start the next one in the same call.
    const QMetaObject::Connection freed = QObject::connect(&gate, &LinkGate::BusyChanged, &loop, [&](bool busy) {
        if (!busy)
            QTimer::singleShot(0, &loop, check);
    });
    QTimer slow;
    QObject::connect(&slow, &QTimer::timeout, &loop, check);
    slow.start(50);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    QObject::disconnect(freed);
}

// The transfer in the window on the simulated controller with wire time, its jobs on the
// virtual clock: the time the protocol itself takes. `prepare` runs first, untimed.
inline double ProtocolMs(const Start& start, const Start& prepare = {})
{
    VirtualClock clock;
    clock.setRecording(false);
    sim::ControllerModel model;
    sim::LineOptions line;
    line.wireTime = true;
    sim::SimSerialIo io(model, clock, line);
    EcuLink link(io, clock);
    PauseStepTimer timer(clock);
    BenchWindow bench(link, {}, true, &timer);
    bench.window.TimerVizualizacja.stop();
    link.SetPortName(QStringLiteral("sim"));
    link.OpenPort();
    link.SetConnected(true);
    if (prepare)
        prepare(bench);
    const qint64 before = clock.nowUs();
    start(bench);
    return (clock.nowUs() - before) / 1000.0;
}

struct Figures {
    double ms = 0;
    double longestEventMs = 0;
};

// Starts the transfer and lets the event loop run until the link is free again.
inline Figures TimeInWindow(TimedApplication& app, BenchWindow& bench, const Start& start)
{
    app.longestNs = 0;
    QElapsedTimer wall;
    app.measuring = true;
    wall.start();
    start(bench);
    RunUntil(bench.gate, [&] { return !bench.gate.Busy(); }, 60'000);
    app.measuring = false;
    return {wall.nsecsElapsed() / 1e6, app.longestNs / 1e6};
}

// The run of median duration, with the slowest event of all runs.
inline Figures MedianOf(std::vector<Figures> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.ms < b.ms; });
    Figures median = runs[runs.size() / 2];
    for (const Figures& f : runs)
        median.longestEventMs = std::max(median.longestEventMs, f.longestEventMs);
    return median;
}

// The window on the production link to a simulator's pseudo-terminal at `path`.
struct WindowOnSimulator {
    explicit WindowOnSimulator(const QString& path) : bench(link, path, true) {}

    // Connects through the last port (COM8) as a fitter does and waits for the read that
    // follows; false when no controller answered.
    bool Connect()
    {
        bench.window.MenuItem(QStringLiteral("COM8CTRL81"))->trigger();
        RunUntil(bench.gate, [&] { return !bench.gate.Busy(); }, 10'000);
        return link.Connected();
    }

    QtSerialIo io;
    RealPause pause;
    EcuLink link{io, pause};
    BenchWindow bench;
};

inline void Report(const char* what, const Figures& f, double floorMs)
{
    std::printf("%s\n", what);
    std::printf("  duration            %8.1f ms   protocol time %8.1f ms   ratio %.3f (target under 1.10)\n", f.ms,
                floorMs, f.ms / floorMs);
    std::printf("  longest event       %8.2f ms   (target under 50 ms: the window answers meanwhile)\n",
                f.longestEventMs);
}

} // namespace zantrel::bench
