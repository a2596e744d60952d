#include "base/EntryFilters.h"

#include <QString>

namespace zantrel {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool alwaysPasses(QChar c) { return c == QChar(kBackspaceKey) || c == QChar(kEnterKey); }
bool isSign(QChar c) { return c == u'-' || c == u'+'; }

} // namespace

QChar DecimalSeparator(const QLocale& locale)
{
    const QString formatted = locale.toString(1.5, 'f', 1);
    return formatted.size() > 1 ? formatted.at(1) : QChar(u'.');
}

QChar OtherSeparator(QChar decimalSeparator)
{
    return decimalSeparator == u'.' ? QChar(u',') : QChar(u'.');
}

Separators SeparatorsOf(const QLocale& locale)
{
    const QChar decimal = DecimalSeparator(locale);
    return {decimal, OtherSeparator(decimal)};
}

std::optional<QChar> KeyFilterDigits(QChar key)
{
    if (alwaysPasses(key) || isDigit(key))
        return key;
    return std::nullopt;
}

std::optional<QChar> KeyFilterSignedInt(QChar key)
{
    if (isSign(key))
        return key;
    return KeyFilterDigits(key);
}

std::optional<QChar> KeyFilterDecimal(QChar key, const Separators& separators)
{
    if (key == separators.decimal || key == separators.other)
        return separators.decimal;
    return KeyFilterDigits(key);
}

std::optional<QChar> KeyFilterSignedDecimal(QChar key, const Separators& separators)
{
    if (key == u'.' && separators.other == u'.')
        return separators.decimal;
    if (key == separators.decimal || key == u',')
        return key;
    return KeyFilterSignedInt(key);
}

FieldMove FieldStep(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_PageUp:
        return FieldMove::Previous;
    case Qt::Key_PageDown:
        return FieldMove::Next;
    default:
        return FieldMove::None;
    }
}

} // namespace zantrel
