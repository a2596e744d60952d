// The window while a long transfer runs, against zantrel-ecusim --baud-delay over a
// pseudo-terminal: for a read-all and for the menu factory reset (which ends with its
// own read-all), the longest event delivery on the GUI thread while the job runs (the
// longest time the window does not answer) and the job's duration beside its protocol
// time: the same window and steps in-process, on a virtual clock with the line's wire
// time. Then the simulator goes away: the CPU the program takes while the port is gone,
// and the time until it is back by itself once a new simulator serves the same path.
//   window_jobs_bench
#include "BenchWindow.h"
#include "WindowJobTiming.h"
#include "config/ParameterTransferUi.h"
#include "launcher/EcuSimProcess.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using namespace zantrel;
using bench::BenchWindow;
using bench::Figures;
using bench::TimedApplication;

void readAll(BenchWindow& bench)
{
    bench.window.Transfer().ButtonOdczytajParam->click();
}

void factoryReset(BenchWindow& bench)
{
    bench.window.MenuItem(QStringLiteral("ResetSystemu2"))->trigger();
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
    bench::RunUntil(gate, [] { return false; }, ms);
    const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    return 100.0 * cpuMs / double(wall.elapsed());
}

void measureVanishedPort(BenchWindow& bench, sim::EcuSimProcess& first, const QString& path)
{
    EcuLink& link = bench.gate.Link();
    first.stop();
    QElapsedTimer wait;
    wait.start();
    bench::RunUntil(bench.gate, [&] { return !link.PortOpen(); }, 3000);
    bench::RunUntil(bench.gate, [] { return false; }, 100); // the status field follows from the live poll
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
    bench::RunUntil(bench.gate, [&] { return link.Connected() && !bench.gate.Busy(); }, 10'000);
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
    bench::WindowOnSimulator connected(path);
    BenchWindow& bench = connected.bench;
    if (!connected.Connect()) {
        std::fprintf(stderr, "window_jobs_bench: no controller on %s\n", qPrintable(sim.portPath()));
        return 1;
    }
    std::printf("Transfers in the window against zantrel-ecusim --baud-delay over a pseudo-terminal\n");
    // The read-all is short: its median of five, the slowest event of all five.
    std::vector<Figures> reads;
    for (int i = 0; i < 5; ++i)
        reads.push_back(bench::TimeInWindow(app, bench, readAll));
    bench::Report("Read-all (64 words, the write-back of words 22 and 47, the maps), median of 5",
                  bench::MedianOf(reads), bench::ProtocolMs(readAll));
    bench::Report("Menu factory reset, then its read-all", bench::TimeInWindow(app, bench, factoryReset),
                  bench::ProtocolMs(factoryReset));
    measureVanishedPort(bench, sim, path);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return zantrel::bench::RunOffscreen(argc, argv, "window_jobs_bench", run);
}
