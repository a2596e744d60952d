#pragma once

#include "config/ParameterFile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zantrel {

class LanguageStrings;

// One word whose value on the controller differs from the file's, named by its label
// and shown in its editor's unit on both sides ("?" where the controller's word has not
// been read).
struct WordDifference {
    int index = 0;
    QString label;
    QString controller;
    QString file;
};

// What loading a file would change on the controller: the words that differ and how
// many map cells, axis points and curve points do. An entry the program has not read
// from the controller counts as differing, since the file's value would replace it.
struct ParameterFileComparison {
    std::vector<WordDifference> words;
    int cells = 0;
    int points = 0;
    int curvePoints = 0;

    bool Identical() const { return words.empty() && cells == 0 && points == 0 && curvePoints == 0; }
};

// `controller` and `maps` hold the controller's values with their known flags. Word 0
// is compared with the programmed marker, which is what the load writes there; the
// working-time counters are left out where known, since the load keeps them.
[[nodiscard]] ParameterFileComparison CompareParameterFile(const ParameterTable& controller, const InjectionMaps& maps,
                                                           const ParameterFileData& file,
                                                           const LanguageStrings& texts, QChar decimalSeparator);

// A word as its editor shows it, with its unit: "2,8 ms", "1500 obr./min", an item's
// text, a bit-packed word in hexadecimal, or the plain number.
[[nodiscard]] QString WordValueText(const ParameterTable& table, int index, QChar decimalSeparator);
// The word's label, or "Parametr n" for a word no editor shows.
[[nodiscard]] QString WordLabel(const LanguageStrings& texts, int index);

// The comparison as lines for the question before the load and for the command line:
// one line per word, then the map counts; a single line when nothing differs.
[[nodiscard]] QStringList ComparisonLines(const ParameterFileComparison& comparison, const LanguageStrings& texts);

} // namespace zantrel
