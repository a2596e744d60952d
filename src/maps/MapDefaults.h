#pragma once

#include "image/InjectionMaps.h"

#include <QtGlobal>

#include <array>
#include <span>

namespace zantrel {

// The characteristic points of an engine kind: the four buttons of the point dialog.
// The factory reset takes the first, "Standard".
struct MapPointPreset {
    const char* caption;
    std::array<int, kSpeedPoints> speedsRpm;
    std::array<int, kLoadPoints> loadTenths; // petrol injection times in 0.1 ms
};

std::span<const MapPointPreset> MapPointPresets();
const MapPointPreset& StandardMapPoints();

// What the map tab shows from start-up until the first read or file load: 1000..6000
// rpm, 1.5..20 ms, +5 % in every cell and 0 % on the curve. None of it is known.
InjectionMaps StartupMaps();

// The factory reset puts every cell at 100 + the smaller of 15 and the curve limit
// (which is never below 50), and every curve point at +15 %.
quint8 FactoryCellByte(int curveMax);
constexpr quint8 kFactoryCurveByte = 115;

} // namespace zantrel
