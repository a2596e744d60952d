#include "app/CommandLineOptions.h"

#include <QCommandLineParser>

namespace zantrel {

CommandLineParse ParseCommandLine(const QStringList& arguments)
{
    CommandLineParse result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Service and calibration tool for gas-injection controllers."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Device of the last port slot."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Settings file."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption workDir(QStringLiteral("workdir"), QStringLiteral("Start directory."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption autodetect(QStringLiteral("autodetect"),
                                        QStringLiteral("Answer the autodetection question."),
                                        QStringLiteral("yes|no"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Close the main window after MS milliseconds without saving."),
                                       QStringLiteral("MS"));
    const QCommandLineOption service(QStringLiteral("service"),
                                     QStringLiteral("Show recording and replay and the other hidden features."));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Play a recording from the start (implies --service)."),
                                    QStringLiteral("FILE"));
    parser.addOptions({port, settings, workDir, autodetect, quitAfter, service, replay});

    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpRequested = true;
        result.helpText = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return result;
    }

    CommandLineOptions& options = result.options;
    // A text option given with an empty value is an error; one not given stays unset.
    const auto takeText = [&](const QCommandLineOption& option, QString& target) {
        if (!parser.isSet(option))
            return true;
        target = parser.value(option);
        if (target.isEmpty())
            result.error = QStringLiteral("--%1 needs a non-empty value").arg(option.names().first());
        return !target.isEmpty();
    };
    QString portPath;
    QString replayPath;
    if (!takeText(port, portPath) || !takeText(settings, options.settingsFile)
        || !takeText(workDir, options.workDir) || !takeText(replay, replayPath))
        return result;
    if (!portPath.isEmpty())
        options.port = portPath;
    // The player's controls are among the hidden ones.
    options.service = parser.isSet(service) || !replayPath.isEmpty();
    if (!replayPath.isEmpty())
        options.replay = replayPath;

    if (parser.isSet(autodetect)) {
        const QString answer = parser.value(autodetect);
        if (answer == QLatin1String("yes")) {
            options.autodetect = true;
        } else if (answer == QLatin1String("no")) {
            options.autodetect = false;
        } else {
            result.error = QStringLiteral("--autodetect takes yes or no, not \"%1\"").arg(answer);
            return result;
        }
    }

    if (parser.isSet(quitAfter)) {
        bool ok = false;
        const int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0) {
            result.error = QStringLiteral("--quit-after takes a number of milliseconds, not \"%1\"")
                               .arg(parser.value(quitAfter));
            return result;
        }
        options.quitAfterMs = ms;
    }
    return result;
}

} // namespace zantrel
