#include "link/ReadSequences.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/ReplyShapes.h"

namespace zantrel {

namespace {

// Word-shape reads whose callers ask for 5 bytes: the sixth (";") still lands in the
// buffer because completion is judged on the bytes before the current poll.
constexpr quint32 kShortWordCount = 5;

template <typename Send>
bool requestWord(EcuCommands& cmds, Send send, quint32 count, std::optional<quint8> echo)
{
    send();
    cmds.link().CollectReply(count);
    return AcceptWord(cmds.link().CurrentReply(), echo);
}

template <typename Send>
bool requestWordWithRetry(EcuCommands& cmds, Send send)
{
    return requestWord(cmds, send, kShortWordCount, std::nullopt)
        || requestWord(cmds, send, kShortWordCount, std::nullopt);
}

std::optional<quint16> wordIf(EcuCommands& cmds, bool accepted)
{
    if (!accepted)
        return std::nullopt;
    return ReplyWordValue(cmds.link().CurrentReply());
}

std::optional<quint8> byteIf(EcuCommands& cmds, bool accepted)
{
    if (!accepted)
        return std::nullopt;
    return ReplyByteValue(cmds.link().CurrentReply());
}

} // namespace

std::optional<quint16> ReadParameterWord(EcuCommands& cmds, quint8 index)
{
    return wordIf(cmds, requestWord(cmds, [&] { cmds.ReadParameter(index); }, kWordReplyLength, index));
}

ParameterReadout ReadParameterWords(EcuCommands& cmds, const std::function<void(int)>& progress)
{
    ParameterReadout out;
    EcuLink& link = cmds.link();
    link.DrainInput();
    link.Sleep(20);
    for (int i = 0; i < kParameterWords; ++i) {
        out[i] = ReadParameterWord(cmds, quint8(i));
        if (progress)
            progress(i);
    }
    return out;
}

std::optional<ControllerIdentity> ReadIdentify(EcuCommands& cmds)
{
    EcuLink& link = cmds.link();
    link.Sleep(20);
    cmds.Identify();
    link.CollectReply(kIdentifyReplyLength);
    const Reply reply = link.CurrentReply();
    if (!AcceptIdentify(reply))
        return std::nullopt;
    return ControllerIdentity{reply.bytes[1], reply.bytes[2]};
}

std::array<std::optional<quint16>, 4> ReadCounterWords(EcuCommands& cmds)
{
    std::array<std::optional<quint16>, 4> out;
    cmds.link().Sleep(10);
    for (const int word : {35, 36, 38, 37})
        out[word - kFirstCounterWord] = ReadParameterWord(cmds, quint8(word));
    return out;
}

std::optional<quint16> ReadExtendedWord(EcuCommands& cmds, quint8 index)
{
    cmds.ReadExtended(index);
    cmds.link().CollectReply(kWordReplyLength);
    const Reply reply = cmds.link().CurrentReply();
    if (!AcceptExtendedWord(reply, index))
        return std::nullopt;
    return ReplyWordValue(reply);
}

MapReadout ReadMaps(EcuCommands& cmds)
{
    MapReadout out;
    for (int i = 0; i < kMapPoints; ++i)
        out.points[i] = wordIf(cmds, requestWordWithRetry(cmds, [&] { cmds.ReadMapPoint(quint8(i)); }));
    for (int c = 0; c < kMapColumns; ++c)
        for (int r = 0; r < kMapRows; ++r)
            out.cells[r][c] = byteIf(
                cmds, requestWordWithRetry(cmds, [&] { cmds.ReadMapCell(quint8(r), quint8(c)); }));
    for (int i = 0; i < kCurvePoints; ++i)
        out.curve[i] = byteIf(cmds, requestWordWithRetry(cmds, [&] { cmds.ReadCurvePoint(quint8(i)); }));
    return out;
}

std::optional<quint16> ReadEmissionWord(EcuCommands& cmds, quint8 index)
{
    return wordIf(cmds, requestWord(cmds, [&] { cmds.ReadEmission(index); }, kShortWordCount,
                                    std::nullopt));
}

std::optional<quint8> ReadTempBreakpoint(EcuCommands& cmds, quint8 index)
{
    return byteIf(cmds, requestWord(cmds, [&] { cmds.ReadTempBreakpoint(index); },
                                    kShortWordCount, std::nullopt));
}

std::optional<quint8> ReadTempCorrection(EcuCommands& cmds, quint8 index)
{
    return byteIf(cmds, requestWord(cmds, [&] { cmds.ReadTempCorrection(index); },
                                    kShortWordCount, std::nullopt));
}

} // namespace zantrel
