#include "CliCommands.h"
#include "LinkReads.h"

#include "live/LiveRecord.h"
#include "service/FuelCommands.h"

#include <QJsonArray>

#include <array>

namespace zantrel::cli {

namespace {

struct FuelName {
    const char* name;
    FuelCommand command;
};

constexpr std::array<FuelName, 3> kFuelNames{{
    {"petrol", FuelCommand::Petrol},
    {"gas", FuelCommand::Gas},
    {"auto", FuelCommand::Automatic},
}};

const FuelName* fuelName(const QString& name)
{
    for (const FuelName& f : kFuelNames)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

// Sends the frames in order; LinkLost when the port has gone.
ExitCode sendAll(CliContext& c, const QList<char>& commands)
{
    QJsonArray sent;
    QStringList names;
    for (const char command : commands) {
        if (!c.session.link().SendFrame(BuildFrame(command)))
            return c.session.portWentAway();
        sent.append(QString(QLatin1Char(command)));
        names << QString(QLatin1Char(command));
    }
    c.out.result(QStringLiteral("sent %1").arg(names.join(QLatin1Char(' '))), {{QStringLiteral("sent"), sent}});
    return ExitCode::Ok;
}

} // namespace

ExitCode RunClearErrors(CliContext& c)
{
    return sendAll(c, {'X'});
}

std::optional<QString> CheckSwitch(const CliRequest& r)
{
    if (!fuelName(r.arguments[0]))
        return QStringLiteral("switch takes petrol, gas or auto: %1").arg(r.arguments[0]);
    return std::nullopt;
}

// As the fuel buttons do, on the last live record: a remembered low pressure is cleared
// first, or the controller would stay on petrol.
ExitCode RunSwitch(CliContext& c)
{
    const FuelCommand command = fuelName(c.request.arguments[0])->command;
    LiveRecord record;
    if (command != FuelCommand::Petrol) {
        const LiveJudgement last = PollLive(c.session.commands());
        if (!c.session.link().PortOpen())
            return c.session.portWentAway();
        if (last.verdict == LiveVerdict::Record)
            record.Assign(last.words);
    }
    return sendAll(c, FuelFrames(record, command));
}

} // namespace zantrel::cli
