// The window while a long transfer runs, against zantrel-ecusim --baud-delay over a
// pseudo-terminal: for a read-all and for the menu factory reset (which ends with its
// own read-all), the longest event delivery on the GUI thread while the job runs (the
// longest time the window does not answer) and the job's duration beside its protocol
// time: the same window and steps in-process, on a virtual clock with the line's wire
// time. Then the simulator goes away: the CPU the program takes while the port is gone,
// and the time until it is back by itself once a new simulator serves the same path.
//   window_jobs_bench
#include "BenchWindow.h"
#include "config/ParameterTransferUi.h"
#include "launcher/EcuSimProcess.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/VirtualClock.h"
#include "sim/ControllerModel.h"
#include "sim/SimSerialIo.h"

#include <QLineEdit>
#include <QPushButton>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using namespace zantrel;
using bench::BenchWindow;
using bench::TimedApplication;

using Start = std::function<void(TForm1&)>;

// Runs the event loop, asleep between events, until `done` holds or `timeoutMs` passed.
// It looks again whenever the gate frees the link (at once, so a job's end is seen when
// it comes) and on a slow timer for conditions of other kinds.
void runUntil(LinkGate& gate, const std::function<bool()>& done, int timeoutMs)
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

void readAll(TForm1& window)
{
    window.Transfer().ButtonOdczytajParam->click();
}

void factoryReset(TForm1& window)
{
    window.MenuItem(QStringLiteral("ResetSystemu2"))->trigger();
}

// The transfer in the window on the simulated controller with wire time, its jobs on the
// virtual clock: the time the protocol itself takes.
double protocolMs(const Start& start)
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
    const qint64 before = clock.nowUs();
    start(bench.window);
    return (clock.nowUs() - before) / 1000.0;
}

struct Figures {
    double ms = 0;
    double longestEventMs = 0;
};

// Starts the transfer and lets the event loop run until the link is free again.
Figures timeInWindow(TimedApplication& app, BenchWindow& bench, const Start& start)
{
    app.longestNs = 0;
    QElapsedTimer wall;
    app.measuring = true;
    wall.start();
    start(bench.window);
    runUntil(bench.gate, [&] { return !bench.gate.Busy(); }, 60'000);
    app.measuring = false;
    return {wall.nsecsElapsed() / 1e6, app.longestNs / 1e6};
}

void report(const char* what, const Figures& f, double floorMs)
{
    std::printf("%s\n", what);
    std::printf("  duration            %8.1f ms   protocol time %8.1f ms   ratio %.3f (target under 1.10)\n", f.ms,
                floorMs, f.ms / floorMs);
    std::printf("  longest event       %8.2f ms   (target under 50 ms: the window answers meanwhile)\n",
                f.longestEventMs);
}

QStringList simulatorAt(const QString& path)
{
    return {QStringLiteral("--link"), path, QStringLiteral("--baud-delay"), QStringLiteral("--scenario"),
            QStringLiteral("drive")};
}

// Runs the event loop for `ms` and returns the CPU the process took meanwhile, in
// percent of one core.
double cpuPercentOver(LinkGate& gate, int ms)
{
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer wall;
    wall.start();
    runUntil(gate, [] { return false; }, ms);
    const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    return 100.0 * cpuMs / double(wall.elapsed());
}

void measureVanishedPort(BenchWindow& bench, sim::EcuSimProcess& first, const QString& path)
{
    EcuLink& link = bench.gate.Link();
    first.stop();
    QElapsedTimer wait;
    wait.start();
    runUntil(bench.gate, [&] { return !link.PortOpen(); }, 3000);
    runUntil(bench.gate, [] { return false; }, 100); // the status field follows from the live poll
    std::printf("The simulator goes away\n");
    std::printf("  port closed after   %8d ms, status \"%s\"\n", int(wait.elapsed()),
                qPrintable(bench.window.EditStatus->text()));
    std::printf("  CPU while gone      %8.2f %% of a core over 3 s (target under 2 %%)\n", cpuPercentOver(bench.gate, 3000));

    sim::EcuSimProcess second(simulatorAt(path));
    QString error;
    if (!second.start(&error)) {
        std::fprintf(stderr, "window_jobs_bench: %s\n", qPrintable(error));
        return;
    }
    QElapsedTimer back;
    back.start();
    runUntil(bench.gate, [&] { return link.Connected() && !bench.gate.Busy(); }, 10'000);
    std::printf("  back by itself      %8d ms after the new simulator started (connected: %s)\n", int(back.elapsed()),
                link.Connected() ? "yes" : "no");
    second.stop();
}

int run(TimedApplication& app)
{
    QTemporaryDir links;
    const QString path = links.filePath(QStringLiteral("ecu"));
    sim::EcuSimProcess sim(simulatorAt(path));
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "window_jobs_bench: %s\n", qPrintable(error));
        return 1;
    }
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    BenchWindow bench(link, path, true);
    bench.window.MenuItem(QStringLiteral("COM8CTRL81"))->trigger();
    runUntil(bench.gate, [&] { return !bench.gate.Busy(); }, 10'000);
    if (!link.Connected()) {
        std::fprintf(stderr, "window_jobs_bench: no controller on %s\n", qPrintable(sim.portPath()));
        return 1;
    }
    std::printf("Transfers in the window against zantrel-ecusim --baud-delay over a pseudo-terminal\n");
    // The read-all is short: its median of five, the slowest event of all five.
    std::vector<Figures> reads;
    for (int i = 0; i < 5; ++i)
        reads.push_back(timeInWindow(app, bench, readAll));
    std::sort(reads.begin(), reads.end(), [](const Figures& a, const Figures& b) { return a.ms < b.ms; });
    Figures read = reads[reads.size() / 2];
    for (const Figures& f : reads)
        read.longestEventMs = std::max(read.longestEventMs, f.longestEventMs);
    report("Read-all (64 words, the write-back of words 22 and 47), median of 5", read, protocolMs(readAll));
    report("Menu factory reset, then its read-all", timeInWindow(app, bench, factoryReset),
           protocolMs(factoryReset));
    measureVanishedPort(bench, sim, path);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    QTemporaryDir start;
    if (!start.isValid() || !QDir::setCurrent(start.path())) {
        std::fprintf(stderr, "window_jobs_bench: no start directory\n");
        return 1;
    }
    return run(app);
}
