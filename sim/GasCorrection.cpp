#include "sim/GasCorrection.h"

#include "live/LiveConversions.h"

namespace zantrel::sim {

namespace {

constexpr int kSpeedPoints = 6;
constexpr int kFirstLoadPoint = 6;
constexpr int kLoadPoints = 11;

} // namespace

int MapColumnFor(const TableMemory& tables, int rpm, int ignitionType)
{
    for (int c = 0; c < kSpeedPoints; ++c)
        if (rpm <= PeriodToRpm(tables.point(c), ignitionType))
            return c;
    return kSpeedPoints;
}

int MapRowFor(const TableMemory& tables, quint32 petrolTicks)
{
    for (int r = 0; r < kLoadPoints; ++r)
        if (petrolTicks <= tables.point(kFirstLoadPoint + r))
            return r;
    return kLoadPoints;
}

int GasCorrectionByte(const TableMemory& tables, const CorrectionInputs& in)
{
    const int row = MapRowFor(tables, in.petrolTicks);
    switch (in.mapKind) {
    case kMapKindLoadRpm: return tables.cell(row, MapColumnFor(tables, in.rpm, in.ignitionType));
    case kMapKindLoadCurve: return tables.curvePoint(row);
    default: return in.enrichment;
    }
}

} // namespace zantrel::sim
