#include "CliCommands.h"

#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "live/LiveConversions.h"
#include "maps/MapTexts.h"
#include "maps/MapTransfer.h"

#include <QJsonArray>

#include <memory>

namespace zantrel::cli {

namespace {

constexpr int kIgnitionWord = 21;
constexpr int kFlagsAWord = 22;
constexpr QChar kPoint = u'.';

// The words the points are coded by: the ignition type and the controller's clock.
std::optional<PointCoding> readCoding(CliContext& c)
{
    const WordReadout ignition = ReadParameterWord(c.session.commands(), kIgnitionWord);
    const WordReadout flags = ReadParameterWord(c.session.commands(), kFlagsAWord);
    if (!ignition || !flags)
        return std::nullopt;
    return PointCoding{*ignition, FastClockSelected(*flags)};
}

// A number as the CLI takes it: "." or "," as the decimal separator.
QString withPoint(QString text)
{
    return text.replace(QLatin1Char(','), kPoint);
}

QJsonValue known(bool received, const QJsonValue& value)
{
    return received ? value : QJsonValue();
}

QString knownText(bool received, const QString& text)
{
    return received ? text : QStringLiteral("-");
}


ExitCode noCoding(CliContext& c)
{
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();
    PrintError(QStringLiteral("words 21 and 22 (ignition type, clock) were not answered"));
    return ExitCode::NoController;
}

} // namespace

void PrintMaps(CliContext& c, const InjectionMaps& maps, QJsonObject json)
{
    const MapPoints& p = maps.points;
    QJsonArray rpm, ms, words, cells, curve;
    QStringList speeds, loads, curveTexts;
    for (int i = 0; i < kMapPoints; ++i) {
        const bool got = p.known[size_t(i)];
        words.append(known(got, p.words[size_t(i)]));
        if (i < kSpeedPoints) {
            rpm.append(known(got, p.values[size_t(i)]));
            speeds << knownText(got, PointText(p, i, kPoint));
        } else {
            ms.append(known(got, p.values[size_t(i)] / 10.0));
            loads << knownText(got, PointText(p, i, kPoint));
        }
    }
    QStringList lines;
    QStringList header{QStringLiteral("%1").arg(QString(), 7)};
    for (int col = 0; col < kMapColumns; ++col)
        header << QStringLiteral("%1").arg(ColumnHeaderText(p, col), 6);
    lines << header.join(QString());
    for (int r = 0; r < kMapRows; ++r) {
        QJsonArray row;
        QStringList line{QStringLiteral("%1").arg(RowHeaderText(p, r, kPoint), 7)};
        for (int col = 0; col < kMapColumns; ++col) {
            const bool got = maps.map.Known(r, col);
            row.append(known(got, PercentOf(maps.map.Cell(r, col))));
            line << QStringLiteral("%1").arg(knownText(got, CellText(maps.map.Cell(r, col))), 6);
        }
        cells.append(row);
        lines << line.join(QString());
    }
    for (int k = 0; k < kCurvePoints; ++k) {
        const bool got = maps.curve.known[size_t(k)];
        curve.append(known(got, PercentOf(maps.curve.bytes[size_t(k)])));
        curveTexts << knownText(got, CurvePointText(maps.curve.bytes[size_t(k)]));
    }
    if (c.out.json()) {
        json.insert(QStringLiteral("points"),
                    QJsonObject{{QStringLiteral("rpm"), rpm}, {QStringLiteral("ms"), ms}, {QStringLiteral("words"), words}});
        json.insert(QStringLiteral("cells"), cells);
        json.insert(QStringLiteral("curve"), curve);
        c.out.object(json);
        return;
    }
    c.out.line(QStringLiteral("speed points (rpm): ") + speeds.join(QLatin1Char(' ')));
    c.out.line(QStringLiteral("load points (ms):   ") + loads.join(QLatin1Char(' ')));
    c.out.line(QStringLiteral("map (percent; rows: load in ms, columns: speed in rpm):"));
    for (const QString& line : lines)
        c.out.line(line);
    c.out.line(QStringLiteral("curve (percent):    ") + curveTexts.join(QLatin1Char(' ')));
}

ExitCode RunReadMaps(CliContext& c)
{
    const std::optional<PointCoding> coding = readCoding(c);
    if (!coding)
        return noCoding(c);
    InjectionMaps maps;
    auto report = std::make_shared<MapTransferReport>();
    LinkJob job;
    AddMapRead(job, maps, *coding, {}, report);
    if (RunJob(c.session.link(), std::move(job)) != JobOutcome::Completed)
        return c.session.portWentAway();
    PrintMaps(c, maps);
    if (report->unread == 0)
        return ExitCode::Ok;
    PrintError(QStringLiteral("%1 map entries were not answered").arg(report->unread));
    return ExitCode::NoController;
}

std::optional<QString> CheckWriteCell(const CliRequest& r)
{
    const std::optional<int> row = ParseInteger(r.arguments[0]);
    const std::optional<int> column = ParseInteger(r.arguments[1]);
    const std::optional<int> percent = WholeNumberFromText(r.arguments[2]);
    if (!row || *row < 1 || *row > kMapRows)
        return QStringLiteral("R must be 1..12 (the load band): %1").arg(r.arguments[0]);
    if (!column || *column < 1 || *column > kMapColumns)
        return QStringLiteral("C must be 1..7 (the speed band): %1").arg(r.arguments[1]);
    if (!percent || *percent < kMinCellPercent || *percent > kMaxCellPercent)
        return QStringLiteral("PERCENT must be a whole number, -50..150: %1").arg(r.arguments[2]);
    return std::nullopt;
}

// The other cell of the pair is read first, as the editor does for a cell it has not
// read, so that the bank word carries what the controller holds.
ExitCode RunWriteCell(CliContext& c)
{
    const int row = *ParseInteger(c.request.arguments[0]) - 1;
    const int column = *ParseInteger(c.request.arguments[1]) - 1;
    const quint8 byte = ByteOfPercent(*WholeNumberFromText(c.request.arguments[2]));
    InjectionMaps maps;
    auto report = std::make_shared<MapTransferReport>();
    auto kept = std::make_shared<ByteReadout>();
    LinkJob job;
    AddCellWrite(job, maps, row, column, byte, report);
    ReadMapCell(job, quint8(row), quint8(column), kept);
    if (RunJob(c.session.link(), std::move(job)) != JobOutcome::Completed) {
        PrintError(QStringLiteral("cell %1 %2 was not written: its frames did not leave").arg(row + 1).arg(column + 1));
        return c.session.portWentAway();
    }
    if (report->pairsNotStored > 0)
        PrintError(QStringLiteral("the other cell of the pair did not answer: the map-bank word was not stored"));
    if (!*kept) {
        PrintError(QStringLiteral("cell %1 %2 was written but not read back").arg(row + 1).arg(column + 1));
        return ExitCode::NoController;
    }
    c.out.result(QStringLiteral("cell %1 %2: %3").arg(row + 1).arg(column + 1).arg(CellText(**kept)),
                 {{QStringLiteral("row"), row + 1}, {QStringLiteral("column"), column + 1},
                  {QStringLiteral("written"), PercentOf(byte)}, {QStringLiteral("percent"), PercentOf(**kept)}});
    if (**kept != byte) {
        PrintError(QStringLiteral("the controller kept %1, not %2").arg(CellText(**kept), CellText(byte)));
        return ExitCode::NotTaken;
    }
    return report->pairsNotStored > 0 ? ExitCode::NoController : ExitCode::Ok;
}

std::optional<QString> CheckWritePoint(const CliRequest& r)
{
    const std::optional<int> index = ParseInteger(r.arguments[0]);
    if (!index || *index < 0 || *index >= kMapPoints)
        return QStringLiteral("I must be 0..16 (0..5 speeds, 6..16 times): %1").arg(r.arguments[0]);
    if (!PointValueFromText(*index, withPoint(r.arguments[1]), kPoint))
        return QStringLiteral("VALUE must be %1: %2")
            .arg(*index < kSpeedPoints ? QStringLiteral("whole rpm") : QStringLiteral("a time in ms"), r.arguments[1]);
    return std::nullopt;
}

// VALUE in the unit the point shows, held to the point editor's limits; the word is
// coded by the ignition type and clock the controller reports.
ExitCode RunWritePoint(CliContext& c)
{
    const int index = *ParseInteger(c.request.arguments[0]);
    const int value = *PointValueFromText(index, withPoint(c.request.arguments[1]), kPoint);
    const std::optional<PointCoding> coding = readCoding(c);
    if (!coding)
        return noCoding(c);
    InjectionMaps maps;
    auto kept = std::make_shared<WordReadout>();
    LinkJob job;
    AddPointWrite(job, maps, index, value, *coding);
    ReadMapPoint(job, quint8(index), kept);
    if (RunJob(c.session.link(), std::move(job)) != JobOutcome::Completed) {
        PrintError(QStringLiteral("point %1 was not written: its frames did not leave").arg(index));
        return c.session.portWentAway();
    }
    if (!*kept) {
        PrintError(QStringLiteral("point %1 was written but not read back").arg(index));
        return ExitCode::NoController;
    }
    const quint16 word = maps.points.words[size_t(index)];
    const QString shown = PointText(maps.points, index, kPoint);
    c.out.result(QStringLiteral("point %1: %2 %3 (word %4)")
                     .arg(index)
                     .arg(shown, index < kSpeedPoints ? QStringLiteral("rpm") : QStringLiteral("ms"))
                     .arg(**kept),
                 {{QStringLiteral("index"), index}, {QStringLiteral("value"), shown.toDouble()},
                  {QStringLiteral("written"), word}, {QStringLiteral("word"), **kept}});
    if (**kept != word) {
        PrintError(QStringLiteral("the controller kept word %1, not %2").arg(**kept).arg(word));
        return ExitCode::NotTaken;
    }
    return ExitCode::Ok;
}

} // namespace zantrel::cli
