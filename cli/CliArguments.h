#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zantrel::cli {

// What the command line asks for. Options may stand before or after the command;
// "--" ends them, and a negative number is taken as an argument, not an option.
struct CliRequest {
    QString port;
    bool json = false;
    std::optional<int> count; // live and record
    QString out;               // export-csv: the table's file; report: the report's
    std::optional<int> ignition; // export-csv: the ignition type the speeds are read with
    bool fastClock = false;      // export-csv: injection ticks of the fast clock
    bool dryRun = false;         // load-params: the comparison only, nothing written
    bool help = false;
    QString command;
    QStringList arguments;
};

struct ParsedRequest {
    std::optional<CliRequest> request;
    QString error; // one line, when the request is empty
};

// `arguments` without the program's own name.
ParsedRequest ParseCliArguments(const QStringList& arguments);

// Decimal, or hexadecimal with "0x"; never octal.
std::optional<int> ParseInteger(const QString& text);

QString HelpText();

} // namespace zantrel::cli
