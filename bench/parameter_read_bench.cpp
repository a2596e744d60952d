// The time of a parameter read-all (64 "d" exchanges after a 20 ms pause) against the
// simulated controller at 57600 baud, printed beside its floor: 64 x (6 + 6 bytes on the
// wire + the two 2 ms polls a reply needs at the least) + 20 ms.
//
// Over a pseudo-terminal: zantrel-ecusim --baud-delay, the real QSerialPort path, run as
// the window runs it: a job through the link gate, its pauses and reply polls from a
// precise timer in the event loop. In-process: the same model behind SimSerialIo with
// wire time on the virtual clock, which gives the protocol's own cost without the
// scheduler's.
#include "PortLink.h"
#include "base/LanguageStrings.h"
#include "base/DecliningPrompter.h"
#include "config/ParameterTransfer.h"
#include "config/QuietTransferView.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "launcher/EcuSimProcess.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "sim/ControllerModel.h"
#include "sim/SimSerialIo.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

using namespace zantrel;

constexpr double kBitsPerByte = 10.0;
constexpr double kBaud = 57600.0;
constexpr double kExchangeBytes = 6 + 6;
constexpr double kTwoPollsMs = 4.0;
constexpr double kLeadingPauseMs = 20.0;
constexpr double kFloorMs =
    ParameterTable::kWords * (kExchangeBytes * kBitsPerByte / kBaud * 1000.0 + kTwoPollsMs) + kLeadingPauseMs;

// A slot value no reply can leave behind, to count the words a read-all took.
constexpr qint32 kUnread = 0x7FFFFFFF;

struct Transfer {
    Transfer(EcuLink& link, StepTimer& timer)
        : gate(link, timer)
        , transfer(gate, image, view, prompter, texts)
    {
    }

    // One read-all, to its end; returns the words it took.
    int readAll()
    {
        for (int i = 0; i < ParameterTable::kWords; ++i)
            table[i] = kUnread;
        transfer.ReadAll();
        while (gate.Busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        int taken = 0;
        for (int i = 0; i < ParameterTable::kWords; ++i)
            taken += table[i] != kUnread;
        return taken;
    }

    LinkGate gate;
    ControllerImage image;
    ParameterTable& table = image.Parameters();
    QuietTransferView view;
    DecliningPrompter prompter;
    LanguageStrings texts;
    ParameterTransfer transfer;
};

// Runs the read-all once per iteration and prints its mean time on `nowMs`'s clock.
void measure(benchmark::State& state, Transfer& transfer, const std::function<double()>& nowMs)
{
    double totalMs = 0;
    int iterations = 0;
    int taken = 0;
    for (auto _ : state) {
        const double start = nowMs();
        taken += transfer.readAll();
        totalMs += nowMs() - start;
        ++iterations;
    }
    const double ms = totalMs / iterations;
    state.counters["read_all_ms"] = ms;
    state.counters["floor_ms"] = kFloorMs;
    state.counters["vs_floor"] = ms / kFloorMs;
    state.counters["words_taken"] = double(taken) / iterations;
}

void BM_ReadAllOverPty(benchmark::State& state)
{
    sim::EcuSimProcess ecusim({QStringLiteral("--baud-delay")});
    QString error;
    if (!ecusim.start(&error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    bench::PortLink port;
    if (!port.open(ecusim.portPath())) {
        state.SkipWithError("cannot open the simulator's port");
        return;
    }
    PreciseStepTimer timer;
    Transfer transfer(port.link, timer);
    measure(state, transfer, [] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
    });
    ecusim.stop();
}
BENCHMARK(BM_ReadAllOverPty)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_ReadAllInProcessWireTime(benchmark::State& state)
{
    VirtualClock clock;
    clock.setRecording(false);
    sim::ControllerModel model;
    sim::LineOptions line;
    line.wireTime = true;
    sim::SimSerialIo io(model, clock, line);
    EcuLink link(io, clock);
    link.SetPortName(QStringLiteral("sim"));
    link.OpenPort();
    PauseStepTimer timer(clock);
    Transfer transfer(link, timer);
    measure(state, transfer, [&clock] { return double(clock.nowUs()) / 1000.0; });
}
BENCHMARK(BM_ReadAllInProcessWireTime)->Iterations(20);

} // namespace
