#include "base/EntryFilters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace zantrel;

namespace {

enum class Filter { Digits, SignedInt, Decimal, SignedDecimal };

std::optional<QChar> apply(Filter f, QChar key, const Separators& s)
{
    switch (f) {
    case Filter::Digits: return KeyFilterDigits(key);
    case Filter::SignedInt: return KeyFilterSignedInt(key);
    case Filter::Decimal: return KeyFilterDecimal(key, s);
    case Filter::SignedDecimal: return KeyFilterSignedDecimal(key, s);
    }
    return std::nullopt;
}

const char* nameOf(Filter f)
{
    switch (f) {
    case Filter::Digits: return "Digits";
    case Filter::SignedInt: return "SignedInt";
    case Filter::Decimal: return "Decimal";
    case Filter::SignedDecimal: return "SignedDecimal";
    }
    return "?";
}

constexpr Separators kPoint{u'.', u','};
constexpr Separators kComma{u',', u'.'};
constexpr char16_t kSwallowed = 0;

struct Case {
    Filter filter;
    Separators separators;
    char16_t key;
    char16_t result; // kSwallowed: nothing is inserted
};

const Case kCases[] = {
    // Backspace and Enter always pass; digits pass everywhere.
    {Filter::Digits, kPoint, 8, 8},
    {Filter::Digits, kPoint, 13, 13},
    {Filter::Digits, kPoint, u'0', u'0'},
    {Filter::Digits, kPoint, u'9', u'9'},
    {Filter::Digits, kPoint, u'-', kSwallowed},
    {Filter::Digits, kPoint, u'.', kSwallowed},
    {Filter::Digits, kComma, u',', kSwallowed},
    {Filter::Digits, kPoint, u'a', kSwallowed},
    {Filter::Digits, kPoint, u' ', kSwallowed},
    {Filter::Digits, kPoint, 0x0663, kSwallowed}, // an Arabic-Indic digit is not "0".."9"
    {Filter::Digits, kPoint, 9, kSwallowed},      // Tab is not among the passing controls

    {Filter::SignedInt, kPoint, u'-', u'-'},
    {Filter::SignedInt, kPoint, u'+', u'+'},
    {Filter::SignedInt, kPoint, u'5', u'5'},
    {Filter::SignedInt, kPoint, 8, 8},
    {Filter::SignedInt, kPoint, u'.', kSwallowed},
    {Filter::SignedInt, kComma, u',', kSwallowed},
    {Filter::SignedInt, kPoint, u'e', kSwallowed},

    {Filter::Decimal, kPoint, u'.', u'.'},
    {Filter::Decimal, kPoint, u',', u'.'},
    {Filter::Decimal, kComma, u',', u','},
    {Filter::Decimal, kComma, u'.', u','},
    {Filter::Decimal, kComma, u'7', u'7'},
    {Filter::Decimal, kComma, 13, 13},
    {Filter::Decimal, kPoint, u'-', kSwallowed},
    {Filter::Decimal, kComma, u'+', kSwallowed},

    {Filter::SignedDecimal, kPoint, u'.', u'.'},
    {Filter::SignedDecimal, kPoint, u',', u','}, // "," always passes as it stands
    {Filter::SignedDecimal, kComma, u',', u','},
    {Filter::SignedDecimal, kComma, u'.', u','},
    {Filter::SignedDecimal, kComma, u'-', u'-'},
    {Filter::SignedDecimal, kPoint, u'+', u'+'},
    {Filter::SignedDecimal, kPoint, u'3', u'3'},
    {Filter::SignedDecimal, kComma, 8, 8},
    {Filter::SignedDecimal, kComma, u';', kSwallowed},
    {Filter::SignedDecimal, kPoint, u'x', kSwallowed},
};

} // namespace

TEST(KeyFilters, PassTurnOrSwallowEachKey)
{
    for (const Case& c : kCases) {
        const std::optional<QChar> got = apply(c.filter, QChar(c.key), c.separators);
        const std::optional<QChar> want =
            c.result == kSwallowed ? std::nullopt : std::optional<QChar>(QChar(c.result));
        EXPECT_EQ(got, want) << nameOf(c.filter) << " key " << int(c.key) << " decimal '"
                             << char(c.separators.decimal.unicode()) << "'";
    }
}

TEST(Separators, FollowTheLocale)
{
    const struct {
        QLocale locale;
        char16_t decimal;
        char16_t other;
    } cases[] = {
        {QLocale(QLocale::Polish, QLocale::Poland), u',', u'.'},
        {QLocale(QLocale::German, QLocale::Germany), u',', u'.'},
        {QLocale(QLocale::English, QLocale::UnitedStates), u'.', u','},
        {QLocale::c(), u'.', u','},
    };
    for (const auto& c : cases) {
        const Separators s = SeparatorsOf(c.locale);
        EXPECT_EQ(s.decimal, QChar(c.decimal)) << c.locale.name().toStdString();
        EXPECT_EQ(s.other, QChar(c.other)) << c.locale.name().toStdString();
    }
    // A separator that is neither gets "." as the one to turn into it.
    EXPECT_EQ(OtherSeparator(QChar(0x066B)), QChar(u'.'));
}

TEST(FieldStep, OnlyPageKeysMoveTheFocus)
{
    EXPECT_EQ(FieldStep(Qt::Key_PageUp), FieldMove::Previous);
    EXPECT_EQ(FieldStep(Qt::Key_PageDown), FieldMove::Next);
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Tab), int(Qt::Key_Up), int(Qt::Key_A)})
        EXPECT_EQ(FieldStep(key), FieldMove::None) << key;
}
