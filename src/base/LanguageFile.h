#pragma once

#include "base/CodePage.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace zantrel {

// A text in a language file holds at most this many characters; the rest of its line is
// dropped.
inline constexpr qsizetype kLanguageTextMax = 5063;

struct LanguageLine {
    int id;
    QString text;
};

struct LanguageFileContents {
    // In file order: a later line for the same id is applied later and wins.
    std::vector<LanguageLine> lines;
    // The 1-based number of the line whose first five characters are not a decimal id;
    // the reading stopped there and the lines before it stand.
    std::optional<int> stoppedAt;
};

// A language file: "#" starts a comment line; any other line is a five-digit id, one
// separator character and the text up to the line feed (a carriage return before it
// dropped). An empty line is skipped. Ids are not checked against any table here.
LanguageFileContents ReadLanguageFile(QByteArrayView bytes, const CodePage& page);

} // namespace zantrel
