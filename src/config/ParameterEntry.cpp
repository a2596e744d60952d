#include "config/ParameterEntry.h"

namespace zantrel {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// What the whole text may hold goes beyond the typing filters where the program itself
// writes more: a minus for a negative temperature in a digits edit, or for the return
// pressure put 0.05 bar below a warning pressure under 0.05 bar (its limit then holds
// it); a decimal in a digits edit for the holding current ("36,0") and the injector
// presets. A plus comes only in the signed kinds, where the program shows it.
bool takesPlus(EntryKind kind) { return kind == EntryKind::SignedInt || kind == EntryKind::SignedDecimal; }

bool takesFraction(EntryKind kind) { return kind != EntryKind::SignedInt; }

} // namespace

std::optional<QChar> FilterEntryKey(EntryKind kind, QChar key, const Separators& separators)
{
    switch (kind) {
    case EntryKind::Digits:
        return KeyFilterDigits(key);
    case EntryKind::SignedInt:
        return KeyFilterSignedInt(key);
    case EntryKind::Decimal:
        return KeyFilterDecimal(key, separators);
    case EntryKind::SignedDecimal:
        return KeyFilterSignedDecimal(key, separators);
    case EntryKind::None:
        break;
    }
    return key;
}

std::optional<double> ParseEntry(const QString& text, EntryKind kind, QChar decimalSeparator)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || (t[i] == u'+' && takesPlus(kind)))) {
        negative = t[i] == u'-';
        ++i;
    }
    // Built in the C locale's form, so that the conversion itself depends on nothing.
    QString number;
    bool digits = false;
    bool separator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            number += c;
            digits = true;
        } else if (c == decimalSeparator && takesFraction(kind) && !separator) {
            number += u'.';
            separator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

QString EntryText(double value, int decimals, QChar decimalSeparator)
{
    QString text = QString::number(value, 'f', decimals);
    text.replace(u'.', decimalSeparator);
    return text;
}

} // namespace zantrel
