#pragma once

#include "link/ReadSequences.h"

#include <QtGlobal>

#include <array>

namespace zantrel {

// What the factory reset puts into the maps: every load/speed cell and every load-curve
// point at +15 % (percent + 100), and the axis points of the "Standard (18 ms, 6000 rpm)"
// preset. The cell byte is 100 + the smaller of 15 and the map limit, and the limit is
// never below 50.
constexpr quint8 kFactoryCellByte = 115;
constexpr quint8 kFactoryCurveByte = 115;

constexpr int kSpeedPoints = 6;
constexpr int kLoadPoints = kMapPoints - kSpeedPoints;

struct MapPointPreset {
    std::array<int, kSpeedPoints> speedsRpm;
    std::array<float, kLoadPoints> loadsMs; // petrol injection times
};

constexpr MapPointPreset kStandardMapPoints{
    {1000, 2000, 3000, 4000, 5000, 6000},
    {1.5f, 2.0f, 3.0f, 4.5f, 6.0f, 8.0f, 10.0f, 12.0f, 14.0f, 16.0f, 18.0f},
};

// The 17 axis words: periods of the speeds for the ignition type, then ticks of the times.
std::array<quint16, kMapPoints> MapPointWords(const MapPointPreset& preset, int ignitionType,
                                             bool fastClock);

} // namespace zantrel
