#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel::sim {

// The tables a controller holds after a factory reset, for ignition type 2 at the slow
// clock: the standard axis points (1000..6000 rpm, 1.5..18 ms), every map cell and curve
// point at +15 %, the emission block defaults, and the temperature table with every
// enrichment at 0 % over the points 1, 6, 11, 16, 21 C.
constexpr int kMapPoints = 17;
constexpr int kMapRows = 12;
constexpr int kMapColumns = 7;
constexpr int kCurvePoints = 12;
constexpr int kEmissionWords = 12;
constexpr int kTempBreakpoints = 5;
constexpr int kTempCorrections = 6;

constexpr quint8 kDefaultCorrectionByte = 115; // percent + 100

// Speeds and times as a factory-reset controller stores them: for ignition type 2
// ("4 Cyl.") at the slow clock.
constexpr int kFactoryIgnitionType = 2;
quint16 FactoryPeriod(int rpm);
quint16 FactoryTicks(float ms);

std::array<quint16, kMapPoints> DefaultMapPoints();
std::array<quint16, kEmissionWords> DefaultEmissionBlock();
constexpr std::array<quint8, kTempBreakpoints> kDefaultTempBreakpoints{1, 6, 11, 16, 21};
constexpr quint8 kDefaultTempCorrection = 100;

} // namespace zantrel::sim
