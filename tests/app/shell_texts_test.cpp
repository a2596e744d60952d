#include "app/ExceptionReporter.h"
#include "base/LanguageStrings.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zantrel;

TEST(LanguageStrings, StartPolishAndAreReplacedById)
{
    LanguageStrings texts;
    EXPECT_EQ(BaseCaption(texts), QStringLiteral("Zantrel - V 1.39 "));
    EXPECT_EQ(texts[Text::ComError], QString::fromUtf8("Com błąd"));
    EXPECT_EQ(texts[Text::LeaveAdaptationQuestion], QString::fromUtf8("Wyjść z autoadaptacji ?"));

    EXPECT_TRUE(texts.SetById(13013, QStringLiteral("Exit auto-adaptation?")));
    EXPECT_EQ(texts[Text::LeaveAdaptationQuestion], QStringLiteral("Exit auto-adaptation?"));
    EXPECT_TRUE(texts.SetById(12052, QString()));
    EXPECT_EQ(texts[Text::ComError], QString());
    EXPECT_EQ(texts[Text::EcuError], QString::fromUtf8("ECU błąd"));
}

TEST(LanguageStrings, UnknownIdsAndFixedTextsAreNotReplaced)
{
    LanguageStrings texts;
    for (int id : {0, 9999, 10000, 12007, 16007, 99999, -1})
        EXPECT_FALSE(texts.SetById(id, QStringLiteral("x"))) << id;
    EXPECT_EQ(BaseCaption(texts), QStringLiteral("Zantrel - V 1.39 "));
}

TEST(ExceptionReporter, ShowsTheMessageAndDoesNotStackReports)
{
    LanguageStrings texts;
    test::ScriptedPrompter prompter;
    ExceptionReporter reporter(prompter, texts);

    reporter.Report(std::make_exception_ptr(std::runtime_error("Plik uszkodzony")));
    reporter.Report(std::make_exception_ptr(42));
    ASSERT_EQ(prompter.notices.size(), 2u);
    EXPECT_EQ(prompter.notices[0].caption, QStringLiteral("Zantrel"));
    EXPECT_EQ(prompter.notices[0].text, QStringLiteral("Plik uszkodzony"));
    EXPECT_EQ(prompter.notices[1].text, QString::fromUtf8("Nieznany błąd"));
}

namespace {

// A prompter whose box, while open, lets another failing handler run.
class ReenteringPrompter final : public Prompter {
public:
    ExceptionReporter* reporter = nullptr;
    int shown = 0;
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void Inform(const QString&, const QString&) override
    {
        ++shown;
        reporter->Report(std::make_exception_ptr(std::runtime_error("again")));
    }
};

} // namespace

TEST(ExceptionReporter, AnExceptionWhileAReportIsOpenIsNotShownOnTopOfIt)
{
    LanguageStrings texts;
    ReenteringPrompter prompter;
    ExceptionReporter reporter(prompter, texts);
    prompter.reporter = &reporter;

    reporter.Report(std::make_exception_ptr(std::runtime_error("first")));
    EXPECT_EQ(prompter.shown, 1);
    reporter.Report(std::make_exception_ptr(std::runtime_error("later")));
    EXPECT_EQ(prompter.shown, 2);
}
