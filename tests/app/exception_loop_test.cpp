#include "app/ExceptionReporter.h"
#include "app/ZantrelApplication.h"
#include "base/LanguageStrings.h"

#include "support/ScriptedPrompter.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zantrel;

namespace {

// The application object is what this suite tests, so main() below builds it.
test::ScriptedPrompter* gPrompter = nullptr;

} // namespace

TEST(ZantrelApplication, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn)
{
    gPrompter->notices.clear();
    int ticksAfterwards = 0;
    QTimer::singleShot(0, [] { throw std::runtime_error("Przekroczony zakres"); });
    QTimer later;
    later.setInterval(5);
    QObject::connect(&later, &QTimer::timeout, [&] {
        if (++ticksAfterwards == 3)
            QCoreApplication::quit();
    });
    later.start();

    EXPECT_EQ(QCoreApplication::exec(), 0);

    ASSERT_EQ(gPrompter->notices.size(), 1u);
    EXPECT_EQ(gPrompter->notices[0].caption, QStringLiteral("Zantrel"));
    EXPECT_EQ(gPrompter->notices[0].text, QStringLiteral("Przekroczony zakres"));
    EXPECT_EQ(ticksAfterwards, 3);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    LanguageStrings texts;
    test::ScriptedPrompter prompter;
    gPrompter = &prompter;
    ExceptionReporter reporter(prompter, texts);
    ZantrelApplication app(argc, argv, reporter);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
