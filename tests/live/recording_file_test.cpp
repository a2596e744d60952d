#include "live/LiveConversions.h"
#include "live/LiveRecorder.h"
#include "live/RecordingCsv.h"
#include "live/RecordingFile.h"
#include "live/RecordingPlayer.h"

#include "support/LiveRecords.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

constexpr QChar kComma(u',');

const QByteArray kHeader = "VRQ\nZantrel - V 1.39 \nDATA:\n10.12.2026\n12:00:00\n\n";

QByteArray recordingOf(int records, const QByteArray& header = kHeader)
{
    QByteArray file = header;
    for (int n = 1; n <= records; ++n)
        file += RecordLine(quint32(n), DistinctRecord(n));
    return file;
}

TEST(RecordingFile, HeaderAndRecordLines)
{
    const QDateTime start(QDate(2026, 12, 10), QTime(9, 5, 7));
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QList<QByteArray> lines = RecordingHeader(QStringLiteral("Zantrel - V 1.39 "), start, polish).split('\n');
    ASSERT_EQ(lines.size(), 7); // six lines, each ended by a line feed
    EXPECT_EQ(lines[0], "VRQ");
    EXPECT_EQ(lines[1], "Zantrel - V 1.39 ");
    EXPECT_EQ(lines[2], "DATA:");
    EXPECT_EQ(lines[3], polish.toString(start.date(), QLocale::ShortFormat).toLocal8Bit());
    EXPECT_EQ(lines[4], "09:05:07"); // the long time format, without a time zone
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "");

    LiveWords w{};
    w[0] = 0x0120; // the last word on the wire
    w[31] = 0xABCD; // the first
    const QByteArray line = RecordLine(7, w);
    EXPECT_EQ(line, "7:ABCD" + QByteArray(120, '0') + "0120\n");
}

// Lines are 131 bytes for records 1..9, 132 for 10..99, one more for every digit after.
TEST(RecordingFile, LineLengthsAndPlaces)
{
    const QByteArray file = recordingOf(10);
    const QList<QByteArray> lines = file.mid(kHeader.size()).split('\n');
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(lines[n - 1].size() + 1, 131) << n;
    EXPECT_EQ(lines[9].size() + 1, 132);

    const struct {
        qint64 number;
        qint64 offset;
    } places[] = {{1, 0}, {2, 131}, {10, 9 * 131}, {11, 9 * 131 + 132}, {100, 9 * 131 + 90 * 132},
                  {1001, 9 * 131 + 90 * 132 + 900 * 133 + 134}};
    for (const auto& p : places) {
        EXPECT_EQ(RecordLineOffset(50, p.number), 50 + p.offset) << p.number;
        EXPECT_EQ(RecordLineLength(p.number), 130 + QByteArray::number(p.number).size()) << p.number;
    }
}

TEST(RecordingFile, EveryRecordReadsBackAtItsPlace)
{
    const QByteArray file = recordingOf(120);
    const RecordingScan scan = ScanRecording(file);
    ASSERT_TRUE(scan.layout);
    EXPECT_EQ(scan.layout->firstRecord, kHeader.size());
    EXPECT_EQ(scan.layout->records, 120);
    for (int i = 0; i < 120; ++i)
        ASSERT_EQ(ReadRecord(file, *scan.layout, i), DistinctRecord(i + 1)) << i;
    // Replaying index 9 shows record 10.
    EXPECT_EQ(ReadRecord(file, *scan.layout, 9), DistinctRecord(10));
    EXPECT_FALSE(ReadRecord(file, *scan.layout, 120));
    EXPECT_FALSE(ReadRecord(file, *scan.layout, -1));
}

TEST(RecordingFile, AFileOf1200BytesOrFewerIsRefused)
{
    // Eight records, padded in the header to 1200 and 1201 bytes.
    const QByteArray eight = recordingOf(8);
    const QByteArray exact = QByteArray(eight).insert(4, QByteArray(1200 - eight.size(), 'x'));
    const QByteArray longer = QByteArray(eight).insert(4, QByteArray(1201 - eight.size(), 'x'));
    ASSERT_EQ(exact.size(), 1200);
    EXPECT_EQ(ScanRecording(exact).problem, RecordingProblem::TooShort);
    EXPECT_FALSE(ScanRecording(exact).layout);
    const RecordingScan scan = ScanRecording(longer);
    ASSERT_TRUE(scan.layout);
    EXPECT_EQ(scan.layout->records, 8);
    EXPECT_EQ(ReadRecord(longer, *scan.layout, 7), DistinctRecord(8));
    EXPECT_EQ(ScanRecording(QByteArray()).problem, RecordingProblem::TooShort);
}

// The first record is looked for in the first 1000 characters only; a file without it is
// refused like a short one.
TEST(RecordingFile, TheFirstRecordMustStartWithinTheFirst1000Characters)
{
    const QByteArray inside = recordingOf(10, "VRQ\n" + QByteArray(993, 'x') + "\n");
    ASSERT_TRUE(ScanRecording(inside).layout);
    EXPECT_EQ(ScanRecording(inside).layout->firstRecord, 998); // "1:" are characters 999 and 1000
    const QByteArray beyond = recordingOf(10, "VRQ\n" + QByteArray(994, 'x') + "\n");
    EXPECT_EQ(ScanRecording(beyond).problem, RecordingProblem::NoFirstRecord);

    // Fewer than 80 digits after "1:" is not a record; lower case is.
    QByteArray shortFirst = recordingOf(10);
    shortFirst[kHeader.size() + 2 + 79] = 'g';
    EXPECT_EQ(ScanRecording(shortFirst).problem, RecordingProblem::NoFirstRecord);
    QByteArray lower = recordingOf(10);
    lower.replace(kHeader.size(), 131, lower.mid(kHeader.size(), 131).toLower());
    const RecordingScan scan = ScanRecording(lower);
    ASSERT_TRUE(scan.layout);
    EXPECT_EQ(ReadRecord(lower, *scan.layout, 0), DistinctRecord(1));
}

TEST(RecordingFile, DamagedLinesAreReadOnlyInsideTheFile)
{
    // The last line cut short: it is counted by its number, but never read past the end.
    const QByteArray whole = recordingOf(12);
    const QByteArray cut = whole.left(whole.size() - 60);
    const RecordingScan scan = ScanRecording(cut);
    ASSERT_TRUE(scan.layout);
    EXPECT_EQ(scan.layout->records, 12);
    EXPECT_EQ(ReadRecord(cut, *scan.layout, 10), DistinctRecord(11));
    EXPECT_FALSE(ReadRecord(cut, *scan.layout, 11));

    // Characters that are not hexadecimal digits count as 0: the first word on the wire.
    QByteArray noisy = recordingOf(12);
    noisy.replace(RecordLineOffset(kHeader.size(), 3) + 2, 4, "zz?.");
    LiveWords expected = DistinctRecord(3);
    expected[31] = 0;
    EXPECT_EQ(ReadRecord(noisy, *scan.layout, 2), expected);

    // A line with fewer digits shifts what follows: a record is read from the next ":"
    // after its place, so the reading finds the lines again a record later.
    QByteArray shortLine = recordingOf(12);
    shortLine.remove(RecordLineOffset(kHeader.size(), 5) + 2, 2);
    const RecordingScan shortScan = ScanRecording(shortLine);
    ASSERT_TRUE(shortScan.layout);
    EXPECT_EQ(ReadRecord(shortLine, *shortScan.layout, 3), DistinctRecord(4));
    EXPECT_TRUE(ReadRecord(shortLine, *shortScan.layout, 4)); // its digits, a line feed and "6"
    EXPECT_EQ(ReadRecord(shortLine, *shortScan.layout, 5), DistinctRecord(7));
    EXPECT_EQ(ReadRecord(shortLine, *shortScan.layout, 6), DistinctRecord(8));
}

TEST(RecordingFile, TheLastNumberIsTakenOnlyAsFarAsTheFileReaches)
{
    // A last number beyond what the file holds is cut to the lines that start in it.
    QByteArray file = recordingOf(12);
    const qint64 last = RecordLineOffset(kHeader.size(), 12);
    file.replace(last, 2, "99");
    const RecordingScan scan = ScanRecording(file);
    ASSERT_TRUE(scan.layout);
    EXPECT_EQ(scan.layout->records, 12);

    // No number before the last ":" at all.
    const QByteArray noNumber[] = {recordingOf(12) + QByteArray(20, '\n'), recordingOf(12).replace(last, 2, "x1"),
                                   recordingOf(12).left(last) + QByteArray(200, 'A')};
    for (const QByteArray& f : noNumber)
        EXPECT_EQ(ScanRecording(f).problem, RecordingProblem::NoLastRecord);
}

TEST(LiveRecorder, NumbersGoOnAfterAPause)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.jovr");
    LiveRecorder r;
    ASSERT_TRUE(r.Start(path, kHeader));
    EXPECT_EQ(r.CurrentState(), LiveRecorder::State::Recording);
    ASSERT_TRUE(r.Append(DistinctRecord(1)));
    ASSERT_TRUE(r.Append(DistinctRecord(2)));
    r.TogglePause();
    EXPECT_EQ(r.CurrentState(), LiveRecorder::State::Paused);
    ASSERT_TRUE(r.Append(DistinctRecord(99))); // not written while paused
    r.TogglePause();
    ASSERT_TRUE(r.Append(DistinctRecord(3)));
    EXPECT_EQ(r.NextNumber(), 4u);
    r.Stop();
    ASSERT_TRUE(r.Append(DistinctRecord(98)));
    EXPECT_FALSE(r.Running());

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), recordingOf(3));

    // A new recording replaces the file and counts from 1 again.
    ASSERT_TRUE(r.Start(path, kHeader));
    ASSERT_TRUE(r.Append(DistinctRecord(1)));
    r.Stop();
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), recordingOf(1));
}

TEST(LiveRecorder, AFileThatCannotBeWrittenLeavesItIdle)
{
    QTemporaryDir dir;
    LiveRecorder r;
    EXPECT_FALSE(r.Start(dir.filePath("missing/r.jovr"), kHeader));
    EXPECT_FALSE(r.Running());
#ifdef Q_OS_LINUX
    EXPECT_FALSE(r.Start(QStringLiteral("/dev/full"), kHeader));
    EXPECT_FALSE(r.Running());
#endif
}

class RecordingPlayerTest : public ::testing::Test {
protected:
    QString write(const QByteArray& contents, const char* name = "drive.jovr")
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }
    QTemporaryDir dir;
    RecordingPlayer player;
};

// 250 records: positions 0 to 248, then back to 0; 8.25 s in all.
TEST_F(RecordingPlayerTest, PlaysAllButTheLastRecordThenStartsAgain)
{
    EXPECT_EQ(player.FileName(), "demo.jovr");
    ASSERT_EQ(player.Open(write(recordingOf(250))), RecordingPlayer::Opened::Playing);
    EXPECT_EQ(player.Records(), 250);
    EXPECT_EQ(player.FileName(), "drive.jovr");
    for (int position = 0; position <= 248; ++position) {
        const RecordingPlayer::Step step = player.Tick(position);
        ASSERT_FALSE(step.restart) << position;
        ASSERT_EQ(step.words, DistinctRecord(position + 1)) << position;
    }
    EXPECT_TRUE(player.Tick(249).restart);
    EXPECT_TRUE(player.Tick(250).restart);
    EXPECT_EQ(player.Caption(QStringLiteral("Zantrel - V 1.39 "), 100, kComma),
              "Zantrel - V 1.39 'drive.jovr' [100 / 250] [3,30 s. / 8,25 s.]  ");
    EXPECT_EQ(RecordingSecondsText(250, QChar(u'.')), "8.25");
}

TEST_F(RecordingPlayerTest, RefusedFilesPlayNothing)
{
    ASSERT_EQ(player.Open(write(recordingOf(200))), RecordingPlayer::Opened::Playing);
    EXPECT_EQ(player.Open(write(recordingOf(5), "short.jovr")), RecordingPlayer::Opened::Refused);
    EXPECT_FALSE(player.Playing());
    EXPECT_TRUE(player.Tick(0).restart);
    EXPECT_EQ(player.Open(dir.filePath("none.jovr")), RecordingPlayer::Opened::CannotOpen);
    EXPECT_EQ(player.FileName(), "none.jovr");
    EXPECT_EQ(player.Open(write(QByteArray(5000, '1'), "ones.jovr")), RecordingPlayer::Opened::Refused);
}

// The rows in units, against the live conversions.
TEST(RecordingCsv, RowsInUnits)
{
    const QList<QByteArray> header = RecordingCsvHeader().trimmed().split(',');
    EXPECT_EQ(header.first(), "record");
    EXPECT_EQ(header[3], "petrol1_ms");
    EXPECT_EQ(header[11], "gas1_ms");

    LiveWords w{};
    w[0] = 300;      // petrol, cylinder 1
    w[26] = 576;     // gas, cylinder 8
    w[13] = 4608;    // 1500 rpm with "4 Cyl.", 6000 with "Cewka / Cyl."
    w[18] = 1000;
    w[14] = 0xFFF6;
    w[15] = 35;
    w[20] = 2047;
    w[19] = 4095;
    w[17] = 2000;
    w[16] = 1;
    w[22] = 0x0002;
    w[27] = 0x0803;
    w[31] = 0x0100;
    const QList<QByteArray> row = RecordingCsvRow(9, w, {}).trimmed().split(',');
    ASSERT_EQ(row.size(), header.size());
    const auto cell = [&](const char* column) { return row[header.indexOf(column)]; };
    EXPECT_EQ(cell("record"), "10");
    EXPECT_EQ(cell("time_s"), "0.297");
    EXPECT_EQ(cell("rpm"), "1500");
    EXPECT_EQ(cell("petrol1_ms"), "1.302");
    EXPECT_EQ(cell("gas8_ms"), "2.500");
    EXPECT_NEAR(cell("pressure_bar").toDouble(), PressureFromCounts(1000), 5e-4);
    EXPECT_EQ(cell("reducer_c"), "-10");
    EXPECT_EQ(cell("gas_c"), "35");
    EXPECT_NEAR(cell("lambda1_v").toDouble(), LambdaVolts(2047), 5e-4);
    EXPECT_EQ(cell("lambda2_v"), "5.000");
    EXPECT_EQ(cell("level_v"), "2.442");
    EXPECT_EQ(cell("fuel"), "gas");
    EXPECT_EQ(cell("errors"), "0x0002");
    EXPECT_EQ(cell("stored_errors"), "0x0803");
    EXPECT_EQ(cell("faulty_injectors"), "0x0100");

    const QList<QByteArray> fast = RecordingCsvRow(0, w, {0, true}).trimmed().split(',');
    EXPECT_EQ(fast[header.indexOf("rpm")], "6000");
    EXPECT_EQ(fast[header.indexOf("petrol1_ms")], "0.163");
    EXPECT_EQ(fast[header.indexOf("fuel")], "gas");
}

} // namespace
} // namespace zantrel::test
