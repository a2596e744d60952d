#include "link/WriteSequences.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"

#include <algorithm>

namespace zantrel {

namespace {

void secondBankTail(EcuCommands& cmds, int bankWord, int value)
{
    EcuLink& link = cmds.link();
    link.Sleep(10);
    cmds.SecondBankSelect(quint8(bankWord));
    link.Sleep(30);
    cmds.SecondBankValue(quint8(bankWord), value);
    link.Sleep(10);
}

void parameterSteps(EcuCommands& cmds, quint8 index, int value, int middlePauseMs)
{
    EcuLink& link = cmds.link();
    cmds.ParameterSelect(index);
    link.Sleep(30);
    cmds.ParameterValue(index, value);
    link.Sleep(middlePauseMs);
    cmds.ParameterConfirm(index, value);
}

} // namespace

void WriteParameter(EcuCommands& cmds, quint8 index, int value, int leadingPauseMs)
{
    cmds.link().Sleep(leadingPauseMs);
    parameterSteps(cmds, index, value, 20);
}

void WriteAllParameters(EcuCommands& cmds, std::span<const qint32> values,
                        const std::function<void()>& beforeWord)
{
    EcuLink& link = cmds.link();
    for (int i = 63; i >= 1; --i) {
        if (beforeWord)
            beforeWord();
        parameterSteps(cmds, quint8(i), values[i], 20);
        link.Sleep(20);
    }
    parameterSteps(cmds, 0, kProgrammedMarker, 30);
    link.Sleep(10);
}

void WriteMapPointSequence(EcuCommands& cmds, quint8 index, int value, int tailPauseMs)
{
    EcuLink& link = cmds.link();
    cmds.WriteMapPoint(index, value);
    link.Sleep(10);
    cmds.MapBankSelect(index);
    link.Sleep(20);
    cmds.MapBankValue(index, value);
    link.Sleep(tailPauseMs);
}

void WriteMapCellSequence(EcuCommands& cmds, quint8 row, quint8 column, quint8 value,
                          quint8 bankWord, int bankValue)
{
    EcuLink& link = cmds.link();
    cmds.WriteMapCell(row, column, value);
    link.Sleep(10);
    cmds.MapBankSelect(bankWord);
    link.Sleep(20);
    cmds.MapBankValue(bankWord, bankValue);
    link.Sleep(20);
}

void WriteCurvePointSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    cmds.WriteCurvePoint(index, value);
    secondBankTail(cmds, kSecondBankCurveBase + index, value);
}

void WriteEmissionSequence(EcuCommands& cmds, quint8 index, int value)
{
    cmds.WriteEmission(index, value);
    secondBankTail(cmds, kSecondBankEmissionBase + index, value);
}

void WriteTempBreakpointSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    if (index >= EcuCommands::kTempBreakpoints)
        return;
    cmds.WriteTempBreakpoint(index, value);
    secondBankTail(cmds, kSecondBankTempBreakpointBase + index, value);
}

void WriteTempCorrectionSequence(EcuCommands& cmds, quint8 index, quint8 value)
{
    if (index >= EcuCommands::kTempCorrections)
        return;
    cmds.WriteTempCorrection(index, value);
    secondBankTail(cmds, kSecondBankTempCorrectionBase + index, value);
}

void WriteExtendedWord(EcuCommands& cmds, quint8 index, int value)
{
    EcuLink& link = cmds.link();
    link.Sleep(10);
    cmds.ExtendedSelect(index);
    link.Sleep(30);
    cmds.ExtendedValue(index, value);
    link.Sleep(10);
}

void WriteCarDataBlock(EcuCommands& cmds, std::span<const quint16> words)
{
    EcuLink& link = cmds.link();
    const int count = std::min<int>(kCarDataWrittenWords, int(words.size()));
    for (int i = 0; i < count; ++i) {
        link.Sleep(30);
        cmds.ExtendedSelect(quint8(i));
        link.Sleep(30);
        cmds.ExtendedValue(quint8(i), words[i]);
    }
}

} // namespace zantrel
