#include "service/WorkingTimeReport.h"

#include "base/LanguageStrings.h"
#include "image/ParameterTable.h"
#include "image/WorkingTime.h"
#include "link/LinkJob.h"

#include <QStringList>

namespace zantrel {

namespace {

constexpr quint32 kSecondsPerDay = 86400;
constexpr quint32 kSecondsPerHour = 3600;
constexpr quint32 kSecondsPerMinute = 60;

// The share lines keep their columns: the gas label is the shorter by five characters.
constexpr int kGasShareSpaces = 7;
constexpr int kPetrolShareSpaces = 2;

std::optional<quint32> secondsOf(const CounterReadout& read, int high, int low)
{
    const std::optional<quint16> h = read[size_t(high - kFirstCounterWord)];
    const std::optional<quint16> l = read[size_t(low - kFirstCounterWord)];
    if (!h || !l)
        return std::nullopt;
    return (quint32(*h) << 16) | *l;
}

void addBlock(QStringList& lines, const QString& heading, std::optional<quint32> seconds, const LanguageStrings& texts)
{
    lines << heading;
    if (!seconds) {
        lines << texts[Text::CounterNotRead];
        return;
    }
    const TimeSplit split = SplitSeconds(*seconds);
    const QChar space(u' ');
    lines << texts[Text::Days] + space + QString::number(split.days);
    lines << texts[Text::Hours] + space + QString::number(split.hours);
    lines << texts[Text::Minutes] + space + QString::number(split.minutes);
    lines << texts[Text::Seconds] + space + QString::number(split.seconds);
}

QString shareText(float share, QChar separator)
{
    QString text = QString::number(double(share), 'f', 2);
    text.replace(u'.', separator);
    return text + u'%';
}

} // namespace

TimeSplit SplitSeconds(quint32 s)
{
    TimeSplit t;
    t.days = s / kSecondsPerDay;
    t.hours = s / kSecondsPerHour - 24 * t.days;
    t.minutes = s / kSecondsPerMinute - 1440 * t.days - 60 * t.hours;
    t.seconds = s - (kSecondsPerDay * t.days + kSecondsPerHour * t.hours + kSecondsPerMinute * t.minutes);
    return t;
}

FuelShares SharesOf(quint32 petrolSeconds, quint32 gasSeconds)
{
    const quint64 total = quint64(petrolSeconds) + gasSeconds;
    if (total == 0)
        return {};
    const float sum = float(total);
    return {float(petrolSeconds) / sum * 100.0f, float(gasSeconds) / sum * 100.0f};
}

CounterReading StoreCounterRead(ParameterTable& table, const CounterReadout& read)
{
    for (size_t i = 0; i < read.size(); ++i)
        if (read[i])
            table.StoreReceived(kFirstCounterWord + int(i), *read[i]);
    return {secondsOf(read, kPetrolTimeHighWord, kPetrolTimeLowWord), secondsOf(read, kGasTimeHighWord, kGasTimeLowWord)};
}

QString WorkingTimeReport(const CounterReading& reading, const LanguageStrings& texts, QChar decimalSeparator)
{
    QStringList lines;
    addBlock(lines, texts[Text::PetrolTimeHeading], reading.petrolSeconds, texts);
    lines << QString();
    addBlock(lines, texts[Text::GasTimeHeading], reading.gasSeconds, texts);
    if (reading.petrolSeconds && reading.gasSeconds) {
        const FuelShares shares = SharesOf(*reading.petrolSeconds, *reading.gasSeconds);
        lines << QString();
        lines << texts[Text::GasShare] + QString(kGasShareSpaces, u' ') + shareText(shares.gas, decimalSeparator);
        lines << QString();
        lines << texts[Text::PetrolShare] + QString(kPetrolShareSpaces, u' ')
                     + shareText(shares.petrol, decimalSeparator);
    }
    return lines.join(u'\n');
}

void ResetCounter(LinkJob& job, Counter counter)
{
    const int high = counter == Counter::Petrol ? kPetrolTimeHighWord : kGasTimeHighWord;
    const int low = counter == Counter::Petrol ? kPetrolTimeLowWord : kGasTimeLowWord;
    job.Pause(10).Send('K', high).Pause(30).Send('E', high, 0).Pause(20);
    job.Send('K', low).Pause(30).Send('E', low, 0).Pause(20);
    job.Send('D', high, 0).Pause(10).Send('D', low, 0).Pause(10);
}

} // namespace zantrel
