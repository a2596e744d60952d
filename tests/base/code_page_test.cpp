#include "base/CodePage.h"
#include "base/LanguageStrings.h"

#include <QStringDecoder>

#include <utility>

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

QByteArray everyByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    return all;
}

struct PageCase {
    CodePageId id;
    int number;
    const char* platformName;
};

constexpr PageCase kPages[] = {
    {CodePageId::Windows1250, 1250, "windows-1250"},
    {CodePageId::Windows1251, 1251, "windows-1251"},
    {CodePageId::Windows1252, 1252, "windows-1252"},
    {CodePageId::Windows1254, 1254, "windows-1254"},
    {CodePageId::Windows1257, 1257, "windows-1257"},
};

// Each table against the platform's own decoder of the page (ICU on Linux), byte by byte,
// and every byte back from its character.
TEST(CodePage, EveryPageDecodesAsThePlatformDoesAndComesBack)
{
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.platformName);
        const CodePage& page = CodePage::Of(c.id);
        EXPECT_EQ(page.Number(), c.number);
        QStringDecoder platform(c.platformName);
        if (!platform.isValid()) {
            ADD_FAILURE() << "this platform's toolkit has no decoder for " << c.platformName;
            continue;
        }
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, char(b));
            EXPECT_EQ(page.Decode(one), QString(platform(one))) << "byte 0x" << std::hex << b;
        }
        QByteArray assigned;
        for (const char b : everyByte())
            if (page.Decode(QByteArray(1, b)) != QChar(QChar::ReplacementCharacter))
                assigned.append(b);
        const CodePage::Encoded back = page.Encode(page.Decode(assigned));
        EXPECT_FALSE(back.missing);
        EXPECT_EQ(back.bytes, assigned);
    }
}

TEST(CodePage, PolishLettersHaveTheirBytesAndOthersAreNamed)
{
    const CodePage& page = CodePage::Of(CodePageId::Windows1250);
    const CodePage::Encoded polish = page.Encode(QString::fromUtf8("Łódź, Żółć ąę"));
    EXPECT_FALSE(polish.missing);
    EXPECT_EQ(polish.bytes, QByteArray("\xA3\xF3\x64\x9F, \xAF\xF3\xB3\xE6 \xB9\xEA"));

    // The first character the page has not got, a whole one even beyond 16 bits.
    EXPECT_EQ(page.Encode(QString::fromUtf8("ab Жd")).missing, QString::fromUtf8("Ж"));
    EXPECT_EQ(page.Encode(QString::fromUtf8("x\U0001F697")).missing, QString::fromUtf8("\U0001F697"));
    // The decoders' mark for an unassigned byte is no character of any page.
    EXPECT_EQ(CodePage::Of(CodePageId::Windows1257).Encode(QString(QChar::ReplacementCharacter)).missing,
              QString(QChar::ReplacementCharacter));
}

TEST(CodePage, TheLanguageNamesItsPage)
{
    const std::pair<int, CodePageId> cases[] = {
        {kPolishLanguage, CodePageId::Windows1250}, {2, CodePageId::Windows1252},
        {3, CodePageId::Windows1251},  {5, CodePageId::Windows1257},
        {8, CodePageId::Windows1250},  {9, CodePageId::Windows1254},
        {11, CodePageId::Windows1251}, {14, CodePageId::Windows1252},
        // A code no language has reads as the design language does.
        {13, CodePageId::Windows1250}, {200, CodePageId::Windows1250},
    };
    for (const auto& [language, page] : cases)
        EXPECT_EQ(CodePageOfLanguage(language), page) << "language " << language;
}

} // namespace
} // namespace zantrel::test
