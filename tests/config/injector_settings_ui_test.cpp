#include "config/InjectorPresets.h"
#include "config/InjectorSettingsWindow.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDialog.h"

#include <QLineEdit>
#include <QPushButton>

using namespace zantrel;

namespace {

class InjectorSettingsUiTest : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start();
        ASSERT_TRUE(link.OpenPort());
        for (const char* name : TForm10::kEditNames)
            mainEdit(name)->setText(number("2,0"));
        clock.clearEvents();
    }

    // A number as the locale writes it.
    QString number(const char* text) const
    {
        return QString::fromLatin1(text).replace(u',', window->EntrySeparators().decimal);
    }
    QLineEdit* mainEdit(const char* name) const
    {
        for (const TabId tab : {TabId::TabSheet3, TabId::TabSheet4})
            if (auto* edit = window->Tab(tab)->findChild<QLineEdit*>(QString::fromLatin1(name)))
                return edit;
        ADD_FAILURE() << name;
        return nullptr;
    }
    QLineEdit* dialogEdit(const char* name) const
    {
        return window->Form10->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const
    {
        return window->Tab(TabId::TabSheet3)->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // The words the frames wrote, in order.
    QStringList writtenWords() const
    {
        QStringList words;
        for (const QString& frame : clock.frames())
            if (frame.startsWith(QLatin1Char('K')))
                words << frame.mid(2, 2);
        return words;
    }
};

TEST_F(InjectorSettingsUiTest, OkCopiesTheFiveTextsBackAndWritesTheirWords)
{
    test::WhenShown(*window->Form10, [this] {
        EXPECT_EQ(dialogEdit("EditPelneOtwarcie")->text(), number("2,0"));
        dialogEdit("EditParametryMaxInj")->setText(number("30,4"));
        window->Form10->ButtonOK->click();
    });
    button("ButtonRodzajWtryskiwaczy")->click();
    EXPECT_EQ(mainEdit("EditParametryMaxInj")->text(), number("30,4"));
    // Words 8, 2, 7, 6 and 13, in this order.
    EXPECT_EQ(writtenWords(), (QStringList{"08", "02", "07", "06", "0d"}));
    EXPECT_EQ(parameters[8], 7004);
    EXPECT_TRUE(prompter.notices.empty());
}

TEST_F(InjectorSettingsUiTest, CancelWritesNothingButKeepsWhatLeavingAnEditCopied)
{
    test::WhenShown(*window->Form10, [this] {
        QLineEdit* first = dialogEdit("EditParametryMaxInj");
        first->setFocus();
        first->setText(number("25,0"));
        // Enter goes on to the next edit, and leaving the first copies its text back.
        QTest::keyClick(first, Qt::Key_Return);
        EXPECT_TRUE(dialogEdit("EditMinimalnyCzasWtrysku")->hasFocus());
        QTest::keyClick(dialogEdit("EditMinimalnyCzasWtrysku"), Qt::Key_PageUp);
        EXPECT_TRUE(first->hasFocus());
        window->Form10->ButtonAnuluj->click();
    });
    button("ButtonRodzajWtryskiwaczy")->click();
    EXPECT_EQ(mainEdit("EditParametryMaxInj")->text(), number("25,0"));
    EXPECT_TRUE(clock.frames().isEmpty());
}

// The dialog's edits take the keys their twins on the tabs take: digits and the
// separator, the other separator turned into it, letters dropped.
TEST_F(InjectorSettingsUiTest, TheDialogsEditsFilterTheKeysAsTheTabsDo)
{
    test::WhenShown(*window->Form10, [this] {
        QLineEdit* edit = dialogEdit("EditPelneOtwarcie");
        edit->setFocus();
        edit->clear();
        const QChar other = window->EntrySeparators().other;
        QTest::keyClicks(edit, QStringLiteral("3x") + other + QStringLiteral("5"));
        EXPECT_EQ(edit->text(), number("3,5"));
        window->Form10->ButtonAnuluj->click();
    });
    button("ButtonRodzajWtryskiwaczy")->click();
}

TEST_F(InjectorSettingsUiTest, TheNozzleButtonShowsTheTable)
{
    button("ButtonDyszki")->click();
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, RecommendedNozzlesText(texts));
    EXPECT_TRUE(clock.frames().isEmpty());
}

} // namespace
