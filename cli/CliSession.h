#pragma once

#include "ExitCodes.h"

#include "image/ControllerIdentity.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"

#include <QString>

#include <optional>

namespace zantrel::cli {

struct CliFailure {
    ExitCode code;
    QString message;
};

// The port and the link the command runs over.
class CliSession {
public:
    explicit CliSession(const QString& port);

    std::optional<CliFailure> open();
    // Asks the controller who it is, up to three times as the connection manager does.
    std::optional<ControllerIdentity> probe();

    // The message and exit code for a port that went away under a command.
    ExitCode portWentAway() const;

    EcuLink& link() { return link_; }
    EcuCommands& commands() { return commands_; }
    Pause& pause() { return pause_; }
    const QString& port() const { return port_; }

private:
    QString port_;
    QtSerialIo io_;
    RealPause pause_;
    EcuLink link_;
    EcuCommands commands_;
};

} // namespace zantrel::cli
