#pragma once

#include "image/ParameterWordIndex.h"
#include "image/TemperatureTable.h"

#include <QtGlobal>

#include <functional>
#include <span>

namespace zantrel {

class EcuCommands;
class LinkJob;

// The fixed multi-frame writes. No reply is collected inside them; their pauses are
// part of the protocol (the controller needs them to store each step). Each is a list
// of steps added to a job; the forms that take EcuCommands run those steps straight
// through on the link's pause clock.

// "K" i; 30 ms; "E" i v; 20 ms; "D" i v. An editor's single write is preceded by
// leadingPauseMs (10 ms, 20 ms in a few editors).
void WriteParameter(LinkJob& job, quint8 index, int value, int leadingPauseMs = 0);
void WriteParameter(EcuCommands& cmds, quint8 index, int value, int leadingPauseMs = 0);

// Words 63 down to 1 from `values` (at least 64 entries, low 16 bits sent), each
// followed by 20 ms; then word 0 as the programmed marker 0xAAAA. `beforeWord` (if set)
// is told before each of words 63..1 (the progress bar steps). The values are taken
// when the steps are built.
void WriteAllParameters(LinkJob& job, std::span<const qint32> values, std::function<void()> beforeWord = {});
void WriteAllParameters(EcuCommands& cmds, std::span<const qint32> values);

// "]" i v; 10 ms; ">" i; 20 ms; "_" i v; tail (20 ms, 30 ms from the point editor).
void WriteMapPointSequence(LinkJob& job, quint8 index, int value, int tailPauseMs = 20);
void WriteMapPointSequence(EcuCommands& cmds, quint8 index, int value, int tailPauseMs = 20);

// "F" r c v; 10 ms; then the map-bank store of w and p, the word that holds the cell
// and its new content.
void WriteMapCellSequence(LinkJob& job, quint8 row, quint8 column, quint8 value, quint8 bankWord, int bankValue);
void WriteMapCellSequence(EcuCommands& cmds, quint8 row, quint8 column, quint8 value, quint8 bankWord, int bankValue);
// The map-bank store of one word: ">" w; 20 ms; "_" w v; 20 ms.
void WriteMapBankWord(LinkJob& job, quint8 bankWord, int value);

// The second-bank tail after a first frame: 10 ms; "4" w; 30 ms; "7" w v; 10 ms.
void WriteCurvePointSequence(LinkJob& job, quint8 index, quint8 value); // "!" , bank i
void WriteCurvePointSequence(EcuCommands& cmds, quint8 index, quint8 value);
void WriteEmissionSequence(LinkJob& job, quint8 index, int value); // "Q" , bank i + 27
void WriteEmissionSequence(EcuCommands& cmds, quint8 index, int value);
// Nothing at all is sent for an index the controller does not have.
void WriteTempBreakpointSequence(LinkJob& job, quint8 index, quint8 value); // "%", bank i + 16
void WriteTempBreakpointSequence(EcuCommands& cmds, quint8 index, quint8 value);
void WriteTempCorrectionSequence(LinkJob& job, quint8 index, quint8 value); // "^", bank i + 21
void WriteTempCorrectionSequence(EcuCommands& cmds, quint8 index, quint8 value);

constexpr int kSecondBankCurveBase = 0;
constexpr int kSecondBankTempBreakpointBase = 16;
constexpr int kSecondBankTempCorrectionBase = 21;
constexpr int kSecondBankEmissionBase = 27;

// 10 ms; "M" i; 30 ms; "U" i hi lo; 10 ms.
void WriteExtendedWord(LinkJob& job, quint8 index, int value);
void WriteExtendedWord(EcuCommands& cmds, quint8 index, int value);
// Words 0..59 of the car-data block, each: 30 ms; "M" i; 30 ms; "U" i hi lo.
void WriteCarDataBlock(LinkJob& job, std::span<const quint16> words);
// One word of the block in that form.
void WriteCarDataWord(LinkJob& job, quint8 index, quint16 word);
void WriteCarDataBlock(EcuCommands& cmds, std::span<const quint16> words);
constexpr int kCarDataWrittenWords = 60;

// Any of the above, straight through: `build` adds the steps.
void RunSequence(EcuCommands& cmds, const std::function<void(LinkJob&)>& build);

} // namespace zantrel
