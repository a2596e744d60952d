#include "CliArguments.h"

#include "CliCommands.h"
#include "ExitCodes.h"

namespace zantrel::cli {

namespace {

constexpr int kLastIgnitionType = 6;

// "--name VALUE" or "--name=VALUE".
std::optional<QString> takeValue(const QStringList& args, int& i, const QString& name, QString* error)
{
    const QString& token = args[i];
    if (token.startsWith(name + QLatin1Char('=')))
        return token.mid(name.size() + 1);
    if (i + 1 >= args.size()) {
        *error = QStringLiteral("%1 needs a value").arg(name);
        return std::nullopt;
    }
    return args[++i];
}

bool isOption(const QString& token, const char* name)
{
    return token == QLatin1String(name) || token.startsWith(QLatin1String(name) + QLatin1Char('='));
}

} // namespace

std::optional<int> ParseInteger(const QString& text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const bool negative = t.startsWith(QLatin1Char('-'));
    const QString digits = negative ? t.mid(1) : t;
    const bool hex = digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qlonglong magnitude = hex ? digits.mid(2).toLongLong(&ok, 16) : digits.toLongLong(&ok, 10);
    if (!ok || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')) || magnitude < 0
        || magnitude > 0x7FFFFFFF)
        return std::nullopt;
    return int(negative ? -magnitude : magnitude);
}

ParsedRequest ParseCliArguments(const QStringList& args)
{
    CliRequest r;
    QString error;
    bool optionsEnded = false;
    QStringList positional;
    for (int i = 0; i < args.size() && error.isEmpty(); ++i) {
        const QString& token = args[i];
        if (optionsEnded || !token.startsWith(QLatin1Char('-')) || ParseInteger(token)) {
            positional << token;
        } else if (token == QLatin1String("--")) {
            optionsEnded = true;
        } else if (token == QLatin1String("-h") || token == QLatin1String("--help")) {
            r.help = true;
        } else if (token == QLatin1String("--json")) {
            r.json = true;
        } else if (isOption(token, "--port")) {
            r.port = takeValue(args, i, QStringLiteral("--port"), &error).value_or(QString());
        } else if (isOption(token, "--out")) {
            r.out = takeValue(args, i, QStringLiteral("--out"), &error).value_or(QString());
            if (error.isEmpty() && r.out.isEmpty())
                error = QStringLiteral("--out needs a file");
        } else if (isOption(token, "--ignition")) {
            const QString value = takeValue(args, i, QStringLiteral("--ignition"), &error).value_or(QString());
            r.ignition = ParseInteger(value);
            if (error.isEmpty() && (!r.ignition || *r.ignition < 0 || *r.ignition > kLastIgnitionType))
                error = QStringLiteral("--ignition takes a type 0..%1: %2").arg(kLastIgnitionType).arg(value);
        } else if (token == QLatin1String("--fast-clock")) {
            r.fastClock = true;
        } else if (token == QLatin1String("--dry-run")) {
            r.dryRun = true;
        } else if (isOption(token, "--count")) {
            const QString value = takeValue(args, i, QStringLiteral("--count"), &error).value_or(QString());
            r.count = ParseInteger(value);
            if (error.isEmpty() && (!r.count || *r.count < 1))
                error = QStringLiteral("--count needs a whole number of at least 1: %1").arg(value);
        } else {
            error = QStringLiteral("unknown option %1").arg(token);
        }
    }
    if (!error.isEmpty())
        return {std::nullopt, error};
    if (r.help)
        return {r, QString()};
    if (positional.isEmpty())
        return {std::nullopt, QStringLiteral("no command given (try --help)")};
    r.command = positional.takeFirst();
    r.arguments = positional;
    const CliCommand* command = FindCliCommand(r.command);
    if (!command)
        return {std::nullopt, QStringLiteral("unknown command %1 (try --help)").arg(r.command)};
    if (r.arguments.size() < command->minArguments || r.arguments.size() > command->maxArguments)
        return {std::nullopt, QStringLiteral("usage: zantrel-cli %1%2 %3")
                                  .arg(command->needsPort ? QStringLiteral("--port PATH ") : QString(),
                                       QLatin1String(command->name), QLatin1String(command->arguments))
                                  .trimmed()};
    if (r.count && r.command != QLatin1String("live") && r.command != QLatin1String("record"))
        return {std::nullopt, QStringLiteral("--count is for live and record only")};
    if (!r.out.isEmpty() && r.command != QLatin1String("export-csv") && r.command != QLatin1String("report"))
        return {std::nullopt, QStringLiteral("--out is for export-csv and report only")};
    if ((r.ignition || r.fastClock) && r.command != QLatin1String("export-csv"))
        return {std::nullopt, QStringLiteral("--ignition and --fast-clock are for export-csv only")};
    if (r.dryRun && r.command != QLatin1String("load-params"))
        return {std::nullopt, QStringLiteral("--dry-run is for load-params only")};
    if (command->needsPort && r.port.isEmpty())
        return {std::nullopt, QStringLiteral("no port given: --port PATH")};
    if (const std::optional<QString> bad = command->check(r))
        return {std::nullopt, *bad};
    return {r, QString()};
}

QString HelpText()
{
    QString text = QStringLiteral(
        "Usage: zantrel-cli --port PATH [--json] COMMAND [ARGUMENTS]\n"
        "       zantrel-cli export-csv FILE.jovr [--out FILE.csv]\n\n"
        "Talks to a gas-injection controller on a serial port (57600 baud, 8N1).\n"
        "PATH is a device path such as /dev/ttyUSB0, or COM1..COM256.\n\n"
        "Options:\n"
        "  --port PATH   the serial port\n"
        "  --json        print JSON instead of plain text (live: one object a line)\n"
        "  --count N     live: how many records to poll; record: how many to write\n"
        "  --out FILE    export-csv: the table (default: the recording's name with .csv);\n"
        "                report: the report's file (UTF-8) instead of the standard output\n"
        "  --ignition T  export-csv: ignition type 0..6 for the engine speed (default 2, \"4 Cyl.\")\n"
        "  --fast-clock  export-csv: injection times counted at 1 843 200 Hz\n"
        "  --dry-run     load-params: print what the file would change, write nothing\n"
        "  -h, --help    this text\n\n"
        "Commands:\n");
    for (const CliCommand& c : CliCommandTable())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(c.name), QLatin1String(c.arguments), QLatin1String(c.summary));
    text += QStringLiteral("\nExit codes (errors also print one line on stderr):\n");
    for (const ExitCodeRow& row : ExitCodeTable())
        text += QStringLiteral("  %1  %2\n").arg(AsInt(row.code)).arg(QLatin1String(row.meaning));
    return text;
}

} // namespace zantrel::cli
