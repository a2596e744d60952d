#include "CliCommands.h"

#include "base/LanguageStrings.h"
#include "config/ParameterFileComparison.h"
#include "config/ParameterFileLoad.h"
#include "config/ParameterFiles.h"
#include "image/ParameterWordIndex.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "live/LiveConversions.h"
#include "maps/MapTransfer.h"

#include <QJsonArray>

#include <memory>

namespace zantrel::cli {

namespace {

constexpr QChar kPoint = u'.';

// What the controller holds: the 64 words and the maps, each entry known only where its
// reply came.
struct ControllerState {
    ParameterTable table;
    InjectionMaps maps;
    int missing = 0;
};

std::optional<ExitCode> readController(CliContext& c, ControllerState& state)
{
    const ParameterReadout words = ReadAllParameterWords(c.session.commands());
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();
    for (int i = 0; i < kParameterWords; ++i) {
        if (words[size_t(i)])
            state.table.StoreReceived(i, *words[size_t(i)]);
        else
            ++state.missing;
    }
    state.table[ParameterTable::kShadow22] = state.table[kFlagsAWord];
    const PointCoding coding{state.table[kIgnitionTypeWord], FastClockSelected(quint32(state.table[kFlagsAWord]))};
    auto report = std::make_shared<MapTransferReport>();
    LinkJob job;
    AddMapRead(job, state.maps, coding, {}, report);
    if (RunJob(c.session.link(), std::move(job)) != JobOutcome::Completed)
        return c.session.portWentAway();
    state.missing += report->unread;
    return std::nullopt;
}

std::optional<ParameterFileData> readFile(const QString& path, const LanguageStrings& texts)
{
    const ParameterFileRead r = ReadParameterFile(path, texts);
    if (!r.data)
        PrintError(QStringLiteral("%1: %2").arg(path, r.error));
    return r.data;
}

void printComparison(CliContext& c, const ParameterFileComparison& comparison, const LanguageStrings& texts)
{
    if (!c.out.json()) {
        for (const QString& line : ComparisonLines(comparison, texts))
            c.out.line(line);
        return;
    }
    QJsonArray words;
    for (const WordDifference& d : comparison.words)
        words.append(QJsonObject{{QStringLiteral("index"), d.index},
                                 {QStringLiteral("label"), d.label},
                                 {QStringLiteral("controller"), d.controller},
                                 {QStringLiteral("file"), d.file}});
    c.out.object({{QStringLiteral("identical"), comparison.Identical()},
                  {QStringLiteral("words"), words},
                  {QStringLiteral("cells"), comparison.cells},
                  {QStringLiteral("points"), comparison.points},
                  {QStringLiteral("curve"), comparison.curvePoints}});
}

} // namespace

// A file is written only from a complete read: an entry that did not answer would go
// into the file as a value the controller never had.
ExitCode RunSaveParams(CliContext& c)
{
    ControllerState state;
    if (const std::optional<ExitCode> failed = readController(c, state))
        return *failed;
    if (state.missing > 0) {
        PrintError(QStringLiteral("%1 words or map entries were not answered; no file written").arg(state.missing));
        return ExitCode::NoController;
    }
    const QString path = WithParameterExtension(c.request.arguments[0]);
    if (!WriteParameterFile(path, ParameterFileOf(state.table, state.maps))) {
        PrintError(QStringLiteral("%1 could not be written").arg(path));
        return ExitCode::FileFailed;
    }
    c.out.result(QStringLiteral("saved %1").arg(path), {{QStringLiteral("file"), path}});
    return ExitCode::Ok;
}

// The comparison, then the load as the program runs it, then a read that shows the
// controller holds the file.
ExitCode RunLoadParams(CliContext& c)
{
    const LanguageStrings texts;
    const std::optional<ParameterFileData> file = readFile(c.request.arguments[0], texts);
    if (!file)
        return ExitCode::FileFailed;
    ControllerState before;
    if (const std::optional<ExitCode> failed = readController(c, before))
        return *failed;
    printComparison(c, CompareParameterFile(before.table, before.maps, *file, texts, kPoint), texts);
    if (c.request.dryRun)
        return ExitCode::Ok;
    LinkJob job;
    AddParameterFileLoad(job, *file, before.table, before.maps);
    if (RunJob(c.session.link(), std::move(job)) != JobOutcome::Completed) {
        PrintError(QStringLiteral("the load stopped: the controller holds part of the file"));
        return c.session.portWentAway();
    }
    ControllerState after;
    if (const std::optional<ExitCode> failed = readController(c, after))
        return *failed;
    const ParameterFileComparison left = CompareParameterFile(after.table, after.maps, *file, texts, kPoint);
    if (left.Identical()) {
        if (!c.out.json())
            c.out.line(QStringLiteral("written; the controller holds the file"));
        return ExitCode::Ok;
    }
    PrintError(QStringLiteral("written, but the controller does not hold all of the file:"));
    for (const QString& line : ComparisonLines(left, texts))
        PrintError(line);
    return after.missing > 0 ? ExitCode::NoController : ExitCode::NotTaken;
}

ExitCode RunShowParams(CliContext& c)
{
    const LanguageStrings texts;
    const std::optional<ParameterFileData> file = readFile(c.request.arguments[0], texts);
    if (!file)
        return ExitCode::FileFailed;
    const ParameterTable table = FileTable(*file);
    InjectionMaps maps;
    StoreFileMaps(*file, maps, true);
    QJsonArray words;
    for (int i = 0; i < ParameterTable::kWords; ++i) {
        const QString value = WordValueText(table, i, kPoint);
        const QString label = WordLabel(texts, i);
        if (c.out.json())
            words.append(QJsonObject{{QStringLiteral("index"), i},
                                     {QStringLiteral("raw"), int(file->words[size_t(i)])},
                                     {QStringLiteral("label"), label},
                                     {QStringLiteral("value"), value}});
        else
            c.out.line(QStringLiteral("%1 %2: %3").arg(i, 2).arg(label, value));
    }
    PrintMaps(c, maps, {{QStringLiteral("words"), words}});
    return ExitCode::Ok;
}

} // namespace zantrel::cli
