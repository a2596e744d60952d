// The live view in the window, offscreen at the design size with every display shown:
//  1. the cost of one UpdateLiveView, and of one with the repaint it causes (medians), with
//     the readings tab in view and with the oscilloscope tab and its three panels;
//  2. against zantrel-ecusim --baud-delay over a pseudo-terminal for 10 s of live poll:
//     the share of wall time the GUI thread spends handling events (blocked for the
//     user) and the records accepted per second.
//   live_view_bench [SECONDS]
#include "BenchWindow.h"
#include "app/MainWindow.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "launcher/EcuSimProcess.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "live/LiveView.h"
#include "sim/ControllerModel.h"
#include "sim/SimSerialIo.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace zantrel;
using bench::BenchWindow;
using bench::kDesignSize;
using bench::TimedApplication;

constexpr int kUpdates = 2000;

double median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] / 1000.0;
}

double percentile90(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() * 9 / 10] / 1000.0;
}

void benchUpdate(TabId tab, const char* name)
{
    VirtualClock clock;
    sim::ControllerModel model;
    sim::SimSerialIo io(model, clock);
    EcuLink link(io, clock);
    BenchWindow bench(link);
    bench.window.TimerVizualizacja.stop();
    bench.window.SelectTab(tab);
    QCoreApplication::processEvents();

    LiveView& live = bench.window.Live();
    std::vector<qint64> update;
    std::vector<qint64> withPaint;
    QElapsedTimer t;
    for (int i = 0; i < kUpdates; ++i) {
        // A changing record: every text, bar and needle moves, and the fuel mode flips.
        LiveWords w = model.liveRecord();
        for (int c = 0; c < 8; ++c) {
            w[size_t(live::kPetrolTime[size_t(c)])] = quint16(300 + (i * 7 + c * 13) % 1500);
            w[size_t(live::kGasTime[size_t(c)])] = quint16(360 + (i * 11 + c * 17) % 1700);
        }
        w[live::kSpeedPeriod] = quint16(1000 + (i * 37) % 8000);
        w[live::kFuelState] = (i / 100) % 2;
        w[live::kPressure] = quint16((i * 29) % 4096);
        w[live::kLambda1] = quint16((i * 41) % 4096);
        w[live::kLambda2] = quint16((i * 43) % 4096);
        w[live::kLevel] = quint16((i * 53) % 4096);
        live.Record().Assign(w);
        t.start();
        live.UpdateLiveView();
        update.push_back(t.nsecsElapsed());
        QCoreApplication::processEvents(); // the paints the update asked for
        withPaint.push_back(t.nsecsElapsed());
    }
    std::printf("UpdateLiveView on the %s, offscreen %dx%d, every display shown, %d updates\n", name,
                kDesignSize.width(), kDesignSize.height(), kUpdates);
    std::printf("  update alone        median %8.1f us   p90 %8.1f us\n", median(update), percentile90(update));
    std::printf("  update and repaint  median %8.1f us   p90 %8.1f us   (target under 1000 us)\n", median(withPaint),
                percentile90(withPaint));
}

// Ten seconds (or as given) of live poll in the window on the controller at `port`.
bool measurePoll(TimedApplication& app, const QString& port, int seconds)
{
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    BenchWindow bench(link, port);
    bench.window.MenuItem(QStringLiteral("COM8CTRL81"))->trigger(); // connects, reads the parameters
    // The read of the parameters is a job of its own; the live poll waits for it.
    QElapsedTimer reading;
    reading.start();
    while (bench.gate.Busy() && !reading.hasExpired(5000))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!link.Connected()) {
        std::fprintf(stderr, "live_view_bench: no controller on %s\n", qPrintable(port));
        return false;
    }

    int records = 0;
    QObject::connect(&bench.window.Live().Poll(), &LivePoll::RecordAccepted, [&records] { ++records; });
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, [&app] {
        app.measuring = false;
        QCoreApplication::quit();
    });
    QElapsedTimer wall;
    app.measuring = true;
    wall.start();
    app.exec();
    const double wallMs = wall.nsecsElapsed() / 1e6;

    std::printf("Live poll against zantrel-ecusim --baud-delay over a pseudo-terminal, %.2f s\n", wallMs / 1000.0);
    std::printf("  GUI thread busy     %6.2f %% of wall time (target under 15 %%); longest event %.2f ms\n",
                100.0 * (app.busyNs / 1e6) / wallMs, app.longestNs / 1e6);
    std::printf("  records accepted    %6.2f per second (target 39.6, ceiling 40 at 25 ms)\n",
                records / (wallMs / 1000.0));
    return true;
}

int benchPoll(TimedApplication& app, int seconds)
{
    sim::EcuSimProcess sim({QStringLiteral("--baud-delay"), QStringLiteral("--scenario"), QStringLiteral("drive")});
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "live_view_bench: %s\n", qPrintable(error));
        return 1;
    }
    const bool measured = measurePoll(app, sim.portPath(), seconds);
    return sim.stop() == 0 && measured ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    QTemporaryDir start;
    if (!start.isValid() || !QDir::setCurrent(start.path())) {
        std::fprintf(stderr, "live_view_bench: no start directory\n");
        return 1;
    }
    const int seconds = std::max(1, app.arguments().value(1, QStringLiteral("10")).toInt());
    benchUpdate(TabId::TabSheet1, "readings tab");
    benchUpdate(TabId::TabSheet2, "oscilloscope tab");
    return benchPoll(app, seconds);
}
