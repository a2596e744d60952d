#pragma once

#include "base/EntryFilters.h"

#include <QChar>
#include <QString>

#include <optional>

namespace zantrel {

// What an edit box of the parameter tabs accepts: the key filter it passes typed
// characters through, and the form its whole text must have when it is written.
enum class EntryKind {
    None,          // not an edit box
    Digits,        // 0..9
    SignedInt,     // 0..9, "-", "+"
    Decimal,       // 0..9 and the decimal separator
    SignedDecimal, // 0..9, "-", "+" and the decimal separator
};

// The character a typed key becomes in the edit, or nothing when it is dropped.
std::optional<QChar> FilterEntryKey(EntryKind kind, QChar key, const Separators& separators);

// The number an edit's text stands for, taking every text the program writes into an
// edit of the kind. Spaces around it are ignored; otherwise the text must be one sign
// at most, in front ("-" in every kind, "+" in the signed ones), and digits with at
// most one decimal separator (the locale's; not in SignedInt), at least one digit.
// Anything else (empty, "1,,5", "--5", "+-1", "5-", "1e3", a separator of the wrong
// kind) is empty, so that the writer stores and sends nothing.
std::optional<double> ParseEntry(const QString& text, EntryKind kind, QChar decimalSeparator);

// A value as a text with `decimals` places and the locale's separator ("1,55").
QString EntryText(double value, int decimals, QChar decimalSeparator);

} // namespace zantrel
