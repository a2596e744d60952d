#include "maps/MapBands.h"

#include "config/ConfigBitFields.h"
#include "live/LiveConversions.h"

namespace zantrel {

namespace {

constexpr int kCurveMaxTurbo = 90;
constexpr int kCurveMaxNoTurbo = 50;

} // namespace

int SpeedBand(const MapPoints& points, int rpm)
{
    for (int c = 0; c < kSpeedPoints; ++c)
        if (points.values[size_t(c)] >= rpm)
            return c;
    return kSpeedPoints;
}

int LoadBand(const MapPoints& points, float ms)
{
    for (int r = 0; r < kLoadPoints; ++r)
        if (float(points.values[size_t(kFirstLoadPoint + r)] / 10.0) >= ms)
            return r;
    return kLoadPoints;
}

LiveMapCell LocateLiveCell(const MapPoints& points, quint16 speedPeriod, quint16 petrolTicks, PointCoding coding)
{
    return {LoadBand(points, TicksToMs(petrolTicks, coding.fastClock)),
            SpeedBand(points, PeriodToRpm(speedPeriod, coding.ignitionType))};
}

LiveCurveSegment LocateCurveSegment(const MapPoints& points, quint16 petrolTicks)
{
    for (int k = 0; k < kLoadPoints; ++k)
        if (petrolTicks <= points.words[size_t(kFirstLoadPoint + k)])
            return {k};
    return {kLoadPoints};
}

int CurveMax(const ParameterTable& table)
{
    return ShadowField(table, ConfigField::Turbo) != 0 ? kCurveMaxTurbo : kCurveMaxNoTurbo;
}

} // namespace zantrel
