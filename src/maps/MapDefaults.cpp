#include "maps/MapDefaults.h"

#include <algorithm>

namespace zantrel {

namespace {

constexpr MapPointPreset kPresets[] = {
    {"Standard (18 ms, 6000 rpm)",
     {1000, 2000, 3000, 4000, 5000, 6000},
     {15, 20, 30, 45, 60, 80, 100, 120, 140, 160, 180}},
    {"Długie wtryski (30 ms, 6000 rpm)",
     {1000, 2000, 3000, 4000, 5000, 6000},
     {15, 20, 30, 50, 70, 100, 140, 180, 220, 250, 300}},
    {"Silnik wysokoobrotowy (20 ms, 9000 rpm)",
     {1000, 2500, 5000, 6500, 7500, 9000},
     {15, 20, 30, 40, 60, 80, 110, 130, 160, 180, 200}},
    {"Silnik niskoobrotowy (25ms, 5000)",
     {1000, 1500, 2500, 3000, 4000, 5000},
     {15, 20, 30, 45, 60, 80, 100, 150, 180, 220, 250}},
};

constexpr std::array<int, kSpeedPoints> kStartupSpeeds{1000, 2000, 3000, 4000, 5000, 6000};
constexpr std::array<int, kLoadPoints> kStartupLoads{15, 30, 40, 50, 60, 80, 100, 120, 150, 180, 200};
constexpr quint8 kStartupCellByte = 105;
constexpr quint8 kStartupCurveByte = 100;
constexpr int kFactoryCellPercent = 15;

} // namespace

std::span<const MapPointPreset> MapPointPresets()
{
    return kPresets;
}

const MapPointPreset& StandardMapPoints()
{
    return kPresets[0];
}

InjectionMaps StartupMaps()
{
    InjectionMaps maps;
    std::copy(kStartupSpeeds.begin(), kStartupSpeeds.end(), maps.points.values.begin());
    std::copy(kStartupLoads.begin(), kStartupLoads.end(), maps.points.values.begin() + kFirstLoadPoint);
    maps.map.bytes.fill(kStartupCellByte);
    maps.curve.bytes.fill(kStartupCurveByte);
    return maps;
}

quint8 FactoryCellByte(int curveMax)
{
    return quint8(kPercentOffset + std::min(kFactoryCellPercent, curveMax));
}

} // namespace zantrel
