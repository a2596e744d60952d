#include "base/CodePage.h"
#include "base/LanguageStrings.h"

#include <QStringDecoder>

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

// The table against the platform's own decoder of the page (ICU on Linux), byte by byte.
TEST(CodePage, Windows1250DecodesAsThePlatformDoes)
{
    QStringDecoder platform("windows-1250");
    if (!platform.isValid())
        GTEST_SKIP() << "this platform's toolkit has no decoder for windows-1250";
    const CodePage& page = CodePage::Of(CodePageId::Windows1250);
    EXPECT_EQ(page.Number(), 1250);
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(page.Decode(one), QString(platform(one))) << "byte 0x" << std::hex << b;
    }
}

TEST(CodePage, EveryByteComesBackFromItsCharacter)
{
    const CodePage& page = CodePage::Of(CodePageId::Windows1250);
    const CodePage::Encoded back = page.Encode(page.Decode(everyByte()));
    EXPECT_FALSE(back.missing);
    EXPECT_EQ(back.bytes, everyByte());
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
}

TEST(CodePage, TheLanguageNamesItsPage)
{
    EXPECT_EQ(CodePageOfLanguage(kPolishLanguage), CodePageId::Windows1250);
    // A language without a page of its own reads as the design language does.
    EXPECT_EQ(CodePageOfLanguage(200), CodePageId::Windows1250);
}

} // namespace
} // namespace zantrel::test
