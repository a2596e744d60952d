#pragma once

#include "sim/TableMemory.h"

#include <QtGlobal>

namespace zantrel::sim {

// The correction (percent + 100) by which the controller stretches the petrol time into
// the gas time. The map kind in bits 2..3 of parameter 47 picks the source: 1 the map
// cell of the current speed and load band, 2 the load curve band, otherwise the global
// enrichment of parameter 1. Bands as the map editor shows them: a speed equal to a
// breakpoint belongs to the band below it, and so does a load equal to one.
struct CorrectionInputs {
    int mapKind;
    int rpm;
    quint32 petrolTicks;
    int ignitionType;
    quint16 enrichment; // parameter 1
};

int MapColumnFor(const TableMemory& tables, int rpm, int ignitionType);
int MapRowFor(const TableMemory& tables, quint32 petrolTicks);
int GasCorrectionByte(const TableMemory& tables, const CorrectionInputs& in);

constexpr int kMapKindLoadRpm = 1;
constexpr int kMapKindLoadCurve = 2;
constexpr int MapKindOf(quint16 word47) { return (word47 >> 2) & 0x3; }

} // namespace zantrel::sim
