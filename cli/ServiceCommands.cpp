#include "CliCommands.h"
#include "LinkReads.h"

#include <QJsonArray>

#include <array>

namespace zantrel::cli {

namespace {

struct FuelCommand {
    const char* name;
    char command;
    bool preClear; // clear a remembered low pressure first, or gas stays off
};

constexpr std::array<FuelCommand, 3> kFuelCommands{{
    {"petrol", 'B', false},
    {"gas", 'G', true},
    {"auto", 'A', true},
}};

const FuelCommand* fuelCommand(const QString& name)
{
    for (const FuelCommand& f : kFuelCommands)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

constexpr quint16 kLowPressure = 0x0001; // remembered error 1

// Sends the frames in order; LinkLost when the port has gone.
ExitCode sendAll(CliContext& c, const QList<char>& commands)
{
    QJsonArray sent;
    QStringList names;
    for (const char command : commands) {
        if (!c.session.link().SendFrame(BuildFrame(command))) {
            PrintError(QStringLiteral("the port went away: %1").arg(c.session.port()));
            return ExitCode::LinkLost;
        }
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
    if (!fuelCommand(r.arguments[0]))
        return QStringLiteral("switch takes petrol, gas or auto: %1").arg(r.arguments[0]);
    return std::nullopt;
}

// As the fuel buttons do: before gas or automatic, a remembered low pressure in the last
// live record is cleared with "X", or the controller would stay on petrol.
ExitCode RunSwitch(CliContext& c)
{
    const FuelCommand& f = *fuelCommand(c.request.arguments[0]);
    QList<char> commands;
    if (f.preClear) {
        const LivePoll last = PollLive(c.session.commands());
        if (last.outcome == LiveOutcome::Record && (last.words[live::kStoredErrors] & kLowPressure))
            commands << 'X';
    }
    commands << f.command;
    return sendAll(c, commands);
}

} // namespace zantrel::cli
