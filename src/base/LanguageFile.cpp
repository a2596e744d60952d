#include "base/LanguageFile.h"

namespace zantrel {

namespace {

constexpr qsizetype kIdDigits = 5;
constexpr qsizetype kTextStart = kIdDigits + 1;

std::optional<int> idOf(QByteArrayView line)
{
    if (line.size() < kIdDigits)
        return std::nullopt;
    int id = 0;
    for (qsizetype i = 0; i < kIdDigits; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        id = id * 10 + (c - '0');
    }
    return id;
}

} // namespace

LanguageFileContents ReadLanguageFile(QByteArrayView bytes, const CodePage& page)
{
    LanguageFileContents contents;
    int lineNumber = 0;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        ++lineNumber;
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.front() == '#')
            continue;
        const std::optional<int> id = idOf(line);
        if (!id) {
            contents.stoppedAt = lineNumber;
            break;
        }
        // A line of the id alone (or with only its separator) has an empty text.
        const QByteArrayView text = line.size() > kTextStart ? line.sliced(kTextStart) : QByteArrayView();
        contents.lines.push_back({*id, page.Decode(text.first(std::min(text.size(), kLanguageTextMax)))});
    }
    return contents;
}

} // namespace zantrel
