#pragma once

#include <QString>
#include <QtGlobal>

namespace zantrel {

// Parameter-word conversions between the raw word and the value the user sees. Every
// real-to-raw conversion truncates toward zero. The ms/ticks and RPM/period conversions
// are those of the live record (live/LiveConversions.h).

// Truncates toward zero, saturating at the 32-bit range; NaN gives 0.
qint32 TruncateToInt(double value);
// A raw value held to what a 16-bit word takes (-32768..32767 signed, 0..65535
// otherwise), so that a value beyond it is not sent as some other, wrapped value.
qint32 FitWord(qint64 raw, bool isSigned);

// A time in ms and an engine speed as the unsigned words the controller takes, by the
// live conversions and held to 0..65535.
quint16 TicksWord(float ms, bool fastClock);
quint16 PeriodWord(int rpm, int ignitionType);

// Pressure parameters (words 18 and 24), in bar, coded in 0.00122 V converter steps.
qint32 PressureCodeFromBar(double bar);
double BarFromPressureCode(qint32 code);

// Word 1: the gas enrichment, stored as percent + 100 and shown with its sign: "+15",
// "-15", and "+0" for no enrichment.
qint32 EnrichmentWord(int percent);
int EnrichmentPercent(qint32 word);
QString EnrichmentText(qint32 word);

// Word 6: the injector holding current, trunc(f x 1500) with f = percent x 0.01 held in
// single precision (35 % gives 524, 36 % gives 540).
qint32 HoldingCurrentWord(double percent);
double HoldingCurrentPercent(qint32 word);

// Times in seconds counted in ms (word 16) or in 10 ms (words 20 and 34).
constexpr int kMillisecondCounts = 1000;
constexpr int kCentisecondCounts = 100;
qint32 SecondsToCount(double seconds, int countsPerSecond);
double CountToSeconds(qint32 count, int countsPerSecond);

// Reserve-sensor thresholds (words 30..33): 0..5 V on 0..4095.
qint32 VoltageCodeFromVolts(double volts);
double VoltsFromVoltageCode(qint32 code);

} // namespace zantrel
