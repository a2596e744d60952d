#include "live/RecordingFile.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <limits>

namespace zantrel {

namespace {

constexpr char kLineFeed = '\n';
constexpr qint64 kFirstRecordSearch = 1000;
constexpr int kFirstRecordDigits = 80;
constexpr qint64 kLastLineBack = 143;
constexpr int kDataBytes = 64;
// Longer numbers than any file can hold records for.
constexpr qsizetype kLongestNumber = 12;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool hexDigitsAt(QByteArrayView file, qint64 at, int count)
{
    if (at + count > file.size())
        return false;
    for (int i = 0; i < count; ++i) {
        if (hexValue(file[at + i]) < 0)
            return false;
    }
    return true;
}

std::optional<qint64> firstRecordAt(QByteArrayView file)
{
    const qint64 end = std::min<qint64>(kFirstRecordSearch, file.size());
    for (qint64 at = 0; at + 1 < end; ++at) {
        if (file[at] == '1' && file[at + 1] == ':' && hexDigitsAt(file, at + 2, kFirstRecordDigits))
            return at;
    }
    return std::nullopt;
}

std::optional<qint64> lastRecordNumber(QByteArrayView file)
{
    const qint64 lineEnd = file.indexOf(kLineFeed, std::max<qint64>(0, file.size() - kLastLineBack));
    if (lineEnd < 0)
        return std::nullopt;
    const qint64 start = lineEnd + 1;
    const qint64 colon = file.indexOf(':', start);
    if (colon < 0 || colon == start || colon - start > kLongestNumber)
        return std::nullopt;
    qint64 number = 0;
    for (qint64 at = start; at < colon; ++at) {
        if (file[at] < '0' || file[at] > '9')
            return std::nullopt;
        number = number * 10 + (file[at] - '0');
    }
    return number;
}

int digitsOf(qint64 number)
{
    int digits = 1;
    for (qint64 v = number; v >= 10; v /= 10)
        ++digits;
    return digits;
}

// The time text without the time zone, which the long format of some locales carries.
QString timeText(const QTime& time, const QLocale& locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(zone);
    return locale.toString(time, format.trimmed());
}

} // namespace

QByteArray RecordingHeader(const QString& baseCaption, const QDateTime& start, const QLocale& locale)
{
    const QString text = QStringLiteral("VRQ\n") + baseCaption + QStringLiteral("\nDATA:\n")
        + locale.toString(start.date(), QLocale::ShortFormat) + QLatin1Char('\n') + timeText(start.time(), locale)
        + QStringLiteral("\n\n");
    return text.toLocal8Bit();
}

QByteArray RecordLine(quint32 number, const LiveWords& words)
{
    const auto reply = EncodeLiveReply(words);
    QByteArray line = QByteArray::number(number);
    line.reserve(line.size() + 2 + kRecordDigits);
    line += ':';
    line += QByteArray(reinterpret_cast<const char*>(reply.data() + 1), kDataBytes).toHex().toUpper();
    line += kLineFeed;
    return line;
}

qint64 RecordLineLength(qint64 number)
{
    // The number, ":", the digits and the line feed.
    return digitsOf(number) + 2 + kRecordDigits;
}

qint64 RecordLineOffset(qint64 first, qint64 number)
{
    qint64 offset = first;
    qint64 from = 1; // the lines before `number`, a group of equally long numbers at a time
    for (qint64 groupEnd = 10; from < number; groupEnd *= 10) {
        const qint64 to = std::min(number, groupEnd); // exclusive
        offset += (to - from) * RecordLineLength(from);
        from = to;
    }
    return offset;
}

RecordingScan ScanRecording(QByteArrayView file)
{
    if (file.size() <= kShortestRefusedRecording)
        return {std::nullopt, RecordingProblem::TooShort};
    const std::optional<qint64> first = firstRecordAt(file);
    if (!first)
        return {std::nullopt, RecordingProblem::NoFirstRecord};
    const std::optional<qint64> last = lastRecordNumber(file);
    if (!last || *last < 1)
        return {std::nullopt, RecordingProblem::NoLastRecord};

    // As many records as have their line start inside the file.
    qint64 low = 1;
    qint64 high = std::min<qint64>(*last, std::numeric_limits<int>::max());
    while (low < high) {
        const qint64 middle = low + (high - low + 1) / 2;
        if (RecordLineOffset(*first, middle) < file.size())
            low = middle;
        else
            high = middle - 1;
    }
    return {RecordingLayout{*first, int(low)}, RecordingProblem::TooShort};
}

std::optional<LiveWords> ReadRecord(QByteArrayView file, const RecordingLayout& layout, int index)
{
    if (index < 0 || index >= layout.records)
        return std::nullopt;
    const qint64 offset = RecordLineOffset(layout.firstRecord, qint64(index) + 1);
    if (offset >= file.size())
        return std::nullopt;
    const qint64 colon = file.indexOf(':', offset);
    if (colon < 0 || colon + 1 + kRecordDigits > file.size())
        return std::nullopt;

    std::array<quint8, kLiveReplyLength> reply{};
    const char* digits = file.data() + colon + 1;
    for (int b = 0; b < kDataBytes; ++b) {
        const int high = std::max(0, hexValue(digits[2 * b]));
        const int low = std::max(0, hexValue(digits[2 * b + 1]));
        reply[size_t(1 + b)] = quint8(high << 4 | low);
    }
    return DecodeLiveWords(reply);
}

} // namespace zantrel
