#pragma once

#include "base/NamedCaption.h"
#include "image/InjectionMaps.h"

#include <QChar>
#include <QString>

#include <optional>
#include <span>

namespace zantrel {

class ParameterTable;

// The map-kind dialog's two buttons, standard first.
std::span<const NamedCaption> MapKindButtons();

// The limits of the editors: a map cell within -50..+150 %, a curve point within
// -25..the curve limit (MapBands: CurveMax).
constexpr int kMinCellPercent = -50;
constexpr int kMaxCellPercent = 150;
constexpr int kMinCurvePercent = -25;

// The characteristic points the point editor takes: speeds in whole rpm, held to
// 500..15000 and taken to a multiple of 50 (the step of the period conversion); times
// in tenths of a millisecond (truncated), held to 0.1..35 ms, which the 16-bit word
// holds at either clock.
constexpr int kMinSpeedPointRpm = 500;
constexpr int kMaxSpeedPointRpm = 15000;
constexpr int kSpeedPointStep = 50;
constexpr int kMinLoadPointTenths = 1;
constexpr int kMaxLoadPointTenths = 350;

constexpr int PercentOf(quint8 byte) { return int(byte) - kPercentOffset; }
// percent + 100, held to what the byte takes.
quint8 ByteOfPercent(int percent);

// A map cell with an explicit plus sign when positive: "+15", "0", "-5".
QString CellText(quint8 byte);
// A curve point as a plain whole number: "15", "-5".
QString CurvePointText(quint8 byte);

// The texts of the points: "1000"; "1,5" (one decimal, the locale's separator); and as
// the point presets write them, whole times without a decimal ("2", "1,5").
QString SpeedPointText(int rpm);
QString LoadPointText(int tenths, QChar decimalSeparator);
QString PresetLoadPointText(int tenths, QChar decimalSeparator);
// The labels of the grid: columns 0..5 the speed points, column 6 "+" and the last of
// them ("+6000"); rows 0..10 the load points, row 11 "+" and the last ("+18,0").
QString ColumnHeaderText(const MapPoints& points, int column);
QString RowHeaderText(const MapPoints& points, int row, QChar decimalSeparator);
QString PointText(const MapPoints& points, int index, QChar decimalSeparator);

// A point editor's text as the value the point keeps, limited as above; empty for a
// text that is not a number (whole for speeds, decimal for times).
std::optional<int> SpeedPointFromText(const QString& text);
std::optional<int> LoadPointFromText(const QString& text, QChar decimalSeparator);
std::optional<int> PointValueFromText(int index, const QString& text, QChar decimalSeparator);
// The value dialog's text: a whole number with an optional sign, or empty.
std::optional<int> WholeNumberFromText(const QString& text);

// How the points are coded: speeds as periods for the ignition type, times as ticks of
// the controller's clock.
struct PointCoding {
    int ignitionType = 0;
    bool fastClock = false;
};
PointCoding PointCodingOf(const ParameterTable& table);
quint16 PointWord(int index, int value, PointCoding coding);
// The value a point word is shown as: whole rpm, or the time rounded to 0.1 ms.
int PointValueOfWord(int index, quint16 word, PointCoding coding);

} // namespace zantrel
