// The cost of one live exchange over a real pseudo-terminal, and of building and checking
// frames. The exchange cannot be faster than two 2 ms polls (completion is seen one poll
// after the reply arrives).
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/ReplyShapes.h"

#include "PortLink.h"
#include "support/PtyPeer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zantrel;

QByteArray liveReply()
{
    QByteArray r(67, '\0');
    r[0] = 'V';
    for (int i = 1; i <= 64; ++i)
        r[i] = char(i * 5);
    std::array<quint8, 67> b{};
    std::copy(r.begin(), r.end(), b.begin());
    r[65] = char(LiveChecksum(b));
    r[66] = ';';
    return r;
}

void BM_LiveExchangeOverPty(benchmark::State& state)
{
    const QByteArray reply = liveReply();
    test::PtyPeer peer([&](const QByteArray& f) { return f.at(0) == 'V' ? reply : QByteArray(); });
    bench::PortLink port;
    if (!port.open(peer.path())) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    EcuLink& link = port.link;
    EcuCommands& cmds = port.cmds;
    int accepted = 0;
    for (auto _ : state) {
        cmds.ReadLive();
        link.CollectReply(kLiveReplyLength);
        accepted += LiveChecksumOk(link.CurrentReply());
    }
    state.counters["accepted"] = benchmark::Counter(accepted, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LiveExchangeOverPty)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_BuildFrames(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        CommandFrame f = BuildFrame('E', i & 63, i);
        benchmark::DoNotOptimize(f);
        ++i;
    }
}
BENCHMARK(BM_BuildFrames);

void BM_CheckLiveReply(benchmark::State& state)
{
    const QByteArray r = liveReply();
    std::array<quint8, 128> b{};
    std::copy(r.begin(), r.end(), b.begin());
    for (auto _ : state) {
        bool ok = LiveChecksumOk({b, true});
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_CheckLiveReply);

} // namespace
