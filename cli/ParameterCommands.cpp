#include "CliCommands.h"
#include "LinkReads.h"

#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"

#include <QJsonArray>

namespace zantrel::cli {

namespace {

// The controller stores a word in its own time; give it what a write-all gives it
// before the next word.
constexpr int kSettleMs = 20;
constexpr int kEditorLeadingPauseMs = 10;

QString hexWord(quint16 v)
{
    return QStringLiteral("0x%1").arg(v, 4, 16, QLatin1Char('0'));
}

} // namespace

ExitCode RunReadParams(CliContext& c)
{
    const ParameterReadout words = ReadAllParameterWords(c.session.commands());
    if (!c.session.link().PortOpen())
        return c.session.portWentAway();
    QJsonArray json;
    int missing = 0;
    for (int i = 0; i < kParameterWords; ++i) {
        const std::optional<quint16> w = words[size_t(i)];
        missing += w ? 0 : 1;
        json.append(w ? QJsonValue(int(*w)) : QJsonValue());
        if (!c.out.json())
            c.out.line(w ? QStringLiteral("%1 %2 %3").arg(i).arg(*w).arg(hexWord(*w)) : QStringLiteral("%1 -").arg(i));
    }
    if (c.out.json())
        c.out.object({{QStringLiteral("words"), json}});
    if (missing == 0)
        return ExitCode::Ok;
    PrintError(QStringLiteral("%1 of %2 words were not answered").arg(missing).arg(kParameterWords));
    return ExitCode::NoController;
}

std::optional<QString> CheckWriteParam(const CliRequest& r)
{
    const std::optional<int> index = ParseInteger(r.arguments[0]);
    const std::optional<int> value = ParseInteger(r.arguments[1]);
    if (!index || *index < 0 || *index >= kParameterWords)
        return QStringLiteral("INDEX must be 0..63: %1").arg(r.arguments[0]);
    if (!value || *value < -32768 || *value > 0xFFFF)
        return QStringLiteral("VALUE must be -32768..65535: %1").arg(r.arguments[1]);
    return std::nullopt;
}

ExitCode RunWriteParam(CliContext& c)
{
    const quint8 index = quint8(*ParseInteger(c.request.arguments[0]));
    const quint16 value = quint16(*ParseInteger(c.request.arguments[1]));
    EcuCommands& cmds = c.session.commands();
    LinkJob job;
    WriteParameter(job, index, value, kEditorLeadingPauseMs);
    job.Pause(kSettleMs);
    if (RunJob(cmds.link(), std::move(job)) != JobOutcome::Completed) {
        PrintError(QStringLiteral("word %1 was not written: its frames did not leave").arg(index));
        return c.session.portWentAway();
    }
    const std::optional<quint16> kept = ReadParameterWord(cmds, index);
    if (!cmds.link().PortOpen())
        return c.session.portWentAway();
    if (!kept) {
        PrintError(QStringLiteral("word %1 was written but not read back").arg(index));
        return ExitCode::NoController;
    }
    c.out.result(QStringLiteral("%1 %2 %3").arg(index).arg(*kept).arg(hexWord(*kept)),
                 {{QStringLiteral("index"), index}, {QStringLiteral("written"), value},
                  {QStringLiteral("value"), *kept}});
    if (*kept == value)
        return ExitCode::Ok;
    PrintError(QStringLiteral("the controller kept word %1 at %2, not %3")
                   .arg(index)
                   .arg(hexWord(*kept), hexWord(value)));
    return ExitCode::NotTaken;
}

} // namespace zantrel::cli
