#include "app/MessageBoxPrompter.h"
#include "app/QtTranslation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace zantrel;

namespace {

// Runs `inspect` on the message box once it is open, then presses `button` in it.
void whenBoxOpens(QMessageBox::StandardButton button, std::function<void(QMessageBox&)> inspect)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        inspect(*box);
        box->button(button)->click();
    });
    poll->start();
}

QString longReport()
{
    QString text;
    for (int line = 1; text.size() < 1000; ++line)
        text += QStringLiteral("%1. Błąd czujnika <temperatury> reduktora, wartość poza zakresem & więcej\n").arg(line);
    return text;
}

} // namespace

TEST(MessageBoxPrompter, ALongTextIsShownWholeAndUnclipped)
{
    MessageBoxPrompter prompter;
    const QString text = longReport();
    ASSERT_GE(text.size(), 1000);
    bool inspected = false;
    whenBoxOpens(QMessageBox::Ok, [&](QMessageBox& box) {
        inspected = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Raport"));
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        EXPECT_LE(label->geometry().bottom(), box.height());
    });
    prompter.Inform(QStringLiteral("Raport"), text);
    EXPECT_TRUE(inspected);
}

TEST(MessageBoxPrompter, ATextTallerThanTheScreenScrollsInsideTheBox)
{
    MessageBoxPrompter prompter;
    QString text;
    for (int line = 1; line <= 120; ++line)
        text += QStringLiteral("%1\n").arg(line);
    bool inspected = false;
    whenBoxOpens(QMessageBox::Ok, [&](QMessageBox& box) {
        inspected = true;
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const auto* scroll = box.findChild<QScrollArea*>(QStringLiteral("MessageScroll"));
        ASSERT_NE(label, nullptr);
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(scroll->widget(), label);
        EXPECT_LE(box.frameGeometry().height(), box.screen()->availableGeometry().height());
        EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0) << "the rest of the text is reached by scrolling";
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    });
    prompter.Inform(QStringLiteral("Raport"), text);
    EXPECT_TRUE(inspected);
}

TEST(MessageBoxPrompter, YesAndNoAreTheAnswers)
{
    MessageBoxPrompter prompter;
    for (const auto& [button, answer] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
        bool inspected = false;
        whenBoxOpens(button, [&](QMessageBox& box) {
            inspected = true;
            EXPECT_EQ(box.text(), QStringLiteral("Czy zachować parametry w pliku??"));
            EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Zapis Parametrów"));
        });
        EXPECT_EQ(prompter.AskYesNo(QString::fromUtf8("Zapis Parametrów"),
                                    QStringLiteral("Czy zachować parametry w pliku??")),
                  answer);
        EXPECT_TRUE(inspected);
    }
}

// The standard buttons speak the interface language once the toolkit's translation is
// loaded; a language without one falls back to the toolkit's English.
TEST(MessageBoxPrompter, TheStandardButtonsFollowTheToolkitTranslation)
{
    const auto buttonTexts = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
    };
    ASSERT_TRUE(LoadQtTranslation(*qApp, QStringLiteral("pl")));
    EXPECT_EQ(buttonTexts(), (QStringList{"&Tak", "&Nie"}));
    ASSERT_TRUE(LoadQtTranslation(*qApp, QStringLiteral("de")));
    EXPECT_EQ(buttonTexts(), (QStringList{"&Ja", "&Nein"}));
    EXPECT_FALSE(LoadQtTranslation(*qApp, QStringLiteral("xx")));
    EXPECT_EQ(buttonTexts(), (QStringList{"&Yes", "&No"}));
}
