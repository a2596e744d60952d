#include "launcher/EcuSimProcess.h"
#include "live/LiveConversions.h"
#include "live/LiveTexts.h"
#include "live/LiveWords.h"

#include "base/LanguageStrings.h"
#include "live/LiveRecorder.h"
#include "live/RecordingCsv.h"
#include "live/RecordingFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zantrel::cli::test {
namespace {

using sim::EcuSimProcess;

struct CliRun {
    int code = -1;
    QString out;
    QString err;
    QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    int errLines() const { return int(err.count(QLatin1Char('\n'))); }
};

CliRun runCli(const QStringList& arguments, int timeoutMs = 30'000)
{
    QProcess p;
    p.start(QStringLiteral(ZANTREL_CLI_PATH), arguments);
    CliRun run;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "zantrel-cli did not finish: " << arguments.join(' ').toStdString();
        return run;
    }
    run.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(p.readAllStandardError());
    return run;
}

// A fresh simulator for each test, reached through the link it makes.
class CliEndToEnd : public ::testing::Test {
protected:
    void start(QStringList simArguments = {})
    {
        port = dir.filePath("ecu");
        sim = std::make_unique<EcuSimProcess>(simArguments << "--link" << port);
        QString error;
        ASSERT_TRUE(sim->start(&error)) << error.toStdString();
    }
    CliRun cli(QStringList arguments) { return runCli(QStringList{"--port", port} + arguments); }

    QTemporaryDir dir;
    QString port;
    std::unique_ptr<EcuSimProcess> sim;
};

TEST_F(CliEndToEnd, IdentifiesInPlainTextAndJson)
{
    start();
    const CliRun plain = cli({"identify"});
    EXPECT_EQ(plain.code, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.out.trimmed(), "hardware 0x43 software 37 variant 4 cylinders 3-4");

    const CliRun json = cli({"--json", "identify"});
    ASSERT_EQ(json.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o.value("hardware").toInt(), 0x43);
    EXPECT_EQ(o.value("software").toInt(), 37);
    EXPECT_EQ(o.value("cylinders").toString(), "3-4");
}

// write-param goes through the three-frame write; a later read-params shows the word.
TEST_F(CliEndToEnd, WrittenParameterIsReadBack)
{
    start();
    const CliRun before = cli({"read-params"});
    ASSERT_EQ(before.code, 0) << before.err.toStdString();
    ASSERT_EQ(before.outLines().size(), 64);
    EXPECT_EQ(before.outLines()[0], "0 43690 0xaaaa");
    EXPECT_EQ(before.outLines()[40], "40 2 0x0002");

    const CliRun write = cli({"write-param", "40", "777"});
    EXPECT_EQ(write.code, 0) << write.err.toStdString();

    const CliRun after = cli({"--json", "read-params"});
    ASSERT_EQ(after.code, 0);
    const QJsonArray words = QJsonDocument::fromJson(after.out.toUtf8()).object().value("words").toArray();
    ASSERT_EQ(words.size(), 64);
    EXPECT_EQ(words[40].toInt(), 777);
    EXPECT_EQ(words[41].toInt(), 5);
}

// Negative values travel in two's complement; a word the controller keeps its own way
// is reported as not taken.
TEST_F(CliEndToEnd, WriteParamReportsWhatTheControllerKept)
{
    start();
    const CliRun negative = cli({"write-param", "3", "-10"});
    EXPECT_EQ(negative.code, 0) << negative.err.toStdString();
    EXPECT_EQ(negative.out.trimmed(), "3 65526 0xfff6");
    const CliRun leadingZero = cli({"write-param", "40", "010"});
    EXPECT_EQ(leadingZero.out.trimmed(), "40 10 0x000a") << "decimal, never octal";

    const CliRun clockBit = cli({"write-param", "22", "0x1020"});
    EXPECT_EQ(clockBit.code, 6);
    EXPECT_EQ(clockBit.errLines(), 1);
    EXPECT_TRUE(clockBit.err.contains("0x0020"));
}

// The port goes away under a command: each says so with the "port went away" code, and a
// write whose frames could not leave does not claim to have been written.
TEST_F(CliEndToEnd, APortThatGoesAwayEndsEachCommandWithItsCode)
{
    struct Case {
        const char* name;
        const char* answered; // frames the simulator answers before its line drops
        QStringList command;
        const char* said;
    };
    const std::vector<Case> cases = {
        {"write-param", "disconnect:1", {"write-param", "40", "3"}, "was not written"},
        {"read-params", "disconnect:20", {"read-params"}, "the port went away"},
    };
    for (const Case& c : cases) {
        start({"--fault", c.answered});
        const CliRun run = cli(c.command);
        EXPECT_EQ(run.code, 7) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.said))) << c.name << ": " << run.err.toStdString();
        EXPECT_FALSE(run.out.contains("written")) << c.name;
    }
}

// write-cell and write-point reach the controller; read-maps shows them, in plain text
// and as JSON, the point in the unit it is written in.
TEST_F(CliEndToEnd, WrittenCellAndPointAreReadBackWithTheMaps)
{
    start();
    const CliRun cell = cli({"write-cell", "3", "2", "-99"});
    EXPECT_EQ(cell.code, 2) << "the percentage is refused beyond -50..150";
    const CliRun write = cli({"write-cell", "3", "2", "20"});
    EXPECT_EQ(write.code, 0) << write.err.toStdString();
    EXPECT_EQ(write.out.trimmed(), "cell 3 2: +20");
    const CliRun point = cli({"write-point", "16", "20,05"});
    EXPECT_EQ(point.code, 0) << point.err.toStdString();
    EXPECT_EQ(point.out.trimmed(), "point 16: 20.0 ms (word 4608)") << "0.1 ms as the point editor keeps it";

    const CliRun plain = cli({"read-maps"});
    ASSERT_EQ(plain.code, 0) << plain.err.toStdString();
    const QStringList lines = plain.outLines();
    ASSERT_EQ(lines.size(), 2 + 1 + 13 + 1);
    EXPECT_EQ(lines[0], "speed points (rpm): 1000 2000 3000 4000 5000 6000");
    EXPECT_TRUE(lines[1].endsWith(" 16.0 20.0"));
    EXPECT_EQ(lines[6].simplified(), "3.0 +15 +20 +15 +15 +15 +15 +15");
    EXPECT_EQ(lines[15].simplified(), "+20.0 +15 +15 +15 +15 +15 +15 +15");

    const CliRun json = cli({"--json", "read-maps"});
    ASSERT_EQ(json.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonArray cells = o.value("cells").toArray();
    ASSERT_EQ(cells.size(), 12);
    EXPECT_EQ(cells[2].toArray()[1].toInt(), 20);
    EXPECT_EQ(cells[3].toArray()[1].toInt(), 15);
    EXPECT_EQ(o.value("points").toObject().value("ms").toArray()[10].toDouble(), 20.0);
    EXPECT_EQ(o.value("curve").toArray().size(), 12);
}

TEST_F(CliEndToEnd, LivePrintsDecodedRecordsAndTheirRate)
{
    start();
    const CliRun run = cli({"--json", "live", "--count", "8"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 9);
    for (int i = 0; i < 8; ++i) {
        const QJsonObject r = QJsonDocument::fromJson(lines[i].toUtf8()).object();
        EXPECT_EQ(r.value("record").toInt(), i + 1);
        EXPECT_EQ(r.value("words").toArray().size(), 32);
        EXPECT_GE(r.value("rpm").toInt(), 750);
        EXPECT_LE(r.value("rpm").toInt(), 900);
        EXPECT_NEAR(r.value("petrol_ms").toArray()[0].toDouble(), 2.6, 0.2);
        EXPECT_EQ(r.value("gas_ms").toArray()[0].toDouble(), 0.0);
    }
    const QJsonObject summary = QJsonDocument::fromJson(lines[8].toUtf8()).object().value("summary").toObject();
    EXPECT_EQ(summary.value("records").toInt(), 8);
    EXPECT_GT(summary.value("records_per_second").toDouble(), 0.0);

    const CliRun plain = cli({"live", "--count", "2"});
    ASSERT_EQ(plain.code, 0);
    ASSERT_EQ(plain.outLines().size(), 3);
    EXPECT_TRUE(plain.outLines()[0].startsWith("1: rpm "));
    EXPECT_TRUE(plain.outLines()[2].contains("records/s"));

    // The numbers are those the live view shows for the words at the end of the line.
    const QString line = plain.outLines()[0];
    const QStringList words = line.section(QLatin1Char('|'), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(words.size(), 32);
    const auto word = [&words](int i) { return quint16(words[i].toUInt(nullptr, 16)); };
    const QString petrol = InjectionTimeNumber(TicksToMs(word(live::kPetrolTime[0]), false), u'.');
    const QString pressure = PressureNumber(PressureFromCounts(word(live::kPressure)), u'.');
    EXPECT_TRUE(line.contains(QStringLiteral(" petrol %1 ms ").arg(petrol))) << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral(" pressure %1 bar ").arg(pressure))) << line.toStdString();
}

TEST_F(CliEndToEnd, FrameSendsAndShowsTheReply)
{
    start();
    const CliRun four = cli({"frame", "64 23 00 00"});
    ASSERT_EQ(four.code, 0) << four.err.toStdString();
    EXPECT_EQ(four.outLines()[0], "sent 64 23 00 00 87 3b");
    EXPECT_TRUE(four.outLines()[1].startsWith("reply 64 23 "));
    EXPECT_TRUE(four.outLines()[1].endsWith("(6 bytes, complete)"));

    // A wrong checksum goes out as given, and the controller ignores it.
    const CliRun bad = cli({"--json", "frame", "490000004a3b"});
    EXPECT_EQ(bad.code, 5);
    EXPECT_EQ(bad.errLines(), 1);
    const QJsonObject o = QJsonDocument::fromJson(bad.out.toUtf8()).object();
    EXPECT_EQ(o.value("sent").toString(), "49 00 00 00 4a 3b");
    EXPECT_EQ(o.value("bytes").toInt(), 0);
}

TEST_F(CliEndToEnd, ServiceCommandsSendTheirFrames)
{
    start({"--errors", "1"});
    const CliRun clear = cli({"clear-errors"});
    EXPECT_EQ(clear.code, 0) << clear.err.toStdString();
    EXPECT_EQ(clear.out.trimmed(), "sent X");
    // The low pressure is still there, so it is remembered again: gas is preceded by "X".
    const CliRun gas = cli({"switch", "gas"});
    EXPECT_EQ(gas.code, 0);
    EXPECT_EQ(gas.out.trimmed(), "sent X G");
    const CliRun petrol = cli({"--json", "switch", "petrol"});
    EXPECT_EQ(petrol.out.trimmed(), QStringLiteral("{\"sent\":[\"B\"]}"));
}

// The counters of the running simulator (90061 s on petrol and 200000 s on gas at its
// start, and the petrol one counts while the engine idles).
TEST_F(CliEndToEnd, CountersShowBothFuelsAndTheirShares)
{
    start();
    const CliRun plain = cli({"counters"});
    ASSERT_EQ(plain.code, 0) << plain.err.toStdString();
    ASSERT_EQ(plain.outLines().size(), 2);
    EXPECT_TRUE(plain.outLines()[0].startsWith("petrol 900")) << plain.out.toStdString();
    EXPECT_EQ(plain.outLines()[1].section(',', 0, 0), "gas 200000 s = 2 d 7 h 33 min 20 s");

    const CliRun json = cli({"--json", "counters"});
    ASSERT_EQ(json.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o.value("gas").toObject().value("minutes").toInt(), 33);
    EXPECT_NEAR(o.value("gas").toObject().value("share").toDouble() + o.value("petrol").toObject().value("share").toDouble(),
                100.0, 0.011);
}

TEST_F(CliEndToEnd, CarDataShowsTheInstallationOrThatNoneWasSaved)
{
    start();
    const CliRun plain = cli({"car-data"});
    ASSERT_EQ(plain.code, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.outLines(), (QStringList{"registration ZT 1039A", "make Zefira", "model Tarsa 1.6",
                                             QString::fromUtf8("installer Warsztat Demo, Łódź"), "year 2024",
                                             "month 05", "day 17", QString::fromUtf8("layout R - Rzędowy"),
                                             "cylinders 4", "capacity 1.60 L", "nozzle 1.80mm", "saved yes"}));

    start({"--erased-car-data"});
    const CliRun erased = cli({"--json", "car-data"});
    ASSERT_EQ(erased.code, 0) << erased.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(erased.out.toUtf8()).object();
    EXPECT_FALSE(o.value("saved").toBool());
    EXPECT_EQ(o.value("registration").toString(), "");
    EXPECT_TRUE(o.value("layout").isNull()) << "no list item: \"Brak Danej\"";
}

// The report as the window's F10 tab shows it, from what the command reads; it writes
// nothing to the controller.
TEST_F(CliEndToEnd, ReportShowsTheConfigurationAndWritesNothing)
{
    const QString trace = dir.filePath("frames.txt");
    start({"--trace", trace});
    const CliRun plain = cli({"report"});
    ASSERT_EQ(plain.code, 0) << plain.err.toStdString();
    const QStringList lines = plain.out.split(u'\n');
    ASSERT_EQ(lines.size(), 46 + 1) << plain.out.toStdString(); // a line feed ends each line
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("Konfiguracja sprzętowa:\t\t")));
    EXPECT_TRUE(lines[1].endsWith(" H.67 S.37")) << lines[1].toStdString();
    const char* const expected[] = {
        "Wersja Urzadzenia:\t\t\td.4",
        "Numer Seryjny:\t\t\t\t12345",
        "Nr rejestracyjny: :\t\t\t\tZT 1039A",
        "Data Montażu: :\t\t\t\t2024/05/17",
        "Układ Cylindrów: :\t\t\tR - Rzędowy",
        "Rodzaj wtryskiwacza gazowego\t\t\tMatrix - Fast",
        "Mapa zaawansowana",
    };
    for (const char* line : expected)
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;

    const QString file = dir.filePath("report.txt");
    const CliRun saved = cli({"report", "--out", file});
    ASSERT_EQ(saved.code, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.out.trimmed(), QStringLiteral("46 lines in %1").arg(file));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_EQ(text.section(u'\n', 1), plain.out.section(u'\n', 1)) << "the same report, but for the time";

    const CliRun json = cli({"--json", "report"});
    ASSERT_EQ(json.code, 0);
    const QJsonArray jsonLines = QJsonDocument::fromJson(json.out.toUtf8()).object().value("lines").toArray();
    ASSERT_EQ(jsonLines.size(), 46);
    EXPECT_EQ(jsonLines[0].toObject().value("colour").toString(), "red");
    EXPECT_EQ(jsonLines[6].toObject().value("colour").toString(), "green");

    EXPECT_EQ(cli({"report", "--out", dir.filePath("no/such/folder/report.txt")}).code, 8);

    // Reads only: "d", "P", the car data; no word, table or car-data write.
    sim.reset();
    QFile frames(trace);
    ASSERT_TRUE(frames.open(QIODevice::ReadOnly));
    int count = 0;
    for (const QByteArray& line : frames.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        ++count;
        const QByteArray command = line.split(' ').value(1);
        for (const char* write : {"4b", "45", "44", "4d", "55"})
            EXPECT_NE(command, QByteArray(write)) << line.toStdString();
    }
    EXPECT_GT(count, 64);
}

// Every failure: one line on stderr and its own exit code.
struct FailureCase {
    const char* name;
    bool simulatorPort; // "--port <the simulator's port>" goes first
    QStringList arguments;
    int code;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class CliFailures : public CliEndToEnd, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailures, GiveOneLineAndTheirExitCode)
{
    start();
    const FailureCase& c = GetParam();
    const CliRun run = c.simulatorPort ? cli(c.arguments) : runCli(c.arguments);
    EXPECT_EQ(run.code, c.code) << run.err.toStdString();
    EXPECT_EQ(run.errLines(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("zantrel-cli: "));
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailures,
    ::testing::Values(
        FailureCase{"NoArguments", false, {}, 2},
        FailureCase{"NoPort", false, {"identify"}, 2},
        FailureCase{"UnknownCommand", true, {"reboot"}, 2},
        FailureCase{"UnknownOption", true, {"--fast", "identify"}, 2},
        FailureCase{"IndexOutOfRange", true, {"write-param", "64", "1"}, 2},
        FailureCase{"ValueOutOfRange", true, {"write-param", "1", "70000"}, 2},
        FailureCase{"ValueNotANumber", true, {"write-param", "1", "ten"}, 2},
        FailureCase{"HexWithoutDigits", true, {"write-param", "1", "0x"}, 2},
        FailureCase{"TooManyArguments", true, {"identify", "now"}, 2},
        FailureCase{"CountForAnotherCommand", true, {"identify", "--count", "3"}, 2},
        FailureCase{"CountZero", true, {"live", "--count", "0"}, 2},
        FailureCase{"FrameNotHex", true, {"frame", "zz000000"}, 2},
        FailureCase{"FrameFiveBytes", true, {"frame", "4900000049"}, 2},
        FailureCase{"SwitchDiesel", true, {"switch", "diesel"}, 2},
        FailureCase{"CellRowOutOfRange", true, {"write-cell", "13", "1", "5"}, 2},
        FailureCase{"CellPercentNotWhole", true, {"write-cell", "1", "1", "5,5"}, 2},
        FailureCase{"PointIndexOutOfRange", true, {"write-point", "17", "1000"}, 2},
        FailureCase{"PointSpeedNotWhole", true, {"write-point", "0", "1000.5"}, 2},
        FailureCase{"DryRunForAnotherCommand", true, {"read-params", "--dry-run"}, 2},
        FailureCase{"ShowMissingFile", false, {"show-params", "/nonexistent/auto.qevp"}, 8},
        FailureCase{"LoadMissingFile", true, {"load-params", "/nonexistent/auto.qevp"}, 8},
        FailureCase{"AbsentPort", false,
                    {"--port", "/nonexistent/ttyZ9", "identify"}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// A port that opens but has nothing answering behind it.
TEST_F(CliEndToEnd, SilentPortIsNoController)
{
    start({"--fault", "no-reply"});
    for (const char* command : {"identify", "read-params", "clear-errors", "read-maps"}) {
        const CliRun run = cli({command});
        EXPECT_EQ(run.code, 5) << command;
        EXPECT_EQ(run.errLines(), 1);
        EXPECT_TRUE(run.err.contains("no controller"));
    }
}

TEST_F(CliEndToEnd, PortInUseIsBusy)
{
    start();
    QProcess holder;
    holder.start(QStringLiteral(ZANTREL_CLI_PATH),
                 {"--port", port, "live", "--count", "200"});
    ASSERT_TRUE(holder.waitForReadyRead(10'000)) << "the first program has the port";
    const CliRun second = cli({"identify"});
    EXPECT_EQ(second.code, 4) << second.err.toStdString();
    EXPECT_EQ(second.errLines(), 1);
    holder.kill();
    holder.waitForFinished();
}

// The port goes away in the middle of a live run: the run stops at once with the "port
// went away" code, after printing what it got, instead of polling a dead port.
TEST_F(CliEndToEnd, VanishingPortEndsTheLiveRun)
{
    start({"--fault", "disconnect:6"});
    const CliRun run = cli({"--json", "live", "--count", "10"});
    EXPECT_EQ(run.code, 7) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("the port went away")) << run.err.toStdString();
    const QStringList lines = run.outLines();
    ASSERT_FALSE(lines.isEmpty());
    const QJsonObject summary = QJsonDocument::fromJson(lines.last().toUtf8()).object().value("summary").toObject();
    // Six frames are answered: the identify, two parameter words, then the records.
    const int records = summary.value("records").toInt();
    EXPECT_GE(records, 1);
    EXPECT_LE(records, 3);
    EXPECT_LT(summary.value("polls").toInt(), 10);
    EXPECT_EQ(summary.value("unanswered").toInt(), summary.value("polls").toInt() - records);
}

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The CLI's recording is the file the program's recorder writes for the same records
// started at the same second, and its table holds their values in units.
TEST_F(CliEndToEnd, RecordWritesWhatTheRecorderWritesAndExportsItAsCsv)
{
    start({"--scenario", "drive"});
    const QString jovr = dir.filePath("drive.jovr");
    const QDateTime before = QDateTime::currentDateTime();
    const CliRun run = cli({"record", jovr, "--count", "30"});
    const QDateTime after = QDateTime::currentDateTime();
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("30 records in ")) << run.out.toStdString();

    const QByteArray cliFile = contentsOf(jovr);
    const RecordingScan scan = ScanRecording(cliFile);
    ASSERT_TRUE(scan.layout);
    ASSERT_EQ(scan.layout->records, 30);
    std::vector<LiveWords> records;
    for (int i = 0; i < 30; ++i)
        records.push_back(ReadRecord(cliFile, *scan.layout, i).value());

    std::optional<QDateTime> started;
    const LanguageStrings texts;
    // The header has whole seconds: try each second from the one before the start on.
    const QDateTime first = before.addMSecs(-before.time().msec()).addSecs(-1);
    for (QDateTime t = first; t <= after && !started; t = t.addSecs(1))
        if (cliFile.startsWith(RecordingHeader(BaseCaption(texts), t, QLocale::system())))
            started = t;
    ASSERT_TRUE(started) << cliFile.left(80).toStdString();
    const QString programs = dir.filePath("program.jovr");
    LiveRecorder recorder;
    ASSERT_TRUE(recorder.Start(programs, RecordingHeader(BaseCaption(texts), *started, QLocale::system())));
    for (const LiveWords& w : records)
        ASSERT_TRUE(recorder.Append(w));
    recorder.Stop();
    EXPECT_EQ(cliFile, contentsOf(programs));

    const CliRun csv = runCli({"export-csv", jovr, "--ignition", "2"});
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    const QList<QByteArray> rows = contentsOf(dir.filePath("drive.csv")).split('\n');
    ASSERT_EQ(rows.size(), 32); // the header, 30 rows, the empty rest after the last line feed
    EXPECT_EQ(rows[0] + '\n', RecordingCsvHeader());
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(rows[i + 1] + '\n', RecordingCsvRow(i, records[size_t(i)], {2, false})) << i;

    const QString chosen = dir.filePath("chosen.csv");
    EXPECT_EQ(runCli({"export-csv", jovr, "--out", chosen}).code, 0);
    EXPECT_EQ(contentsOf(chosen), contentsOf(dir.filePath("drive.csv")));
}

TEST_F(CliEndToEnd, ExportRefusesWhatIsNoRecording)
{
    const QString tiny = dir.filePath("tiny.jovr");
    QFile f(tiny);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1200, 'A'));
    f.close();
    const QString noRecord = dir.filePath("none.jovr");
    QFile g(noRecord);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(QByteArray(5000, '1'));
    g.close();

    const struct {
        QStringList arguments;
        int code;
        const char* message;
    } cases[] = {
        {{"export-csv", tiny}, 8, "too short"},
        {{"export-csv", noRecord}, 8, "no first record"},
        {{"export-csv", dir.filePath("missing.jovr")}, 8, "cannot read"},
        {{"export-csv", noRecord, "--ignition", "7"}, 2, "--ignition"},
        {{"export-csv"}, 2, "usage: zantrel-cli export-csv"},
        {{"--port", "/dev/null", "live", "--out", "x.csv"}, 2, "for export-csv and report only"},
        {{"record", "x.jovr"}, 2, "no port given"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
        EXPECT_EQ(run.errLines(), 1);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("tiny.csv")));
}

TEST_F(CliEndToEnd, RecordIntoAFileThatCannotBeWrittenFails)
{
    start();
    const CliRun run = cli({"record", dir.filePath("missing/drive.jovr"), "--count", "3"});
    EXPECT_EQ(run.code, 8);
    EXPECT_TRUE(run.err.contains("cannot write")) << run.err.toStdString();
}

// A fitter's round: save, change a few values, see exactly those, load the file back.
TEST_F(CliEndToEnd, ParameterFileSavedChangedComparedAndLoadedBack)
{
    start();
    const CliRun saved = cli({"save-params", dir.filePath("auto")});
    ASSERT_EQ(saved.code, 0) << saved.err.toStdString();
    const QString file = dir.filePath("auto.qevp");
    EXPECT_EQ(QFile(file).size(), 258);
    ASSERT_EQ(cli({"write-param", "49", "-10"}).code, 0);
    ASSERT_EQ(cli({"write-cell", "3", "4", "25"}).code, 0);

    const CliRun dry = cli({"--json", "load-params", file, "--dry-run"});
    ASSERT_EQ(dry.code, 0) << dry.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(dry.out.toUtf8()).object();
    const QJsonArray words = o.value("words").toArray();
    ASSERT_EQ(words.size(), 1) << dry.out.toStdString();
    EXPECT_EQ(words[0].toObject().value("index").toInt(), 49);
    EXPECT_EQ(words[0].toObject().value("controller").toString(), QString::fromUtf8("-10 °C"));
    EXPECT_EQ(words[0].toObject().value("file").toString(), QString::fromUtf8("-20 °C"));
    EXPECT_EQ(o.value("cells").toInt(), 1);
    EXPECT_EQ(o.value("points").toInt(), 0);
    EXPECT_EQ(o.value("curve").toInt(), 0);

    const CliRun load = cli({"load-params", file});
    EXPECT_EQ(load.code, 0) << load.err.toStdString();
    const CliRun after = cli({"--json", "load-params", file, "--dry-run"});
    EXPECT_TRUE(QJsonDocument::fromJson(after.out.toUtf8()).object().value("identical").toBool())
        << after.out.toStdString();

    const CliRun shown = runCli({"show-params", file});
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.outLines().contains(QString::fromUtf8("49 Wyl. od niskiej temp. gazu: -20 °C")))
        << shown.out.toStdString();
    const CliRun shownJson = runCli({"--json", "show-params", file});
    ASSERT_EQ(shownJson.code, 0) << shownJson.err.toStdString();
    ASSERT_EQ(shownJson.outLines().size(), 1) << "one object: the words and the maps";
    const QJsonObject decoded = QJsonDocument::fromJson(shownJson.out.toUtf8()).object();
    EXPECT_EQ(decoded.value("words").toArray().size(), 64);
    EXPECT_EQ(decoded.value("cells").toArray().size(), 12);

    QFile cut(dir.filePath("short.qevp"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray(257, '\0'));
    cut.close();
    const CliRun refused = cli({"load-params", cut.fileName()});
    EXPECT_EQ(refused.code, 8);
    EXPECT_TRUE(refused.err.contains(QString::fromUtf8("Plik jest za krótki"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
}

TEST(CliHelp, ListsCommandsAndExitCodes)
{
    const CliRun run = runCli({"--help"});
    EXPECT_EQ(run.code, 0);
    for (const char* text : {"identify", "read-params", "write-param", "live", "frame", "clear-errors", "switch",
                             "record", "export-csv", "read-maps", "write-cell", "write-point", "--json", "  4  ",
                             "  8  "})
        EXPECT_TRUE(run.out.contains(QLatin1String(text))) << text;
}

} // namespace
} // namespace zantrel::cli::test
