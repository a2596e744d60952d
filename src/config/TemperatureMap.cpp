#include "config/TemperatureMap.h"

#include "config/ConfigBitFields.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

#include <algorithm>

namespace zantrel {

const std::array<const char*, kTempBreakpoints> kTempPointEdits{"EditT1", "EditT2", "EditT3", "EditT4", "EditT5"};
const std::array<const char*, kTempCorrections> kTempCorrectionEdits{"EditT1K", "EditT2K", "EditT3K",
                                                                     "EditT4K", "EditT5K", "EditT6K"};

namespace {


struct Limits {
    int low;
    int high;
};
constexpr Limits kPointExit{1, 90};
constexpr Limits kCorrectionExit{-25, 50};
constexpr Limits kPointSave{0, 100};
constexpr Limits kCorrectionSave{-50, 100};

// One row per fuel (0 LPG, 1 CNG): the points its choice presets, and the points and
// enrichments "RESET" writes.
struct FuelTemperatureRow {
    quint32 fuel;
    std::array<quint8, kTempBreakpoints> presetPoints;
    std::array<int, kTempBreakpoints> resetPoints;
    std::array<int, kTempCorrections> resetPercents;
};

constexpr FuelTemperatureRow kFuelRows[] = {
    {kFuelLpg, {0, 15, 30, 40, 50}, {5, 10, 20, 30, 45}, {0, 0, 0, 0, 0, 0}},
    {1, {5, 10, 20, 30, 45}, {0, 15, 30, 40, 50}, {-15, -10, -6, -4, -2, 0}},
};

const FuelTemperatureRow& rowOf(quint32 fuel)
{
    for (const FuelTemperatureRow& row : kFuelRows)
        if (row.fuel == fuel)
            return row;
    return kFuelRows[0];
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The number held to the limits, and the text the edit then shows.
int limited(int value, Limits limits, QString& text)
{
    const int held = std::clamp(value, limits.low, limits.high);
    if (held != value)
        text = QString::number(held);
    return held;
}

bool signInside(const QString& text)
{
    const auto isSign = [&](qsizetype i) { return i < text.size() && (text[i] == u'+' || text[i] == u'-'); };
    return isSign(1) || isSign(2);
}

} // namespace

TemperatureTexts TextsOf(const TemperatureTable& table)
{
    TemperatureTexts texts;
    for (size_t k = 0; k < texts.points.size(); ++k)
        texts.points[k] = QString::number(table.points[k]);
    for (size_t k = 0; k < texts.corrections.size(); ++k)
        texts.corrections[k] = QString::number(int(table.corrections[k]) - kPercentOffset);
    return texts;
}

QString PointTextOnExit(const QString& text)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value)
        return text;
    if (*value < kPointExit.low)
        return QString::number(kPointExit.low);
    if (*value > kPointExit.high)
        return QString::number(kPointExit.high);
    return text;
}

CorrectionExit CorrectionTextOnExit(const QString& text)
{
    if (signInside(text))
        return {QStringLiteral("0"), true};
    const std::optional<int> value = wholeNumber(text);
    if (value && *value < kCorrectionExit.low)
        return {QString::number(kCorrectionExit.low)};
    if (value && *value > kCorrectionExit.high)
        return {QStringLiteral("+%1").arg(kCorrectionExit.high)};
    return {text};
}

TemperatureEntry CheckTemperatureTexts(const TemperatureTexts& texts)
{
    TemperatureEntry entry{std::nullopt, texts, nullptr};
    TemperatureTable table;
    for (size_t k = 0; k < texts.corrections.size(); ++k) {
        const std::optional<int> value = wholeNumber(texts.corrections[k]);
        if (!value) {
            entry.badEdit = kTempCorrectionEdits[k];
            entry.shown = texts;
            return entry;
        }
        table.corrections[k] = quint8(limited(*value, kCorrectionSave, entry.shown.corrections[k]) + kPercentOffset);
    }
    for (size_t k = 0; k < texts.points.size(); ++k) {
        const std::optional<int> value = wholeNumber(texts.points[k]);
        if (!value) {
            entry.badEdit = kTempPointEdits[k];
            entry.shown = texts;
            return entry;
        }
        table.points[k] = quint8(limited(*value, kPointSave, entry.shown.points[k]));
    }
    entry.table = table;
    return entry;
}

TemperatureTable FuelTemperaturePreset(quint32 fuel)
{
    TemperatureTable table;
    table.points = rowOf(fuel).presetPoints;
    table.corrections.fill(quint8(kPercentOffset));
    return table;
}

TemperatureTexts TemperatureResetTexts(quint32 fuel)
{
    const FuelTemperatureRow& row = rowOf(fuel);
    TemperatureTexts texts;
    for (size_t k = 0; k < texts.points.size(); ++k)
        texts.points[k] = QString::number(row.resetPoints[k]);
    for (size_t k = 0; k < texts.corrections.size(); ++k)
        texts.corrections[k] = QString::number(row.resetPercents[k]);
    return texts;
}

void AddTemperatureRead(LinkJob& job, std::shared_ptr<TemperatureReadout> out)
{
    for (size_t k = 0; k < out->points.size(); ++k)
        ReadTempBreakpoint(job, quint8(k), std::shared_ptr<ByteReadout>(out, &out->points[k]));
    for (size_t k = 0; k < out->corrections.size(); ++k)
        ReadTempCorrection(job, quint8(k), std::shared_ptr<ByteReadout>(out, &out->corrections[k]));
}

bool StoreTemperatureRead(TemperatureTable& table, const TemperatureReadout& read)
{
    bool complete = true;
    const auto store = [&](const auto& received, auto& kept) {
        for (size_t k = 0; k < received.size(); ++k) {
            if (received[k])
                kept[k] = *received[k];
            else
                complete = false;
        }
    };
    store(read.points, table.points);
    store(read.corrections, table.corrections);
    return complete;
}

void AddTemperatureWrite(LinkJob& job, const TemperatureTable& table)
{
    for (size_t k = 0; k < table.corrections.size(); ++k)
        WriteTempCorrectionSequence(job, quint8(k), table.corrections[k]);
    for (size_t k = 0; k < table.points.size(); ++k)
        WriteTempBreakpointSequence(job, quint8(k), table.points[k]);
}

} // namespace zantrel
