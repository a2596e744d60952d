#pragma once

#include "base/CodePage.h"
#include "base/LanguageFile.h"

#include <QByteArray>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace zantrel {

// One line per id a language file may hold, in id order, with the text the program is
// designed with: the template every language file is translated from. `more` adds the
// texts other folders keep by id (the parameter descriptions).
std::vector<LanguageLine> BuiltInLanguageLines(std::span<const LanguageLine> more = {});

// A language file: the header as comment lines, then "id text" per line. A line break
// inside a text is written as the two characters "\n" (a line ends a text).
struct WrittenLanguageFile {
    QByteArray bytes;
    // The first character the code page cannot hold; the file is then not written whole.
    std::optional<QString> missing;
};
[[nodiscard]] WrittenLanguageFile WriteLanguageFile(const QString& header, const std::vector<LanguageLine>& lines,
                                                    const CodePage& page);

} // namespace zantrel
