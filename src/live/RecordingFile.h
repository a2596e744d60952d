#pragma once

#include "live/LiveWords.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace zantrel {

// A recording of live records (".jovr"): six header lines, then one line a record, the
// number (1, 2, 3, ... without gaps), ":" and the 64 data bytes of the accepted "V" reply
// as 128 upper-case hexadecimal digits. Every line ends with a single line feed.

inline const QString kRecordingSuffix = QStringLiteral("jovr");
inline const QString kDefaultRecordingName = QStringLiteral("demo.jovr");
// Every time the player shows counts a record as this long.
constexpr double kRecordSeconds = 0.033;
// A file of this many bytes or fewer holds no useful recording.
constexpr qint64 kShortestRefusedRecording = 1200;
constexpr int kRecordDigits = 128;

// "VRQ", the caption, "DATA:", the start date and time in the locale's short date and
// long time formats, an empty line.
QByteArray RecordingHeader(const QString& baseCaption, const QDateTime& start, const QLocale& locale);
QByteArray RecordLine(quint32 number, const LiveWords& words);

// The length of record `number`'s line, and where it starts when the first record's line
// starts at `first`.
qint64 RecordLineLength(qint64 number);
qint64 RecordLineOffset(qint64 first, qint64 number);

struct RecordingLayout {
    qint64 firstRecord = 0; // offset of the line of record 1
    int records = 0;        // the number of the last record
};

enum class RecordingProblem {
    TooShort,     // 1200 bytes or fewer
    NoFirstRecord, // no "1:" and 80 hexadecimal digits in the first 1000 characters
    NoLastRecord, // no record number in the last line
};

struct RecordingScan {
    std::optional<RecordingLayout> layout;
    RecordingProblem problem = RecordingProblem::TooShort; // when there is no layout
};

// Finds the first record and the number of the last one. A last number beyond what the
// file can hold is cut to the lines that start in it.
RecordingScan ScanRecording(QByteArrayView file);

// Record `index` (0-based, record number index + 1) at its place in the file: the digits
// after the next ":" there, a character that is not a hexadecimal digit counting as 0.
// None when its digits run past the end of the file.
std::optional<LiveWords> ReadRecord(QByteArrayView file, const RecordingLayout& layout, int index);

} // namespace zantrel
