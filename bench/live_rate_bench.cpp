// Records per second of "zantrel-cli live" against "zantrel-ecusim --baud-delay" over a
// pseudo-terminal, at the 25 ms cadence of the live view (at most 40 a second).
//   live_rate_bench [POLLS]   default 400 polls, about 10 s
#include "launcher/EcuSimProcess.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstdio>

using zantrel::sim::EcuSimProcess;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString polls = app.arguments().value(1, QStringLiteral("400"));

    EcuSimProcess sim({QStringLiteral("--baud-delay"), QStringLiteral("--scenario"), QStringLiteral("drive")});
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "live_rate_bench: %s\n", qPrintable(error));
        return 1;
    }
    QProcess cli;
    cli.start(QStringLiteral(ZANTREL_CLI_PATH), {QStringLiteral("--port"), sim.portPath(), QStringLiteral("--json"),
                                                 QStringLiteral("live"), QStringLiteral("--count"), polls});
    if (!cli.waitForFinished(-1) || cli.exitCode() != 0) {
        std::fprintf(stderr, "live_rate_bench: zantrel-cli failed: %s\n", cli.readAllStandardError().constData());
        return 1;
    }
    const QList<QByteArray> lines = cli.readAllStandardOutput().trimmed().split('\n');
    const QJsonObject s = QJsonDocument::fromJson(lines.last()).object().value(QStringLiteral("summary")).toObject();
    std::printf("polls                %d\n", s.value(QStringLiteral("polls")).toInt());
    std::printf("records              %d\n", s.value(QStringLiteral("records")).toInt());
    std::printf("unanswered           %d\n", s.value(QStringLiteral("unanswered")).toInt());
    std::printf("bad checksum         %d\n", s.value(QStringLiteral("bad_checksum")).toInt());
    std::printf("seconds              %.2f\n", s.value(QStringLiteral("seconds")).toDouble());
    std::printf("records per second   %.2f (target 39.6, ceiling 40 at 25 ms)\n",
                s.value(QStringLiteral("records_per_second")).toDouble());
    return sim.stop() == 0 ? 0 : 1;
}
