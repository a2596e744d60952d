#include "CliCommands.h"
#include "LinkReads.h"

#include "image/ParameterWordIndex.h"
#include "link/ReadSequences.h"
#include "live/LiveConversions.h"
#include "live/LiveTexts.h"

#include <QJsonArray>

namespace zantrel::cli {

namespace {

constexpr int kDefaultCount = 10;
constexpr int kMaxCount = 1'000'000;
// The numbers are printed as the live view formats them, with a point.
constexpr QChar kPoint = u'.';

// How the controller's words are read: ignition type for the speed (no speed without
// it: a guessed type would show a wrong one), clock bit for times.
struct Decoding {
    std::optional<int> ignitionType;
    bool fastClock = false;
};

std::optional<int> rpmOf(const LiveWords& w, const Decoding& d)
{
    if (!d.ignitionType)
        return std::nullopt;
    return PeriodToRpm(w[live::kSpeedPeriod], *d.ignitionType);
}

QJsonArray msArray(const LiveWords& w, const std::array<int, live::kCylinders>& index, bool fast)
{
    QJsonArray out;
    for (const int i : index)
        out.append(std::round(TicksToMs(w[size_t(i)], fast) * 1000.0) / 1000.0);
    return out;
}

QJsonObject recordJson(int number, const LiveWords& w, const Decoding& d)
{
    QJsonArray words;
    for (const quint16 v : w)
        words.append(v);
    return {
        {QStringLiteral("record"), number},
        {QStringLiteral("words"), words},
        {QStringLiteral("rpm"), rpmOf(w, d) ? QJsonValue(*rpmOf(w, d)) : QJsonValue()},
        {QStringLiteral("petrol_ms"), msArray(w, live::kPetrolTime, d.fastClock)},
        {QStringLiteral("gas_ms"), msArray(w, live::kGasTime, d.fastClock)},
        {QStringLiteral("reducer_c"), TemperatureFromWord(w[live::kReducerTemperature])},
        {QStringLiteral("gas_c"), TemperatureFromWord(w[live::kGasTemperature])},
        {QStringLiteral("pressure_bar"), double(PressureFromCounts(w[live::kPressure]))},
        {QStringLiteral("lambda1_v"), double(LambdaVolts(w[live::kLambda1]))},
        {QStringLiteral("lambda2_v"), double(LambdaVolts(w[live::kLambda2]))},
        {QStringLiteral("on_gas"), w[live::kFuelState] == 1},
        {QStringLiteral("errors"), w[live::kErrors]},
        {QStringLiteral("stored_errors"), w[live::kStoredErrors]},
        {QStringLiteral("injector_mask"), w[live::kInjectorMask]},
    };
}

QString recordLine(int number, const LiveWords& w, const Decoding& d)
{
    QStringList words;
    for (const quint16 v : w)
        words << QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0'));
    return QStringLiteral("%1: rpm %2 petrol %3 ms gas %4 ms reducer %5 C gas %6 C pressure %7 bar "
                          "lambda %8 %9 V fuel %10 errors %11 stored %12 | %13")
        .arg(number)
        .arg(rpmOf(w, d) ? QString::number(*rpmOf(w, d)) : QStringLiteral("-"))
        .arg(InjectionTimeNumber(TicksToMs(w[live::kPetrolTime[0]], d.fastClock), kPoint))
        .arg(InjectionTimeNumber(TicksToMs(w[live::kGasTime[0]], d.fastClock), kPoint))
        .arg(TemperatureFromWord(w[live::kReducerTemperature]))
        .arg(TemperatureFromWord(w[live::kGasTemperature]))
        .arg(PressureNumber(PressureFromCounts(w[live::kPressure]), kPoint))
        .arg(LambdaNumber(LambdaVolts(w[live::kLambda1]), kPoint))
        .arg(LambdaNumber(LambdaVolts(w[live::kLambda2]), kPoint))
        .arg(w[live::kFuelState] == 1 ? QStringLiteral("gas") : QStringLiteral("petrol"))
        .arg(w[live::kErrors], 4, 16, QLatin1Char('0'))
        .arg(w[live::kStoredErrors], 4, 16, QLatin1Char('0'))
        .arg(words.join(QLatin1Char(' ')));
}

} // namespace

std::optional<QString> CheckLive(const CliRequest& r)
{
    if (r.count && *r.count > kMaxCount)
        return QStringLiteral("--count must be at most %1").arg(kMaxCount);
    return std::nullopt;
}

ExitCode RunLive(CliContext& c)
{
    EcuCommands& cmds = c.session.commands();
    Decoding d;
    if (const std::optional<quint16> ignition = ReadParameterWord(cmds, kIgnitionTypeWord))
        d.ignitionType = *ignition;
    d.fastClock = FastClockSelected(ReadParameterWord(cmds, kFlagsAWord).value_or(0));

    const int count = c.request.count.value_or(kDefaultCount);
    int polls = 0;
    int records = 0;
    int badChecksum = 0;
    LiveCadence cadence;
    while (polls < count && c.session.link().PortOpen()) {
        cadence.Wait();
        const LiveJudgement p = PollLive(cmds);
        ++polls;
        if (p.verdict == LiveVerdict::Record) {
            ++records;
            if (c.out.json())
                c.out.object(recordJson(polls, p.words, d));
            else
                c.out.line(recordLine(polls, p.words, d));
        }
        badChecksum += p.verdict == LiveVerdict::BadChecksum ? 1 : 0;
    }
    const bool lost = !c.session.link().PortOpen();
    if (!lost)
        cadence.Wait();
    const double seconds = cadence.Elapsed();
    const double rate = records / seconds;
    const int unanswered = polls - records - badChecksum;
    c.out.result(QStringLiteral("%1 records in %2 s: %3 records/s (%4 unanswered, %5 bad checksum)")
                     .arg(records)
                     .arg(seconds, 0, 'f', 2)
                     .arg(rate, 0, 'f', 1)
                     .arg(unanswered)
                     .arg(badChecksum),
                 {{QStringLiteral("summary"),
                   QJsonObject{{QStringLiteral("polls"), polls},
                               {QStringLiteral("records"), records},
                               {QStringLiteral("unanswered"), unanswered},
                               {QStringLiteral("bad_checksum"), badChecksum},
                               {QStringLiteral("seconds"), seconds},
                               {QStringLiteral("records_per_second"), rate}}}});
    if (lost)
        return c.session.portWentAway();
    // Most polls unanswered is a link that does not work, whatever came through.
    if (records * 2 > count)
        return ExitCode::Ok;
    PrintError(records > 0 ? QStringLiteral("most polls went unanswered: %1 records of %2").arg(records).arg(count)
                           : QStringLiteral("no live record came from the controller"));
    return ExitCode::NoController;
}

} // namespace zantrel::cli
