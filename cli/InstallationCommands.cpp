#include "CliCommands.h"

#include "base/CodePage.h"
#include "base/LanguageStrings.h"
#include "image/CarDataBlock.h"
#include "image/ParameterTable.h"
#include "link/ReadSequences.h"
#include "service/CarDataCodec.h"
#include "service/CarDataTransfer.h"
#include "service/WorkingTimeReport.h"

#include <QJsonObject>

#include <iterator>

namespace zantrel::cli {

namespace {

// The tool writes numbers with a point, whatever the locale.
constexpr QChar kPoint = u'.';

QJsonObject counterJson(std::optional<quint32> seconds, float share)
{
    if (!seconds)
        return {};
    const TimeSplit t = SplitSeconds(*seconds);
    return {{QStringLiteral("seconds"), qint64(*seconds)},
            {QStringLiteral("days"), qint64(t.days)},
            {QStringLiteral("hours"), qint64(t.hours)},
            {QStringLiteral("minutes"), qint64(t.minutes)},
            {QStringLiteral("secondsOfMinute"), qint64(t.seconds)},
            {QStringLiteral("share"), QString::number(double(share), 'f', 2).toDouble()}};
}

QString counterLine(const char* fuel, std::optional<quint32> seconds, float share)
{
    if (!seconds)
        return QStringLiteral("%1 -").arg(QLatin1String(fuel));
    const TimeSplit t = SplitSeconds(*seconds);
    return QStringLiteral("%1 %2 s = %3 d %4 h %5 min %6 s, %7 %")
        .arg(QLatin1String(fuel))
        .arg(*seconds)
        .arg(t.days)
        .arg(t.hours)
        .arg(t.minutes)
        .arg(t.seconds)
        .arg(QString::number(double(share), 'f', 2));
}

// The fields by name, in the order of CarDataField.
constexpr const char* kFieldNames[] = {"registration", "make", "model", "installer", "year", "month", "day"};
static_assert(std::size(kFieldNames) == size_t(CarDataField::Count));

// The item a stored index names, or nothing for one beyond the list ("Brak Danej").
std::optional<QString> itemOf(const QStringList& items, int index)
{
    if (index < 0 || index >= items.size())
        return std::nullopt;
    return items[index];
}

} // namespace

ExitCode RunCounters(CliContext& c)
{
    const CounterReadout read = ReadCounterWords(c.session.commands());
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();
    ParameterTable table;
    const CounterReading reading = StoreCounterRead(table, read);
    FuelShares shares;
    if (reading.petrolSeconds && reading.gasSeconds)
        shares = SharesOf(*reading.petrolSeconds, *reading.gasSeconds);
    if (c.out.json()) {
        c.out.object({{QStringLiteral("petrol"), counterJson(reading.petrolSeconds, shares.petrol)},
                      {QStringLiteral("gas"), counterJson(reading.gasSeconds, shares.gas)}});
    } else {
        c.out.line(counterLine("petrol", reading.petrolSeconds, shares.petrol));
        c.out.line(counterLine("gas", reading.gasSeconds, shares.gas));
    }
    if (reading.petrolSeconds && reading.gasSeconds)
        return ExitCode::Ok;
    PrintError(QStringLiteral("a counter was not answered: its words are not shown as read"));
    return ExitCode::NoController;
}

// The texts in the code page the program writes them in: that of Polish.
ExitCode RunCarData(CliContext& c)
{
    const CarDataReadout read = ReadCarData(c.session.commands());
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();
    CarDataBlock block;
    ApplyCarDataRead(block, read);
    const CarDataTexts texts = CarDataTextsOf(block, CodePage::Of(CodePageOfLanguage(kPolishLanguage)));
    const EngineData engine = EngineDataOf(block.engine.value_or(0xFFFF), block.capacity.value_or(0xFFFF));
    const std::pair<const char*, std::optional<QString>> lists[] = {
        {"layout", itemOf(CylinderLayoutItems(), engine.layout)},
        {"cylinders", itemOf(CylinderCountItems(), engine.count)},
        {"capacity", itemOf(CapacityItems(kPoint), engine.capacity)},
        {"nozzle", itemOf(NozzleItems(kPoint), engine.nozzle)},
    };
    const bool saved = block.capacity && !NeverSaved(block);

    if (c.out.json()) {
        QJsonObject o;
        for (size_t i = 0; i < texts.size(); ++i)
            o.insert(QLatin1String(kFieldNames[i]), texts[i]);
        for (const auto& [name, item] : lists)
            o.insert(QLatin1String(name), item ? QJsonValue(*item) : QJsonValue());
        o.insert(QStringLiteral("saved"), saved);
        c.out.object(o);
    } else {
        for (size_t i = 0; i < texts.size(); ++i)
            c.out.line(QStringLiteral("%1 %2").arg(QLatin1String(kFieldNames[i]), texts[i]));
        for (const auto& [name, item] : lists)
            c.out.line(QStringLiteral("%1 %2").arg(QLatin1String(name), item.value_or(QStringLiteral("-"))));
        c.out.line(QStringLiteral("saved %1").arg(saved ? "yes" : "no"));
    }
    const int missing = int(CarDataBlock::kWrittenWords - block.known.count()) + (read.engine ? 0 : 1)
                        + (read.capacity ? 0 : 1);
    if (missing == 0)
        return ExitCode::Ok;
    PrintError(QStringLiteral("%1 of %2 words were not answered").arg(missing).arg(CarDataBlock::kWrittenWords + 2));
    return ExitCode::NoController;
}

} // namespace zantrel::cli
