#include "sim/LiveRecordAssembly.h"

#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>

namespace zantrel::sim {

namespace {

long rounded(double v, double lo, double hi)
{
    return std::lround(std::clamp(v, lo, hi));
}

quint16 clampWord(double v)
{
    return quint16(rounded(v, 0.0, 65535.0));
}

quint16 signedWord(double v)
{
    return quint16(qint16(rounded(v, -32768.0, 32767.0)));
}

// Volts of a 5 V, 12-bit converter as counts.
quint16 counts(double volts)
{
    return quint16(rounded(volts * 4095.0 / 5.0, 0.0, 4095.0));
}

quint16 speedPeriod(double rpm, int ignitionType)
{
    const quint32 period = RpmToPeriod(int(rpm), ignitionType);
    return period == 0 || period > 0xFFFF ? quint16(0xFFFF) : quint16(period);
}

} // namespace

LiveWords AssembleLiveRecord(const LiveInputs& in)
{
    LiveWords w{};
    const EngineModel& e = in.engine;
    const double clockHz = in.fastClock ? kFastTickClockHz : kSlowTickClockHz;
    const int cylinders = std::clamp(in.cylinders, 1, live::kCylinders);

    double petrolSum = 0.0;
    for (int c = 0; c < cylinders; ++c) {
        const double petrolTicks = e.petrolMs() * CylinderTrim(c) * clockHz / 1000.0;
        petrolSum += petrolTicks;
        w[size_t(live::kPetrolTime[size_t(c)])] = clampWord(petrolTicks);
        const bool gasOff = !in.onGas || (in.injectorMask & (1u << c));
        double gasTicks = gasOff ? 0.0 : petrolTicks * in.correctionByte / 100.0;
        if (in.maxGasTicks)
            gasTicks = std::min<double>(gasTicks, in.maxGasTicks);
        w[size_t(live::kGasTime[size_t(c)])] = clampWord(gasTicks);
    }
    w[live::kPetrolAverage] = clampWord(petrolSum / cylinders);
    w[live::kSpeedPeriod] = speedPeriod(e.rpm(), in.ignitionType);
    w[live::kReducerTemperature] = signedWord(e.reducerC());
    w[live::kGasTemperature] = signedWord(e.gasC());
    w[live::kFuelState] = in.onGas ? 1 : 0;
    w[live::kLevel] = clampWord(e.levelCounts());
    w[live::kPressure] = clampWord(e.pressureCounts());
    w[live::kLambda2] = counts(e.lambda2Volts());
    w[live::kLambda1] = counts(e.lambda1Volts());
    w[live::kErrors] = in.errors;
    w[live::kStoredErrors] = in.storedErrors;
    w[live::kInjectorMask] = in.injectorMask;
    w[live::kFaultyInjectors] = in.faultyInjectors;
    return w;
}

} // namespace zantrel::sim
