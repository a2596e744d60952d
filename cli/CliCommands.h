#pragma once

#include "CliArguments.h"
#include "CliSession.h"
#include "ExitCodes.h"
#include "Output.h"

#include "image/InjectionMaps.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace zantrel::cli {

struct CliContext {
    const CliRequest& request;
    CliSession& session;
    Output& out;
    ControllerIdentity identity; // from the probe, when the command needs a controller
};

struct CliCommand {
    const char* name;
    const char* arguments;
    int minArguments;
    int maxArguments;
    bool needsController; // identify first; a port without a controller fails early
    const char* summary;
    // Checks the arguments before the port is touched; the reason when they are bad.
    std::optional<QString> (*check)(const CliRequest& request);
    ExitCode (*run)(CliContext& context);
    bool needsPort = true; // false: the command works on files alone
};

// One row per command.
std::span<const CliCommand> CliCommandTable();
const CliCommand* FindCliCommand(const QString& name);

// The commands, one file each group.
std::optional<QString> CheckNothing(const CliRequest& request);
ExitCode RunIdentify(CliContext& context);
ExitCode RunReadParams(CliContext& context);
std::optional<QString> CheckWriteParam(const CliRequest& request);
ExitCode RunWriteParam(CliContext& context);
std::optional<QString> CheckLive(const CliRequest& request);
ExitCode RunLive(CliContext& context);
std::optional<QString> CheckFrame(const CliRequest& request);
ExitCode RunFrame(CliContext& context);
ExitCode RunClearErrors(CliContext& context);
std::optional<QString> CheckSwitch(const CliRequest& request);
ExitCode RunSwitch(CliContext& context);
ExitCode RunRecord(CliContext& context);
ExitCode RunExportCsv(CliContext& context);
ExitCode RunCounters(CliContext& context);
ExitCode RunCarData(CliContext& context);
ExitCode RunReadMaps(CliContext& context);
std::optional<QString> CheckWriteCell(const CliRequest& request);
ExitCode RunWriteCell(CliContext& context);
std::optional<QString> CheckWritePoint(const CliRequest& request);
ExitCode RunWritePoint(CliContext& context);
ExitCode RunReport(CliContext& context);
ExitCode RunSaveParams(CliContext& context);
ExitCode RunLoadParams(CliContext& context);
ExitCode RunShowParams(CliContext& context);
// The maps as read-maps prints them; entries not known as "-". With --json they join the
// fields of `json` in one object.
void PrintMaps(CliContext& context, const InjectionMaps& maps, QJsonObject json = {});

} // namespace zantrel::cli
