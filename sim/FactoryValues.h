#pragma once

#include <QtGlobal>

#include <span>

namespace zantrel::sim {

// What the simulated controller holds in its parameter words when it starts: the
// factory values, and for the words that a factory reset leaves alone (the counters,
// 54..63) values of a controller that has been in use.
struct ParameterStart {
    int index;
    quint16 value;
    const char* meaning;
};

// One row per word, indexes 0..63 in order.
std::span<const ParameterStart> ParameterStartTable();

constexpr quint16 kProgrammedMarker = 0xAAAA;
constexpr quint16 kUnprogrammedMarker = 0x5555;

} // namespace zantrel::sim
