#include "link/ReadSequences.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/ReplyShapes.h"

namespace zantrel {

namespace {

// Word-shape reads whose callers ask for 5 bytes: the sixth (";") still lands in the
// buffer because completion is judged on the bytes before the current poll.
constexpr quint32 kShortWordCount = 5;
constexpr int kMapRetries = 1;

// A word-shape request whose accepted reply is stored into *out by `value`.
template <typename T, typename Value>
void requestWord(LinkJob& job, const CommandFrame& frame, quint32 count, std::optional<quint8> echo,
                 int retries, std::shared_ptr<std::optional<T>> out, Value value)
{
    job.Request(
        frame, count, [echo](const Reply& r) { return AcceptWord(r, echo); }, retries,
        [out = std::move(out), value](const Reply* accepted) {
            if (accepted)
                *out = value(*accepted);
        });
}

quint16 wordOf(const Reply& r) { return ReplyWordValue(r); }
quint8 byteOf(const Reply& r) { return ReplyByteValue(r); }

// One element of a readout array, shared with the job as its own slot.
template <typename T>
std::shared_ptr<std::optional<T>> slotOf(const std::shared_ptr<void>& owner, std::optional<T>& element)
{
    return std::shared_ptr<std::optional<T>>(owner, &element);
}

// Runs a read straight through and hands back what its steps stored.
template <typename Result, typename Build>
Result runRead(EcuCommands& cmds, Build build)
{
    auto out = std::make_shared<Result>();
    LinkJob job;
    build(job, out);
    RunJob(cmds.link(), std::move(job));
    return *out;
}

} // namespace

void ReadParameterWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out)
{
    requestWord(job, BuildFrame('d', index), kWordReplyLength, index, 0, std::move(out), wordOf);
}

WordReadout ReadParameterWord(EcuCommands& cmds, quint8 index)
{
    return runRead<WordReadout>(cmds, [index](LinkJob& job, auto out) { ReadParameterWord(job, index, out); });
}

void ReadParameterWords(LinkJob& job, std::shared_ptr<ParameterReadout> out, std::function<void(int)> progress)
{
    job.Drain().Pause(20);
    for (int i = 0; i < kParameterWords; ++i) {
        ReadParameterWord(job, quint8(i), slotOf(out, (*out)[size_t(i)]));
        if (progress)
            job.Then([progress, i] { progress(i); });
    }
}

ParameterReadout ReadParameterWords(EcuCommands& cmds)
{
    return runRead<ParameterReadout>(cmds, [](LinkJob& job, auto out) { ReadParameterWords(job, out); });
}

void ReadAllParameterWords(LinkJob& job, std::shared_ptr<ParameterReadout> out, std::function<void(int)> progress)
{
    ReadParameterWords(job, out, std::move(progress));
    job.Then([out](LinkJob& again, const Reply&) {
        for (int i = 0; i < kParameterWords; ++i)
            if (!(*out)[size_t(i)])
                ReadParameterWord(again, quint8(i), slotOf(out, (*out)[size_t(i)]));
    });
}

ParameterReadout ReadAllParameterWords(EcuCommands& cmds)
{
    return runRead<ParameterReadout>(cmds, [](LinkJob& job, auto out) { ReadAllParameterWords(job, out); });
}

void ReadIdentify(LinkJob& job, std::shared_ptr<std::optional<ControllerIdentity>> out)
{
    job.Pause(20).Send('I').Collect(kIdentifyReplyLength).Then([out](LinkJob&, const Reply& reply) {
        if (AcceptIdentify(reply))
            *out = ControllerIdentity{reply.bytes[1], reply.bytes[2]};
    });
}

std::optional<ControllerIdentity> ReadIdentify(EcuCommands& cmds)
{
    return runRead<std::optional<ControllerIdentity>>(cmds, [](LinkJob& job, auto out) { ReadIdentify(job, out); });
}

void ReadCounterWords(LinkJob& job, std::shared_ptr<CounterReadout> out)
{
    job.Pause(10);
    for (const int word : {35, 36, 38, 37})
        ReadParameterWord(job, quint8(word), slotOf(out, (*out)[size_t(word - kFirstCounterWord)]));
}

CounterReadout ReadCounterWords(EcuCommands& cmds)
{
    return runRead<CounterReadout>(cmds, [](LinkJob& job, auto out) { ReadCounterWords(job, out); });
}

void ReadExtendedWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out)
{
    job.Request(
        BuildFrame('P', index), kWordReplyLength, [index](const Reply& r) { return AcceptExtendedWord(r, index); },
        0, [out = std::move(out)](const Reply* accepted) {
            if (accepted)
                *out = ReplyWordValue(*accepted);
        });
}

WordReadout ReadExtendedWord(EcuCommands& cmds, quint8 index)
{
    return runRead<WordReadout>(cmds, [index](LinkJob& job, auto out) { ReadExtendedWord(job, index, out); });
}

void ReadMaps(LinkJob& job, std::shared_ptr<MapReadout> out, MapReadHooks hooks)
{
    const auto begin = [&job, &hooks](MapPart part) {
        if (hooks.begin)
            job.Then([begin = hooks.begin, part] { begin(part); });
    };
    const auto judged = [&job, &hooks](MapPart part, int index) {
        if (hooks.judged)
            job.Then([judged = hooks.judged, part, index] { judged(part, index); });
    };
    begin(MapPart::Points);
    for (int i = 0; i < kMapPoints; ++i) {
        ReadMapPoint(job, quint8(i), slotOf(out, out->points[size_t(i)]));
        judged(MapPart::Points, i);
    }
    begin(MapPart::Cells);
    for (int c = 0; c < kMapColumns; ++c) {
        for (int r = 0; r < kMapRows; ++r) {
            ReadMapCell(job, quint8(r), quint8(c), slotOf(out, out->cells[size_t(r)][size_t(c)]));
            judged(MapPart::Cells, c * kMapRows + r);
        }
    }
    begin(MapPart::Curve);
    for (int i = 0; i < kCurvePoints; ++i) {
        ReadCurvePoint(job, quint8(i), slotOf(out, out->curve[size_t(i)]));
        judged(MapPart::Curve, i);
    }
}

void ReadMapPoint(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out)
{
    requestWord(job, BuildFrame('}', index), kShortWordCount, std::nullopt, kMapRetries, std::move(out), wordOf);
}

void ReadMapCell(LinkJob& job, quint8 row, quint8 column, std::shared_ptr<ByteReadout> out)
{
    requestWord(job, BuildFrame('L', row, column), kShortWordCount, std::nullopt, kMapRetries, std::move(out), byteOf);
}

void ReadCurvePoint(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out)
{
    requestWord(job, BuildFrame('2', index), kShortWordCount, std::nullopt, kMapRetries, std::move(out), byteOf);
}

MapReadout ReadMaps(EcuCommands& cmds)
{
    return runRead<MapReadout>(cmds, [](LinkJob& job, auto out) { ReadMaps(job, out); });
}

void ReadEmissionWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out)
{
    requestWord(job, BuildFrame('q', index), kShortWordCount, std::nullopt, 0, std::move(out), wordOf);
}

WordReadout ReadEmissionWord(EcuCommands& cmds, quint8 index)
{
    return runRead<WordReadout>(cmds, [index](LinkJob& job, auto out) { ReadEmissionWord(job, index, out); });
}

void ReadTempBreakpoint(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out)
{
    requestWord(job, BuildFrame('.', index), kShortWordCount, std::nullopt, 0, std::move(out), byteOf);
}

ByteReadout ReadTempBreakpoint(EcuCommands& cmds, quint8 index)
{
    return runRead<ByteReadout>(cmds, [index](LinkJob& job, auto out) { ReadTempBreakpoint(job, index, out); });
}

void ReadTempCorrection(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out)
{
    requestWord(job, BuildFrame('|', index), kShortWordCount, std::nullopt, 0, std::move(out), byteOf);
}

ByteReadout ReadTempCorrection(EcuCommands& cmds, quint8 index)
{
    return runRead<ByteReadout>(cmds, [index](LinkJob& job, auto out) { ReadTempCorrection(job, index, out); });
}

} // namespace zantrel
