#include "CliArguments.h"
#include "CliCommands.h"

#include <QCoreApplication>

using namespace zantrel::cli;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ParsedRequest parsed = ParseCliArguments(app.arguments().mid(1));
    if (!parsed.request) {
        PrintError(parsed.error);
        return AsInt(ExitCode::Usage);
    }
    const CliRequest& request = *parsed.request;
    Output out(request.json);
    if (request.help) {
        std::fputs(HelpText().toLocal8Bit().constData(), stdout);
        return AsInt(ExitCode::Ok);
    }
    const CliCommand& command = *FindCliCommand(request.command);

    CliSession session(request.port);
    CliContext context{request, session, out, {}};
    if (!command.needsPort)
        return AsInt(command.run(context));
    if (const std::optional<CliFailure> failure = session.open()) {
        PrintError(failure->message);
        return AsInt(failure->code);
    }
    if (command.needsController) {
        const std::optional<zantrel::ControllerIdentity> identity = session.probe();
        if (!identity) {
            PrintError(QStringLiteral("no controller answers on %1").arg(request.port));
            return AsInt(ExitCode::NoController);
        }
        context.identity = *identity;
    }
    const ExitCode code = command.run(context);
    session.link().ClosePort();
    return AsInt(code);
}
