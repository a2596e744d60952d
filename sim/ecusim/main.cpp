#include "ecusim/PseudoTerminal.h"
#include "ecusim/PtyLoop.h"
#include "sim/FrameTrace.h"
#include "sim/SimOptions.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>

using namespace zantrel::sim;

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void installSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: the poll returns at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

int fail(const QString& message, int code)
{
    std::fprintf(stderr, "zantrel-ecusim: %s\n", qPrintable(message));
    return code;
}

constexpr int kExitUsage = 2;
constexpr int kExitSystem = 1;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ParsedSimOptions parsed = ParseSimOptions(app.arguments());
    if (!parsed.options) {
        if (parsed.isError)
            return fail(parsed.message, kExitUsage);
        std::fputs(qPrintable(parsed.message), stdout);
        return 0;
    }
    const SimOptions& options = *parsed.options;

    QFile trace(options.tracePath);
    if (!options.tracePath.isEmpty() && !trace.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write the trace %1: %2").arg(options.tracePath, trace.errorString()),
                    kExitSystem);

    installSignalHandlers();
    PseudoTerminal pty;
    QString error;
    if (!pty.open(&error) || (!options.linkPath.isEmpty() && !pty.link(options.linkPath, &error)))
        return fail(error, kExitSystem);

    ControllerModel model(options.controller);
    model.setErrors(options.errors);
    SimDevice device(model, options.line);
    if (trace.isOpen()) {
        device.onFrame = [&trace](const zantrel::CommandFrame& frame, qint64 atUs) {
            trace.write(TraceLine(atUs, frame));
            trace.flush();
        };
    }

    std::printf("%s\n", qPrintable(pty.slavePath()));
    std::fflush(stdout);

    PtyLoop loop(pty, device);
    if (loop.run(stopRequested) == PtyLoop::End::LineDropped)
        std::fprintf(stderr, "zantrel-ecusim: line dropped after %d frames\n", device.faults().framesSeen());
    return 0;
}
