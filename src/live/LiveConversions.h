#pragma once

#include <QtGlobal>

#include <optional>

namespace zantrel {

// Conversions of live-record words into engineering units and back. Injection times
// count ticks of one of two clocks, chosen by bit 12 of parameter word 22; engine speed
// arrives as the period between ignition pulses, always at the slow clock.

constexpr double kSlowTickClockHz = 230400.0;
constexpr double kFastTickClockHz = 1843200.0;
constexpr quint16 kFastClockBit = 0x1000; // bit 12 of parameter word 22
constexpr quint32 kStoppedPeriod = 65500;  // this period or longer: engine stopped

constexpr bool FastClockSelected(quint32 word22) { return (word22 & kFastClockBit) != 0; }

float TicksToMs(quint32 ticks, bool fastClock);
float SignedTicksToMs(qint32 ticks, bool fastClock);
qint32 MsToTicks(float ms, bool fastClock);

// Ignition types 0..6; any other type converts to 0 both ways.
int PeriodToRpm(quint32 ticks, int ignitionType);
quint32 RpmToPeriod(int rpm, int ignitionType);

int TemperatureFromWord(quint32 word); // the low 16 bits as a signed number, degrees C
float PressureFromCounts(quint32 counts); // bar, as shown live
// Bar as the adaptation measures it, in the steps of the pressure parameters.
float PressureFromCountsAdapt(quint32 counts);
float LambdaVolts(quint32 counts);

// The gas injection time as a percentage of the petrol time; none while the petrol time
// is 0.
std::optional<double> CorrectionPercent(quint32 petrolTicks, quint32 gasTicks);

} // namespace zantrel
