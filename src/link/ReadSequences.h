#pragma once

#include "image/ControllerIdentity.h"
#include "image/InjectionMaps.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace zantrel {

class EcuCommands;
class LinkJob;

// The fixed reads. A value is present only when its reply passed the acceptance test;
// an absent value means the caller keeps what it had.
//
// Each read comes twice: as steps added to a job, whose results land in an object the
// caller shares with the job, and straight through on the link's pause clock (for the
// command-line tool and the tests), which runs the same steps.

constexpr int kParameterWords = 64;
using ParameterReadout = std::array<std::optional<quint16>, kParameterWords>;
using WordReadout = std::optional<quint16>;
using ByteReadout = std::optional<quint8>;

// "d" i; collect 6; index echo checked.
void ReadParameterWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out);
WordReadout ReadParameterWord(EcuCommands& cmds, quint8 index);

// DrainInput; 20 ms; "d" 0..63, each with its index echo checked. `progress` (if set)
// is told each index after its reply was judged.
void ReadParameterWords(LinkJob& job, std::shared_ptr<ParameterReadout> out,
                        std::function<void(int index)> progress = {});
ParameterReadout ReadParameterWords(EcuCommands& cmds);

// The read of all words as the program and the command-line tool make it: the words
// above, then once more each word that got no valid reply. A read is harmless, and on a
// loaded PC a reply can miss its collection without any fault of the controller's.
void ReadAllParameterWords(LinkJob& job, std::shared_ptr<ParameterReadout> out,
                           std::function<void(int index)> progress = {});
ParameterReadout ReadAllParameterWords(EcuCommands& cmds);

// 20 ms; "I"; collect 5.
void ReadIdentify(LinkJob& job, std::shared_ptr<std::optional<ControllerIdentity>> out);
std::optional<ControllerIdentity> ReadIdentify(EcuCommands& cmds);

// 10 ms; "d" 35, 36, 38, 37; each with its index echo. Indexed by word - 35.
constexpr int kFirstCounterWord = 35;
using CounterReadout = std::array<std::optional<quint16>, 4>;
void ReadCounterWords(LinkJob& job, std::shared_ptr<CounterReadout> out);
CounterReadout ReadCounterWords(EcuCommands& cmds);

// "P" i; collect 6; index echo checked.
void ReadExtendedWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out);
WordReadout ReadExtendedWord(EcuCommands& cmds, quint8 index);

// The map read: axis points "}" 0..16, cells "L" column by column (rows 0..11 within
// each), correction curve "2" 0..11. Every request that fails is sent once more.
struct MapReadout {
    std::array<std::optional<quint16>, kMapPoints> points;
    std::array<std::array<std::optional<quint8>, kMapColumns>, kMapRows> cells;
    std::array<std::optional<quint8>, kCurvePoints> curve;
};
enum class MapPart { Points, Cells, Curve };
// What a map read tells as it goes: a part begins, and an entry has been judged (points
// and curve by their index, cells by their place in the read, column * 12 + row).
struct MapReadHooks {
    std::function<void(MapPart part)> begin;
    std::function<void(MapPart part, int index)> judged;
};
void ReadMaps(LinkJob& job, std::shared_ptr<MapReadout> out, MapReadHooks hooks = {});
// Single entries as the map read asks for them (collect 5, once more if rejected): a
// point "}" i, a cell "L" row column, a curve point "2" k.
void ReadMapPoint(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out);
void ReadMapCell(LinkJob& job, quint8 row, quint8 column, std::shared_ptr<ByteReadout> out);
void ReadCurvePoint(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out);
MapReadout ReadMaps(EcuCommands& cmds);

// The word-shape reads of the emission and temperature tables (collect 5, no echo).
void ReadEmissionWord(LinkJob& job, quint8 index, std::shared_ptr<WordReadout> out);
WordReadout ReadEmissionWord(EcuCommands& cmds, quint8 index);
void ReadTempBreakpoint(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out);
ByteReadout ReadTempBreakpoint(EcuCommands& cmds, quint8 index);
void ReadTempCorrection(LinkJob& job, quint8 index, std::shared_ptr<ByteReadout> out);
ByteReadout ReadTempCorrection(EcuCommands& cmds, quint8 index);

} // namespace zantrel
