#include "link/WriteSequences.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"

#include <algorithm>

namespace zantrel {

namespace {

void secondBankTail(LinkJob& job, int bankWord, int value)
{
    job.Pause(10).Send('4', bankWord).Pause(30).Send('7', bankWord, value).Pause(10);
}

void parameterSteps(LinkJob& job, quint8 index, int value, int middlePauseMs)
{
    job.Send('K', index).Pause(30).Send('E', index, value).Pause(middlePauseMs).Send('D', index, value);
}

} // namespace

void RunSequence(EcuCommands& cmds, const std::function<void(LinkJob&)>& build)
{
    LinkJob job;
    build(job);
    RunJob(cmds.link(), std::move(job));
}

void WriteParameter(LinkJob& job, quint8 index, int value, int leadingPauseMs)
{
    job.Pause(leadingPauseMs);
    parameterSteps(job, index, value, 20);
}

void WriteParameter(EcuCommands& cmds, quint8 index, int value, int leadingPauseMs)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteParameter(job, index, value, leadingPauseMs); });
}

void WriteAllParameters(LinkJob& job, std::span<const qint32> values, std::function<void()> beforeWord)
{
    for (int i = 63; i >= 1; --i) {
        if (beforeWord)
            job.Then(beforeWord);
        parameterSteps(job, quint8(i), values[size_t(i)], 20);
        job.Pause(20);
    }
    parameterSteps(job, 0, kProgrammedMarker, 30);
    job.Pause(10);
}

void WriteAllParameters(EcuCommands& cmds, std::span<const qint32> values)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteAllParameters(job, values); });
}

void WriteMapPointSequence(LinkJob& job, quint8 index, int value, int tailPauseMs)
{
    job.Send(']', index, value).Pause(10).Send('>', index).Pause(20).Send('_', index, value).Pause(tailPauseMs);
}

void WriteMapCellSequence(LinkJob& job, quint8 row, quint8 column, quint8 value, quint8 bankWord, int bankValue)
{
    job.Send('F', row, column, value).Pause(10);
    WriteMapBankWord(job, bankWord, bankValue);
}

void WriteMapBankWord(LinkJob& job, quint8 bankWord, int value)
{
    job.Send('>', bankWord).Pause(20).Send('_', bankWord, value).Pause(20);
}

void WriteCurvePointSequence(LinkJob& job, quint8 index, quint8 value)
{
    job.Send('!', index, value);
    secondBankTail(job, kSecondBankCurveBase + index, value);
}

void WriteEmissionSequence(LinkJob& job, quint8 index, int value)
{
    job.Send('Q', index, value);
    secondBankTail(job, kSecondBankEmissionBase + index, value);
}

void WriteTempBreakpointSequence(LinkJob& job, quint8 index, quint8 value)
{
    if (index >= kTempBreakpoints)
        return;
    job.Send('%', index, value);
    secondBankTail(job, kSecondBankTempBreakpointBase + index, value);
}

void WriteTempCorrectionSequence(LinkJob& job, quint8 index, quint8 value)
{
    if (index >= kTempCorrections)
        return;
    job.Send('^', index, value);
    secondBankTail(job, kSecondBankTempCorrectionBase + index, value);
}

void WriteExtendedWord(LinkJob& job, quint8 index, int value)
{
    job.Pause(10).Send('M', index).Pause(30).Send('U', index, HighByte(value), LowByte(value)).Pause(10);
}

void WriteCarDataBlock(LinkJob& job, std::span<const quint16> words)
{
    const int count = std::min<int>(kCarDataWrittenWords, int(words.size()));
    for (int i = 0; i < count; ++i)
        WriteCarDataWord(job, quint8(i), words[size_t(i)]);
}

void WriteCarDataWord(LinkJob& job, quint8 index, quint16 word)
{
    job.Pause(30).Send('M', index).Pause(30).Send('U', index, HighByte(word), LowByte(word));
}

void WriteMapPointSequence(EcuCommands& cmds, quint8 index, int value, int tailPauseMs)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteMapPointSequence(job, index, value, tailPauseMs); });
}

void WriteMapCellSequence(EcuCommands& cmds, quint8 row, quint8 column, quint8 value, quint8 bankWord, int bankValue)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteMapCellSequence(job, row, column, value, bankWord, bankValue); });
}

void WriteCurvePointSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteCurvePointSequence(job, index, value); });
}

void WriteEmissionSequence(EcuCommands& cmds, quint8 index, int value)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteEmissionSequence(job, index, value); });
}

void WriteTempBreakpointSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteTempBreakpointSequence(job, index, value); });
}

void WriteTempCorrectionSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteTempCorrectionSequence(job, index, value); });
}

void WriteExtendedWord(EcuCommands& cmds, quint8 index, int value)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteExtendedWord(job, index, value); });
}

void WriteCarDataBlock(EcuCommands& cmds, std::span<const quint16> words)
{
    RunSequence(cmds, [&](LinkJob& job) { WriteCarDataBlock(job, words); });
}

} // namespace zantrel
