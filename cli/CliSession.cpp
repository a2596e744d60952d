#include "CliSession.h"

#include "Output.h"

#include "link/ReadSequences.h"

namespace zantrel::cli {

namespace {

constexpr int kProbes = 3;

} // namespace

CliSession::CliSession(const QString& port)
    : port_(port)
    , link_(io_, pause_)
    , commands_(link_)
{
    link_.SetPortName(port);
}

std::optional<CliFailure> CliSession::open()
{
    if (link_.OpenPort())
        return std::nullopt;
    switch (io_.lastOpenError()) {
    case QSerialPort::DeviceNotFoundError:
        return CliFailure{ExitCode::PortAbsent, QStringLiteral("no such port: %1").arg(port_)};
    case QSerialPort::PermissionError:
        return CliFailure{ExitCode::PortBusy, QStringLiteral("port busy or not permitted: %1").arg(port_)};
    default:
        return CliFailure{ExitCode::PortAbsent, QStringLiteral("cannot open port: %1").arg(port_)};
    }
}

ExitCode CliSession::portWentAway() const
{
    PrintError(QStringLiteral("the port went away: %1").arg(port_));
    return ExitCode::LinkLost;
}

std::optional<ControllerIdentity> CliSession::probe()
{
    link_.DrainInput();
    for (int i = 0; i < kProbes; ++i) {
        if (const std::optional<ControllerIdentity> id = ReadIdentify(commands_)) {
            link_.SetConnected(true);
            return id;
        }
    }
    return std::nullopt;
}

} // namespace zantrel::cli
