#pragma once

#include "link/ControllerIdentity.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

namespace zantrel {

class EcuCommands;

// The fixed reads. A value is present only when its reply passed the acceptance test;
// an absent value means the caller keeps what it had.

constexpr int kParameterWords = 64;
using ParameterReadout = std::array<std::optional<quint16>, kParameterWords>;

// DrainInput; 20 ms; "d" 0..63, each with its index echo checked. `progress` (if set)
// is told each index after its reply was judged.
ParameterReadout ReadParameterWords(EcuCommands& cmds,
                                    const std::function<void(int index)>& progress = {});

// "d" i; collect 6; index echo checked.
std::optional<quint16> ReadParameterWord(EcuCommands& cmds, quint8 index);

// 20 ms; "I"; collect 5.
std::optional<ControllerIdentity> ReadIdentify(EcuCommands& cmds);

// 10 ms; "d" 35, 36, 38, 37; each with its index echo. Indexed by word - 35.
std::array<std::optional<quint16>, 4> ReadCounterWords(EcuCommands& cmds);
constexpr int kFirstCounterWord = 35;

// "P" i; collect 6; index echo checked.
std::optional<quint16> ReadExtendedWord(EcuCommands& cmds, quint8 index);

// The map read: axis points "}" 0..16, cells "L" column by column (rows 0..11 within
// each), correction curve "2" 0..11. Every request that fails is sent once more.
constexpr int kMapPoints = 17;
constexpr int kMapRows = 12;
constexpr int kMapColumns = 7;
constexpr int kCurvePoints = 12;
struct MapReadout {
    std::array<std::optional<quint16>, kMapPoints> points;
    std::array<std::array<std::optional<quint8>, kMapColumns>, kMapRows> cells;
    std::array<std::optional<quint8>, kCurvePoints> curve;
};
MapReadout ReadMaps(EcuCommands& cmds);

// The word-shape reads of the emission and temperature tables (collect 5, no echo).
std::optional<quint16> ReadEmissionWord(EcuCommands& cmds, quint8 index);
std::optional<quint8> ReadTempBreakpoint(EcuCommands& cmds, quint8 index);
std::optional<quint8> ReadTempCorrection(EcuCommands& cmds, quint8 index);

} // namespace zantrel
