// The map transfers in the window, against zantrel-ecusim --baud-delay over a
// pseudo-terminal: the map read (17 points, 84 cells, 12 curve points, each a request
// and its reply) and "+ 5%" on the whole map (84 cells, each "F" and its pair word), with
// the longest event delivery on the GUI thread while each runs and its duration beside
// its protocol time (the same window and steps in-process, on a virtual clock with the
// line's wire time).
//   map_jobs_bench
#include "BenchWindow.h"
#include "WindowJobTiming.h"
#include "config/ParameterTransferUi.h"
#include "launcher/EcuSimProcess.h"
#include "link/LinkJob.h"
#include "maps/MapCellGrid.h"
#include "maps/MapsUi.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

using namespace zantrel;
using bench::BenchWindow;
using bench::Figures;
using bench::TimedApplication;

void readAllWords(BenchWindow& bench)
{
    bench.window.Transfer().ButtonOdczytajParam->click();
}

// The map read as the read-all's after-read job makes it, alone.
void readMaps(BenchWindow& bench)
{
    LinkJob job;
    bench.window.findChild<MapsUi*>()->Editor().AddRead(job);
    bench.gate.Start(std::move(job), nullptr);
}

// Up, then down, so that no cell reaches a limit and every cell is written each time.
void stepWholeMap(BenchWindow& bench, int step)
{
    bench.window.SelectTab(TabId::TabSheet6);
    bench.window.findChild<MapCellGrid*>(QStringLiteral("StringGridMapa"))->selectAll();
    bench.window.findChild<QPushButton*>(QString::fromLatin1(step > 0 ? "ButtonPlus5" : "Button3"))->click();
}

int run(TimedApplication& app)
{
    QTemporaryDir links;
    const QString path = links.filePath(QStringLiteral("ecu"));
    sim::EcuSimProcess sim({QStringLiteral("--link"), path, QStringLiteral("--baud-delay")});
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "map_jobs_bench: %s\n", qPrintable(error));
        return 1;
    }
    bench::WindowOnSimulator connected(path);
    BenchWindow& bench = connected.bench;
    if (!connected.Connect()) {
        std::fprintf(stderr, "map_jobs_bench: no controller on %s\n", qPrintable(sim.portPath()));
        return 1;
    }
    std::printf("Map transfers in the window against zantrel-ecusim --baud-delay over a pseudo-terminal\n");
    std::vector<Figures> reads;
    for (int i = 0; i < 3; ++i)
        reads.push_back(bench::TimeInWindow(app, bench, readMaps));
    bench::Report("Map read (17 + 84 + 12 exchanges), median of 3", bench::MedianOf(reads), bench::ProtocolMs(readMaps));

    std::vector<Figures> steps;
    for (int i = 0; i < 3; ++i)
        steps.push_back(bench::TimeInWindow(app, bench, [i](BenchWindow& b) { stepWholeMap(b, i % 2 ? -5 : 5); }));
    bench::Report("\"+ 5%\" on the whole map (84 cells), median of 3", bench::MedianOf(steps),
                  bench::ProtocolMs([](BenchWindow& b) { stepWholeMap(b, 5); }, readAllWords));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return zantrel::bench::RunOffscreen(argc, argv, "map_jobs_bench", run);
}
