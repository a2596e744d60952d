#pragma once

#include "live/LiveWords.h"
#include "sim/EngineModel.h"

#include <QtGlobal>

namespace zantrel::sim {

// Everything a live record is made of at one moment.
struct LiveInputs {
    const EngineModel& engine;
    bool onGas;
    int cylinders;          // 1..8; the others report 0
    bool fastClock;         // injection times in ticks of 1 843 200 Hz instead of 230 400 Hz
    int ignitionType;       // parameter 21
    int correctionByte;     // gas time as percent + 100 of the petrol time
    quint16 maxGasTicks;    // parameter 8; 0 means no limit
    quint16 injectorMask;   // bit n: gas injector n + 1 off
    quint16 errors;
    quint16 storedErrors;
    quint16 faultyInjectors;
};

LiveWords AssembleLiveRecord(const LiveInputs& in);

// Small fixed differences between the cylinders, as a real engine shows them.
constexpr double CylinderTrim(int cylinder)
{
    constexpr double kTrim[] = {1.00, 1.02, 0.98, 1.01, 0.99, 1.03, 0.97, 1.00};
    return kTrim[cylinder & 7];
}

} // namespace zantrel::sim
