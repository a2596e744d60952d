#include "CliCommands.h"
#include "LinkReads.h"

#include "base/LanguageStrings.h"
#include "live/LiveRecorder.h"
#include "live/RecordingCsv.h"
#include "live/RecordingFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <csignal>

namespace zantrel::cli {

namespace {

// Polls in a row without an answer (ten seconds at least) after which the controller is
// taken to be gone.
constexpr int kSilentPolls = 400;
constexpr int kDefaultIgnitionType = 2;

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int)
{
    interrupted = 1;
}

// Ctrl+C and a termination end the recording between two records.
class InterruptGuard {
public:
    InterruptGuard()
    {
        interrupted = 0;
        std::signal(SIGINT, onInterrupt);
        std::signal(SIGTERM, onInterrupt);
    }
    ~InterruptGuard()
    {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

QString problemText(RecordingProblem problem)
{
    switch (problem) {
    case RecordingProblem::TooShort:
        return QStringLiteral("too short for a recording (%1 bytes or fewer)").arg(kShortestRefusedRecording);
    case RecordingProblem::NoFirstRecord:
        return QStringLiteral("no first record (\"1:\" and its digits) in its first 1000 characters");
    case RecordingProblem::NoLastRecord:
        return QStringLiteral("no record number in its last line");
    }
    return {};
}

// Beside the recording, with the suffix csv.
QString defaultCsvPath(const QString& recording)
{
    const QFileInfo info(recording);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".csv"));
}

} // namespace

ExitCode RunRecord(CliContext& c)
{
    const QString path = c.request.arguments.first();
    const LanguageStrings texts;
    LiveRecorder recorder;
    if (!recorder.Start(path, RecordingHeader(BaseCaption(texts), QDateTime::currentDateTime(), QLocale::system()))) {
        PrintError(QStringLiteral("cannot write %1").arg(path));
        return ExitCode::FileFailed;
    }

    const InterruptGuard guard;
    const std::optional<int> wanted = c.request.count;
    int records = 0;
    int badChecksum = 0;
    int unanswered = 0;
    int silent = 0;
    LiveCadence cadence;
    while (!interrupted && (!wanted || records < *wanted) && silent < kSilentPolls) {
        cadence.Wait();
        const LiveJudgement p = PollLive(c.session.commands());
        if (!c.session.link().PortOpen()) {
            recorder.Stop();
            return c.session.portWentAway();
        }
        switch (p.verdict) {
        case LiveVerdict::Record:
            if (!recorder.Append(p.words)) {
                PrintError(QStringLiteral("writing %1 failed after %2 records").arg(path).arg(records));
                return ExitCode::FileFailed;
            }
            ++records;
            silent = 0;
            break;
        case LiveVerdict::BadChecksum: // an answer all the same
            ++badChecksum;
            silent = 0;
            break;
        case LiveVerdict::Unusable:
            ++unanswered;
            ++silent;
            break;
        }
    }
    recorder.Stop();
    c.out.result(QStringLiteral("%1 records in %2 (%3 unanswered, %4 bad checksum)")
                     .arg(records)
                     .arg(path)
                     .arg(unanswered)
                     .arg(badChecksum),
                 {{QStringLiteral("summary"),
                   QJsonObject{{QStringLiteral("file"), path},
                               {QStringLiteral("records"), records},
                               {QStringLiteral("unanswered"), unanswered},
                               {QStringLiteral("bad_checksum"), badChecksum},
                               {QStringLiteral("seconds"), cadence.Elapsed()}}}});
    if (silent < kSilentPolls)
        return ExitCode::Ok;
    PrintError(QStringLiteral("the controller stopped answering; %1 records kept in %2").arg(records).arg(path));
    return ExitCode::NoController;
}

ExitCode RunExportCsv(CliContext& c)
{
    const QString path = c.request.arguments.first();
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("cannot read %1").arg(path));
        return ExitCode::FileFailed;
    }
    const QByteArray recording = input.readAll();
    const RecordingScan scan = ScanRecording(recording);
    if (!scan.layout) {
        PrintError(QStringLiteral("%1: %2").arg(path, problemText(scan.problem)));
        return ExitCode::FileFailed;
    }

    const QString outPath = c.request.out.isEmpty() ? defaultCsvPath(path) : c.request.out;
    QFile output(outPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        PrintError(QStringLiteral("cannot write %1").arg(outPath));
        return ExitCode::FileFailed;
    }
    const CsvDecoding decoding{c.request.ignition.value_or(kDefaultIgnitionType), c.request.fastClock};
    output.write(RecordingCsvHeader());
    int rows = 0;
    int skipped = 0;
    for (int i = 0; i < scan.layout->records; ++i) {
        const std::optional<LiveWords> words = ReadRecord(recording, *scan.layout, i);
        if (!words) {
            ++skipped;
            continue;
        }
        output.write(RecordingCsvRow(i, *words, decoding));
        ++rows;
    }
    if (!output.flush() || output.error() != QFileDevice::NoError) {
        PrintError(QStringLiteral("writing %1 failed").arg(outPath));
        return ExitCode::FileFailed;
    }
    c.out.result(QStringLiteral("%1 rows in %2 (%3 records not whole in the file)").arg(rows).arg(outPath).arg(skipped),
                 {{QStringLiteral("summary"), QJsonObject{{QStringLiteral("file"), outPath},
                                                          {QStringLiteral("rows"), rows},
                                                          {QStringLiteral("skipped"), skipped}}}});
    return ExitCode::Ok;
}

} // namespace zantrel::cli
