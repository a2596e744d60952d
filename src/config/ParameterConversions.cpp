#include "config/ParameterConversions.h"

#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zantrel {

namespace {

constexpr double kPressureGain = 1.3438;
constexpr double kPressureOffset = 0.202;
constexpr double kPressureStep = 0.00122;
constexpr double kPressureCodesPerVolt = 819.672131147541; // 1 / 0.00122
constexpr double kInversePressureGain = 0.74415835689834791; // 1 / 1.3438

constexpr int kEnrichmentOffset = 100;
constexpr double kHoldingCurrentScale = 1500.0;

constexpr double kVoltsPerCode = 0.001221001;
constexpr double kCodesPerVolt = 819.0001482390269;

// A decimal number of seconds times 100 or 1000 lands a hair below the whole count it
// stands for (0.29 x 100 = 28.999...); this much is given back before truncating.
constexpr double kDecimalSlack = 1e-9;

} // namespace

qint32 TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = double(std::numeric_limits<qint32>::min());
    constexpr double hi = double(std::numeric_limits<qint32>::max());
    if (value <= lo)
        return std::numeric_limits<qint32>::min();
    if (value >= hi)
        return std::numeric_limits<qint32>::max();
    return qint32(std::trunc(value));
}

qint32 FitWord(qint64 raw, bool isSigned)
{
    if (isSigned)
        return qint32(std::clamp<qint64>(raw, std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max()));
    return qint32(std::clamp<qint64>(raw, 0, std::numeric_limits<quint16>::max()));
}

quint16 TicksWord(float ms, bool fastClock)
{
    return quint16(FitWord(MsToTicks(ms, fastClock), false));
}

quint16 PeriodWord(int rpm, int ignitionType)
{
    return quint16(FitWord(RpmToPeriod(rpm, ignitionType), false));
}

qint32 PressureCodeFromBar(double bar)
{
    return TruncateToInt((bar * kPressureGain - kPressureOffset) * kPressureCodesPerVolt);
}

double BarFromPressureCode(qint32 code)
{
    return (double(code) * kPressureStep + kPressureOffset) * kInversePressureGain;
}

qint32 EnrichmentWord(int percent)
{
    return percent + kEnrichmentOffset;
}

int EnrichmentPercent(qint32 word)
{
    return word - kEnrichmentOffset;
}

QString EnrichmentText(qint32 word)
{
    if (word >= kEnrichmentOffset)
        return QStringLiteral("+") + QString::number(word - kEnrichmentOffset);
    return QStringLiteral("-") + QString::number(kEnrichmentOffset - word);
}

qint32 HoldingCurrentWord(double percent)
{
    const float fraction = float(percent * 0.01);
    return TruncateToInt(double(fraction) * kHoldingCurrentScale);
}

double HoldingCurrentPercent(qint32 word)
{
    return double(word) / kHoldingCurrentScale * 100.0;
}

qint32 SecondsToCount(double seconds, int countsPerSecond)
{
    const double counts = seconds * countsPerSecond;
    return TruncateToInt(counts + std::copysign(kDecimalSlack, counts));
}

double CountToSeconds(qint32 count, int countsPerSecond)
{
    return double(count) / countsPerSecond;
}

qint32 VoltageCodeFromVolts(double volts)
{
    return TruncateToInt(double(float(volts)) * kCodesPerVolt);
}

double VoltsFromVoltageCode(qint32 code)
{
    return double(code) * kVoltsPerCode;
}

} // namespace zantrel
