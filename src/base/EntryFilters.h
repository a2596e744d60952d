#pragma once

#include <QChar>
#include <QLocale>

#include <optional>

namespace zantrel {

// The decimal separator of a locale: the character after the first digit of 1.5 with
// one decimal.
QChar DecimalSeparator(const QLocale& locale = QLocale::system());
// "," when the decimal separator is ".", otherwise ".".
QChar OtherSeparator(QChar decimalSeparator);

struct Separators {
    QChar decimal;
    QChar other;
};
Separators SeparatorsOf(const QLocale& locale = QLocale::system());

inline constexpr char16_t kBackspaceKey = 8;
inline constexpr char16_t kEnterKey = 13;

// Key-press filters of the entry fields: the character to insert, or nothing when the
// key is swallowed. Backspace and Enter always pass.
std::optional<QChar> KeyFilterDigits(QChar key);
std::optional<QChar> KeyFilterSignedInt(QChar key);
// The other separator is turned into the decimal one.
std::optional<QChar> KeyFilterDecimal(QChar key, const Separators& separators);
// "," always passes as it stands; a "." that is the other separator becomes the decimal one.
std::optional<QChar> KeyFilterSignedDecimal(QChar key, const Separators& separators);

// The editors' key-up stepper: Page Up goes to the previous field, Page Down to the next.
enum class FieldMove { None, Previous, Next };
FieldMove FieldStep(int qtKey);

} // namespace zantrel
