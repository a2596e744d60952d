#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel {

// The controller has 5 gas temperature points and 6 enrichments between and beyond them.
constexpr int kTempBreakpoints = 5;
constexpr int kTempCorrections = 6;

// The program's copy of the temperature enrichment table: the points in degrees C and
// the enrichments as percent + 100, one byte each as the controller keeps them.
struct TemperatureTable {
    std::array<quint8, kTempBreakpoints> points{};
    std::array<quint8, kTempCorrections> corrections{};

    friend bool operator==(const TemperatureTable&, const TemperatureTable&) = default;
};

} // namespace zantrel
