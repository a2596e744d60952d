#include "base/CodePage.h"
#include "base/LanguageFile.h"
#include "base/LanguageStrings.h"

#include <gtest/gtest.h>

#include <string>

namespace zantrel::test {
namespace {

const CodePage& polish() { return CodePage::Of(CodePageId::Windows1250); }

LanguageFileContents read(QByteArrayView bytes) { return ReadLanguageFile(bytes, polish()); }

struct Expected {
    int id;
    const char* utf8;
};

void expectLines(const LanguageFileContents& got, std::initializer_list<Expected> want)
{
    ASSERT_EQ(got.lines.size(), want.size());
    size_t i = 0;
    for (const Expected& e : want) {
        EXPECT_EQ(got.lines[i].id, e.id) << "line " << i;
        EXPECT_EQ(got.lines[i].text, QString::fromUtf8(e.utf8)) << "line " << i;
        ++i;
    }
}

TEST(LanguageFileReader, CommentsAndEmptyLinesGiveNoTexts)
{
    const LanguageFileContents got = read("# header\n#10606 not a text\r\n\n\r\n#");
    EXPECT_TRUE(got.lines.empty());
    EXPECT_FALSE(got.stoppedAt);
    EXPECT_TRUE(read("").lines.empty());
}

TEST(LanguageFileReader, TheTextRunsFromTheSeventhCharacterToTheLineFeed)
{
    const LanguageFileContents got = read("10000 Plik\r\n"
                                          "10001xOpcje z liter\xB9\n"
                                          "10002 \n"
                                          "10003\n"
                                          "10004 a\rb  \r\n"
                                          "10005 last without a line feed");
    // The separator is any character; an id alone does not take the next line as its
    // text; only the carriage return before the line feed is dropped.
    expectLines(got, {{10000, "Plik"},
                      {10001, "Opcje z liter\xC4\x85"},
                      {10002, ""},
                      {10003, ""},
                      {10004, "a\rb  "},
                      {10005, "last without a line feed"}});
    EXPECT_FALSE(got.stoppedAt);
}

TEST(LanguageFileReader, AMalformedIdStopsTheReadingAndKeepsTheLinesBefore)
{
    const struct {
        const char* bad;
    } cases[] = {{"1234x tekst"}, {"abcde tekst"}, {"123"}, {" 10002 tekst"}, {"-1000 tekst"}, {"\xEF\xBB\xBF"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bad);
        const QByteArray file = QByteArray("# c\n10000 Plik\n") + c.bad + "\n10001 Opcje\n";
        const LanguageFileContents got = read(file);
        expectLines(got, {{10000, "Plik"}});
        EXPECT_EQ(got.stoppedAt, 3);
    }
}

TEST(LanguageFileReader, LaterLinesWinAndUnknownIdsAreIgnored)
{
    LanguageStrings texts;
    const LanguageFileContents got = read("10606 pierwszy\n99999 nikt\n10606 drugi\n");
    for (const LanguageLine& line : got.lines)
        texts.SetById(line.id, line.text);
    EXPECT_EQ(texts[Text::InjectorsOffWarning], QStringLiteral("drugi"));
    EXPECT_EQ(texts[Text::InjectorsOffQuestion], QString::fromUtf8("zostały wyłączone, kontynuować"));
}

TEST(LanguageFileReader, ATextIsCutAtItsLimit)
{
    const std::string longText(kLanguageTextMax + 100, 'x');
    const QByteArray file = QByteArray("12000 ") + longText.c_str() + "\n12001 next\n";
    const LanguageFileContents got = read(file);
    ASSERT_EQ(got.lines.size(), 2u);
    EXPECT_EQ(got.lines[0].text, QString(kLanguageTextMax, u'x'));
    EXPECT_EQ(got.lines[1].text, QStringLiteral("next"));
}

TEST(LanguageFileReader, TheBytesAreDecodedInTheLanguagesPage)
{
    const QByteArray file("12050 \xCE\xF8\xE8\xE1\xEA\xE0\n");
    EXPECT_EQ(ReadLanguageFile(file, CodePage::Of(CodePageId::Windows1251)).lines.at(0).text,
              QString::fromUtf8("Ошибка"));
    EXPECT_EQ(ReadLanguageFile("12050 Hata \xFE\xDD\n", CodePage::Of(CodePageId::Windows1254)).lines.at(0).text,
              QString::fromUtf8("Hata şİ"));
}

TEST(LanguageFileReader, LargeAndBinaryFilesAreReadWhole)
{
    QByteArray large;
    while (large.size() < 10 * 1024 * 1024)
        large += "10000 Plik\n";
    const LanguageFileContents many = read(large);
    EXPECT_EQ(many.lines.size(), size_t(large.size() / 11));
    EXPECT_FALSE(many.stoppedAt);

    QByteArray junk(1 << 20, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 131 + 7) % 256);
    const LanguageFileContents stopped = read(QByteArray("10000 Plik\n") + junk);
    EXPECT_EQ(stopped.lines.size(), 1u);
    EXPECT_EQ(stopped.stoppedAt, 2);
}

} // namespace
} // namespace zantrel::test
