#include "config/ParameterUnits.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterConversions.h"
#include "config/ParameterWords.h"
#include "image/ParameterTable.h"
#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

constexpr int kBoostOffset = 100;

// Beyond any word's reach in every unit, and small enough for every conversion's
// arithmetic: entries are held to this before they are converted.
constexpr double kLargestEntry = 1e6;

bool editedAsNumber(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Integer:
    case Encoding::EnrichmentPercent:
    case Encoding::Ticks:
    case Encoding::HoldingCurrent:
    case Encoding::Milliseconds:
    case Encoding::Centiseconds:
    case Encoding::PressureCode:
    case Encoding::Period:
    case Encoding::BoostSetting:
    case Encoding::VoltageCode:
        return true;
    default:
        return false;
    }
}

} // namespace

bool FastClock(const ParameterTable& table)
{
    return ShadowField(table, ConfigField::TickClock) != 0;
}

int IgnitionType(const ParameterTable& table)
{
    return table[kIgnitionTypeWord];
}

qint32 WordValue(const ParameterTable& table, int index)
{
    return ParameterTable::SlotValueOf(index, table.word(index));
}

std::optional<double> UserValue(const ParameterTable& table, int index)
{
    const qint32 raw = WordValue(table, index);
    switch (ParameterWordAt(index).encoding) {
    case Encoding::Marker:
    case Encoding::Opaque:
    case Encoding::Integer:
    case Encoding::Counter:
        return raw;
    case Encoding::EnrichmentPercent:
        return EnrichmentPercent(raw);
    case Encoding::Ticks:
        return SignedTicksToMs(raw, FastClock(table));
    case Encoding::HoldingCurrent:
        return HoldingCurrentPercent(raw);
    case Encoding::Milliseconds:
        return CountToSeconds(raw, kMillisecondCounts);
    case Encoding::Centiseconds:
        return CountToSeconds(raw, kCentisecondCounts);
    case Encoding::PressureCode:
        return BarFromPressureCode(raw);
    case Encoding::Period:
        return PeriodToRpm(quint32(raw), IgnitionType(table));
    case Encoding::BoostSetting:
        return raw - kBoostOffset;
    case Encoding::VoltageCode:
        return VoltsFromVoltageCode(raw);
    default:
        return std::nullopt;
    }
}

std::optional<qint32> RawFromUser(const ParameterTable& table, int index, double value)
{
    const ParameterWord& row = ParameterWordAt(index);
    if (!editedAsNumber(row.encoding) || !std::isfinite(value))
        return std::nullopt;
    const double v = std::clamp(Limited(row.limits, value), -kLargestEntry, kLargestEntry);
    qint32 raw = 0;
    switch (row.encoding) {
    case Encoding::EnrichmentPercent:
        raw = EnrichmentWord(TruncateToInt(v));
        break;
    case Encoding::Ticks:
        raw = MsToTicks(float(v), FastClock(table));
        break;
    case Encoding::HoldingCurrent:
        raw = HoldingCurrentWord(v);
        break;
    case Encoding::Milliseconds:
        raw = SecondsToCount(v, kMillisecondCounts);
        break;
    case Encoding::Centiseconds:
        raw = SecondsToCount(v, kCentisecondCounts);
        break;
    case Encoding::PressureCode:
        raw = PressureCodeFromBar(v);
        break;
    case Encoding::Period:
        raw = qint32(RpmToPeriod(TruncateToInt(v), IgnitionType(table)));
        break;
    case Encoding::BoostSetting:
        raw = TruncateToInt(v) + kBoostOffset;
        break;
    case Encoding::VoltageCode:
        raw = VoltageCodeFromVolts(v);
        break;
    default:
        raw = TruncateToInt(v);
        break;
    }
    return FitWord(raw, IsSignedWord(index));
}

bool StoredShowsOtherThan(const ParameterTable& table, int index, double entered)
{
    const ParameterWord& row = ParameterWordAt(index);
    const std::optional<double> stored = UserValue(table, index);
    if (!stored)
        return false;
    if (Limited(row.limits, entered) != entered)
        return true;
    const double halfPlace = 0.5 * std::pow(10.0, -row.decimals);
    return std::abs(*stored - entered) >= halfPlace;
}

std::optional<QString> ParameterText(const ParameterTable& table, int index, QChar decimalSeparator)
{
    const ParameterWord& row = ParameterWordAt(index);
    const std::optional<double> value = UserValue(table, index);
    if (!value)
        return std::nullopt;
    if (row.encoding == Encoding::EnrichmentPercent)
        return EnrichmentText(WordValue(table, index));
    QString text = QString::number(*value, 'f', row.decimals);
    text.replace(QLatin1Char('.'), decimalSeparator);
    if (row.plusSign && *value >= 0)
        text.prepend(QLatin1Char('+'));
    return text;
}

} // namespace zantrel
