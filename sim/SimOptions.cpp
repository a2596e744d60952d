#include "sim/SimOptions.h"

#include "live/LiveWords.h"

#include <QCommandLineParser>

namespace zantrel::sim {

namespace {

QString faultHelp()
{
    QStringList lines;
    for (const FaultModeRow& row : FaultModeTable())
        lines << QStringLiteral("  %1: %2").arg(QLatin1String(row.name), -14).arg(QLatin1String(row.what));
    return lines.join(QLatin1Char('\n'));
}

ParsedSimOptions failure(const QString& message)
{
    return {std::nullopt, message, true};
}

} // namespace

ParsedSimOptions ParseSimOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A gas-injection controller in software on a pseudo-terminal. Prints the slave path\n"
        "on stdout and answers there until SIGINT or SIGTERM.\n\nFault modes (--fault MODE[:RATE]):\n")
        + faultHelp());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also reach the port at PATH (a symlink)."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption baud(QStringLiteral("baud-delay"), QStringLiteral("Send at the pace of 57600 baud."));
    const QCommandLineOption trace(QStringLiteral("trace"), QStringLiteral("Write every frame received to FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption fault(QStringLiteral("fault"), QStringLiteral("Inject a fault; may be repeated."),
                                   QStringLiteral("MODE[:RATE]"));
    const QCommandLineOption unprogrammed(QStringLiteral("unprogrammed"),
                                          QStringLiteral("Start unprogrammed (marker 0x5555)."));
    const QCommandLineOption erased(QStringLiteral("erased-car-data"),
                                    QStringLiteral("Start with the car data erased (0xFF)."));
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("Engine scenario: %1 (default idle).")
                                          .arg(ScenarioNames().join(QStringLiteral(", "))),
                                      QStringLiteral("NAME"), QStringLiteral("idle"));
    const QCommandLineOption cylinders(QStringLiteral("cylinders"), QStringLiteral("Cylinders, 1..8 (default 4)."),
                                       QStringLiteral("N"), QStringLiteral("4"));
    const QCommandLineOption fastClock(QStringLiteral("fast-clock"),
                                       QStringLiteral("Count injection time at 1 843 200 Hz."));
    const QCommandLineOption errors(QStringLiteral("errors"), QStringLiteral("Current error bits at start (hex)."),
                                    QStringLiteral("MASK"), QStringLiteral("0"));
    parser.addOptions({help, link, baud, trace, fault, unprogrammed, erased, scenario, cylinders, fastClock, errors});

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText(), false};
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first()));

    SimOptions o;
    const std::optional<Scenario> chosen = ScenarioFromName(parser.value(scenario));
    if (!chosen)
        return failure(QStringLiteral("unknown scenario \"%1\" (one of %2)")
                           .arg(parser.value(scenario), ScenarioNames().join(QStringLiteral(", "))));
    o.controller.scenario = *chosen;
    bool ok = false;
    o.controller.cylinders = parser.value(cylinders).toInt(&ok);
    if (!ok || o.controller.cylinders < 1 || o.controller.cylinders > live::kCylinders)
        return failure(QStringLiteral("cylinders must be 1..8: %1").arg(parser.value(cylinders)));
    const uint mask = parser.value(errors).toUInt(&ok, 16);
    if (!ok || mask > 0xFFFF)
        return failure(QStringLiteral("error bits must be a hex word: %1").arg(parser.value(errors)));
    o.errors = quint16(mask);
    for (const QString& text : parser.values(fault)) {
        QString why;
        const std::optional<FaultSpec> spec = ParseFaultSpec(text, &why);
        if (!spec)
            return failure(why);
        o.line.faults.push_back(*spec);
    }
    o.controller.unprogrammed = parser.isSet(unprogrammed);
    o.controller.erasedCarData = parser.isSet(erased);
    o.controller.fastClock = parser.isSet(fastClock);
    o.line.wireTime = parser.isSet(baud);
    o.linkPath = parser.value(link);
    o.tracePath = parser.value(trace);
    return {o, QString(), false};
}

} // namespace zantrel::sim
