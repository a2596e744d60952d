#include "config/ParameterFileComparison.h"

#include "base/LanguageStrings.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterUnits.h"
#include "config/ParameterWords.h"

namespace zantrel {

namespace {

// The unit each numeric coding is shown in.
struct UnitOfEncoding {
    Encoding encoding;
    const char* unit;
};

constexpr UnitOfEncoding kUnits[] = {
    {Encoding::EnrichmentPercent, "%"}, {Encoding::Ticks, "ms"},      {Encoding::HoldingCurrent, "%"},
    {Encoding::Milliseconds, "s"},      {Encoding::Centiseconds, "s"}, {Encoding::PressureCode, "bar"},
    {Encoding::Period, "obr./min"},     {Encoding::VoltageCode, "V"},     {Encoding::TemperatureCutoff, "°C"},
};

const char* unitOf(Encoding encoding)
{
    for (const UnitOfEncoding& u : kUnits)
        if (u.encoding == encoding)
            return u.unit;
    return nullptr;
}

QString itemText(const ParameterWord& row, qint32 value)
{
    const char* control = row.controls[0].name;
    const ItemList* list = control ? FindItemList(QString::fromLatin1(control)) : nullptr;
    if (list && value >= 0 && value < list->items.size())
        return list->items[value];
    return QString::number(value);
}

bool pointDiffers(const InjectionMaps& maps, const ParameterFileData& file, int k)
{
    return !maps.points.known[size_t(k)] || maps.points.words[size_t(k)] != file.points[size_t(k)];
}

} // namespace

QString WordValueText(const ParameterTable& table, int index, QChar decimalSeparator)
{
    const ParameterWord& row = ParameterWordAt(index);
    switch (row.encoding) {
    case Encoding::Item:
        return itemText(row, WordValue(table, index));
    case Encoding::Marker:
    case Encoding::BitField:
        return QStringLiteral("0x") + QStringLiteral("%1").arg(table.word(index), 4, 16, QLatin1Char('0')).toUpper();
    default:
        break;
    }
    const QString text =
        ParameterText(table, index, decimalSeparator).value_or(QString::number(WordValue(table, index)));
    const char* unit = unitOf(row.encoding);
    return unit ? text + u' ' + QString::fromUtf8(unit) : text;
}

QString WordLabel(const LanguageStrings& texts, int index)
{
    const char* label = ParameterWordAt(index).controls[0].label;
    if (label && *label)
        return QString::fromUtf8(label).remove(QLatin1Char(':')).trimmed();
    return texts[Text::ParameterWordLabel].arg(index);
}

ParameterFileComparison CompareParameterFile(const ParameterTable& controller, const InjectionMaps& maps,
                                             const ParameterFileData& file, const LanguageStrings& texts,
                                             QChar decimalSeparator)
{
    ParameterFileComparison result;
    ParameterFileData written = file;
    written.words[kMarkerWord] = kProgrammedMarker;
    const ParameterTable fileTable = FileTable(written);
    for (int i = 0; i < ParameterTable::kWords; ++i) {
        const bool known = controller.Known(i);
        if (known && (IsCounterWord(i) || controller.word(i) == written.words[size_t(i)]))
            continue;
        WordDifference d{i, WordLabel(texts, i),
                         known ? WordValueText(controller, i, decimalSeparator) : QStringLiteral("?"),
                         WordValueText(fileTable, i, decimalSeparator)};
        // Two words a unit's rounding shows alike are told apart by their raw values.
        if (d.controller == d.file) {
            d.controller += QStringLiteral(" (%1)").arg(controller.word(i));
            d.file += QStringLiteral(" (%1)").arg(written.words[size_t(i)]);
        }
        result.words.push_back(d);
    }
    for (int k = 0; k < kMapPoints; ++k)
        result.points += pointDiffers(maps, file, k) ? 1 : 0;
    for (int i = 0; i < kMapCells; ++i)
        result.cells += !maps.map.known[size_t(i)] || maps.map.bytes[size_t(i)] != file.cells[size_t(i)] ? 1 : 0;
    for (int k = 0; k < kCurvePoints; ++k)
        result.curvePoints +=
            !maps.curve.known[size_t(k)] || maps.curve.bytes[size_t(k)] != file.curve[size_t(k)] ? 1 : 0;
    return result;
}

QStringList ComparisonLines(const ParameterFileComparison& comparison, const LanguageStrings& texts)
{
    if (comparison.Identical())
        return {texts[Text::FileSameAsController]};
    QStringList lines;
    for (const WordDifference& d : comparison.words)
        lines << texts[Text::FileWordDifference].arg(d.label, d.controller, d.file);
    lines << texts[Text::FileMapDifferences].arg(comparison.cells).arg(comparison.points).arg(comparison.curvePoints);
    return lines;
}

} // namespace zantrel
