#include "maps/MapTexts.h"

#include "config/ParameterConversions.h"
#include "config/ParameterEntry.h"
#include "config/ParameterUnits.h"
#include "live/LiveConversions.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

constexpr int kTenthsPerMs = 10;

QString plus(const QString& text) { return QLatin1Char('+') + text; }

bool isSpeedPoint(int index) { return index < kSpeedPoints; }

} // namespace

quint8 ByteOfPercent(int percent)
{
    return quint8(std::clamp(percent + kPercentOffset, 0, 255));
}

std::span<const NamedCaption> MapKindButtons()
{
    static constexpr NamedCaption buttons[] = {
        {"ButtonMapaStandardowa", "Mapa standardowa"},
        {"ButtonMapaZaawansowana", "Mapa zaawansowana"},
    };
    return buttons;
}

QString CellText(quint8 byte)
{
    const int percent = PercentOf(byte);
    return percent > 0 ? plus(QString::number(percent)) : QString::number(percent);
}

QString CurvePointText(quint8 byte)
{
    return QString::number(PercentOf(byte));
}

QString SpeedPointText(int rpm)
{
    return QString::number(rpm);
}

QString LoadPointText(int tenths, QChar decimalSeparator)
{
    return EntryText(tenths / double(kTenthsPerMs), 1, decimalSeparator);
}

QString PresetLoadPointText(int tenths, QChar decimalSeparator)
{
    return tenths % kTenthsPerMs == 0 ? QString::number(tenths / kTenthsPerMs)
                                      : LoadPointText(tenths, decimalSeparator);
}

QString PointText(const MapPoints& points, int index, QChar decimalSeparator)
{
    const int value = points.values[size_t(index)];
    return isSpeedPoint(index) ? SpeedPointText(value) : LoadPointText(value, decimalSeparator);
}

QString ColumnHeaderText(const MapPoints& points, int column)
{
    const int point = std::min(column, kSpeedPoints - 1);
    const QString text = SpeedPointText(points.values[size_t(point)]);
    return column < kSpeedPoints ? text : plus(text);
}

QString RowHeaderText(const MapPoints& points, int row, QChar decimalSeparator)
{
    const int point = kFirstLoadPoint + std::min(row, kLoadPoints - 1);
    const QString text = PointText(points, point, decimalSeparator);
    return row < kLoadPoints ? text : plus(text);
}

std::optional<int> SpeedPointFromText(const QString& text)
{
    const std::optional<double> value = ParseEntry(text, EntryKind::SignedInt, QLatin1Char(','));
    if (!value)
        return std::nullopt;
    const double held = std::clamp(*value, double(kMinSpeedPointRpm), double(kMaxSpeedPointRpm));
    return int(held) / kSpeedPointStep * kSpeedPointStep;
}

std::optional<int> LoadPointFromText(const QString& text, QChar decimalSeparator)
{
    const std::optional<double> value = ParseEntry(text, EntryKind::SignedDecimal, decimalSeparator);
    if (!value)
        return std::nullopt;
    // 1.2 x 10 lands a hair below 12; that much is given back before truncating.
    const double tenths = std::trunc(*value * kTenthsPerMs + 1e-9);
    return int(std::clamp(tenths, double(kMinLoadPointTenths), double(kMaxLoadPointTenths)));
}

std::optional<int> PointValueFromText(int index, const QString& text, QChar decimalSeparator)
{
    return isSpeedPoint(index) ? SpeedPointFromText(text) : LoadPointFromText(text, decimalSeparator);
}

std::optional<int> WholeNumberFromText(const QString& text)
{
    const std::optional<double> value = ParseEntry(text, EntryKind::SignedInt, QLatin1Char(','));
    if (!value)
        return std::nullopt;
    return int(std::clamp(*value, -1e6, 1e6));
}

PointCoding PointCodingOf(const ParameterTable& table)
{
    return {IgnitionType(table), FastClock(table)};
}

quint16 PointWord(int index, int value, PointCoding coding)
{
    if (isSpeedPoint(index))
        return PeriodWord(value, coding.ignitionType);
    return TicksWord(float(value / double(kTenthsPerMs)), coding.fastClock);
}

int PointValueOfWord(int index, quint16 word, PointCoding coding)
{
    if (isSpeedPoint(index))
        return PeriodToRpm(word, coding.ignitionType);
    return int(std::lround(double(TicksToMs(word, coding.fastClock)) * kTenthsPerMs));
}

} // namespace zantrel
