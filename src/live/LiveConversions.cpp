#include "live/LiveConversions.h"

#include <array>
#include <cmath>

namespace zantrel {

namespace {

constexpr double kSlowTickSeconds = 4.340277777777778e-6;
constexpr double kFastTickSeconds = 5.425347222222222e-7;

// Per ignition type: the two factors that turn pulses per second into rpm (with the
// ceiling that type 3 takes), and the two whose product is the pulses per revolution.
struct IgnitionFactors {
    double rpmA;
    double rpmB;
    bool ceiling;
    double pulsesA;
    double pulsesB;
};

constexpr std::array<IgnitionFactors, 7> kIgnition{{
    {8, 0.25, false, 4, 0.125},      // 0 "Cewka / Cyl.", 0.5 pulses per revolution
    {4, 0.25, false, 4, 0.25},       // 1 "DIS", 1
    {2, 0.25, false, 4, 0.5},        // 2 "4 Cyl.", 2
    {2, 0.2, true, 5, 0.5},          // 3 "5 Cyl.", 2.5
    {2, 1.0 / 6.0, false, 6, 0.5},   // 4 "6 Cyl.", 3
    {2, 0.125, false, 8, 0.5},       // 5 "8 Cyl.", 4
    {2, 1.0 / 3.0, false, 3, 0.5},   // 6 "3 Cyl.", 1.5
}};

const IgnitionFactors* factorsFor(int ignitionType)
{
    if (ignitionType < 0 || ignitionType >= int(kIgnition.size()))
        return nullptr;
    return &kIgnition[size_t(ignitionType)];
}

float msFromTicks(double ticks, bool fastClock)
{
    return float(ticks * (fastClock ? kFastTickSeconds : kSlowTickSeconds) * 1000.0);
}

} // namespace

float TicksToMs(quint32 ticks, bool fastClock)
{
    return msFromTicks(double(ticks), fastClock);
}

float SignedTicksToMs(qint32 ticks, bool fastClock)
{
    return msFromTicks(double(ticks), fastClock);
}

qint32 MsToTicks(float ms, bool fastClock)
{
    // A single-precision time times the clock is exact in double; one correctly rounded
    // division then gives the same count with every compiler (a long double product
    // differs between them and makes 200 ms 46079 ticks where it is 46080).
    const double clock = fastClock ? kFastTickClockHz : kSlowTickClockHz;
    return qint32(std::trunc(double(ms) * clock / 1000.0));
}

int PeriodToRpm(quint32 ticks, int ignitionType)
{
    const IgnitionFactors* f = factorsFor(ignitionType);
    if (!f || ticks >= kStoppedPeriod)
        return 0;
    float seconds = float(double(ticks) * kSlowTickSeconds);
    if (seconds == 0.0f)
        seconds = 1e-7f;
    double rpm = (1.0 / double(seconds)) * 60.0 * f->rpmA * f->rpmB;
    if (f->ceiling)
        rpm = std::ceil(rpm);
    const int whole = int(std::trunc(float(rpm)));
    return whole / 50 * 50;
}

quint32 RpmToPeriod(int rpm, int ignitionType)
{
    const IgnitionFactors* f = factorsFor(ignitionType);
    const int stepped = rpm / 50 * 50;
    if (!f || stepped <= 0)
        return 0;
    const double revolutionsPerSecond = double(stepped) / 60.0;
    const float ticks = float(kSlowTickClockHz / (revolutionsPerSecond * f->pulsesA * f->pulsesB));
    return quint32(std::trunc(ticks));
}

int TemperatureFromWord(quint32 word)
{
    return qint16(quint16(word & 0xFFFF));
}

float PressureFromCounts(quint32 counts)
{
    return float((double(counts) * 0.001221001 + 0.202) * 0.74415835689834791);
}

float PressureFromCountsAdapt(quint32 counts)
{
    return float((double(counts) * 0.00122 + 0.202) * 0.74415835689834791);
}

float LambdaVolts(quint32 counts)
{
    return float(double(counts) * 5.0 * (1.0 / 4095.0));
}

std::optional<double> CorrectionPercent(quint32 petrolTicks, quint32 gasTicks)
{
    if (petrolTicks == 0)
        return std::nullopt;
    return double(gasTicks) / double(petrolTicks) * 100.0;
}

} // namespace zantrel
