#include "config/EditorMembers.h"
#include "config/ParameterDescriptions.h"
#include "config/ParameterEditorTabs.h"
#include "config/ParameterItemLists.h"
#include "config/ParameterTransferUi.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>

using namespace zantrel;

namespace {

class EditorTabsTest : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start();
        ASSERT_TRUE(link.OpenPort());
        clock.clearEvents();
    }

    template <typename W = QWidget>
    W* control(const char* name) const
    {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void focus(const char* name)
    {
        window->SelectTab(window->Tab(TabId::TabSheet3)->isAncestorOf(control(name)) ? TabId::TabSheet3
                                                                                     : TabId::TabSheet4);
        control(name)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), control(name));
    }

    // The user replaces the edit's text by typing.
    void typeInto(const char* name, const QString& text)
    {
        auto* edit = control<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        ASSERT_EQ(edit->text(), text);
    }

    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    // A controller that answers every "d" i with the factory-like words given.
    void AnswerWords(std::array<quint16, 64> words)
    {
        io.onWrite = [this, words](const QByteArray& f) {
            if (f.at(0) != 'd')
                return;
            const quint8 i = quint8(f.at(1));
            QByteArray reply("d");
            reply += char(i);
            reply += char(words[i] >> 8);
            reply += char(words[i] & 0xFF);
            reply += '\0';
            reply += ';';
            io.deliver(reply, 300);
        };
    }
};

TEST_F(EditorTabsTest, EveryEditorControlIsOnItsTabWithItsItems)
{
    for (const EditorMember& m : EditorMembers()) {
        QWidget* w = control(m.control);
        ASSERT_NE(w, nullptr);
        const bool onParameters = window->Tab(TabId::TabSheet3)->isAncestorOf(w);
        const bool onAdvanced = window->Tab(TabId::TabSheet4)->isAncestorOf(w);
        EXPECT_TRUE(onParameters || onAdvanced) << m.control;
        if (const std::optional<ParameterDescription> d = DescriptionOf(QString::fromLatin1(m.control))) {
            EXPECT_EQ(onParameters, d->tab == EditorTab::Parameters) << m.control << " describes on the other tab";
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            const ItemList* items = FindItemList(list->objectName());
            ASSERT_NE(items, nullptr) << m.control;
            EXPECT_EQ(list->count(), items->items.size()) << m.control;
            EXPECT_EQ(list->currentIndex(), -1) << m.control << " shows nothing before a read";
        }
    }
    for (const TwinControl& t : TwinControls())
        EXPECT_NE(control(t.twin), nullptr);
    for (const char* twin : {"EditCisnienieWylaczeniaQuillon", "ButtonTURBOQuillon"})
        EXPECT_FALSE(control(twin)->isVisibleTo(window.get())) << twin;
    for (const char* memo : {"MemoOpisParametru", "MemoOpisZaawansowanych"})
        EXPECT_EQ(control<QPlainTextEdit>(memo)->toPlainText(), QStringLiteral("Wybierz parametr aby zobaczyć jego opis."));
}

// At the design size of the page control the tabs need no more room than they have.
TEST_F(EditorTabsTest, BothTabsFitTheDesignSize)
{
    for (TabId tab : {TabId::TabSheet3, TabId::TabSheet4}) {
        const QSize needed = window->Tab(tab)->minimumSizeHint();
        EXPECT_LE(needed.width(), 1009 - 4) << int(tab);
        EXPECT_LE(needed.height(), 587 - window->MainPage->tabBar()->sizeHint().height() - 4) << int(tab);
    }
}

TEST_F(EditorTabsTest, TypingPassesTheFilterAndLeavingWritesTheWord)
{
    focus("EditMinTempPrzel");
    EXPECT_TRUE(control<QPlainTextEdit>("MemoOpisParametru")->toPlainText().startsWith(QStringLiteral("Minimalna Temperatura")));
    control<QLineEdit>("EditMinTempPrzel")->clear();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4a-5"));
    EXPECT_EQ(control<QLineEdit>("EditMinTempPrzel")->text(), QStringLiteral("45"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), QStringLiteral("ComboBoxDeltaObrotow"));
    EXPECT_EQ(clock.frames(), (QStringList{"K 05 00 00", "E 05 00 2d", "D 05 00 2d"}));

    // The other separator is typed as the locale's.
    focus("EditCisnienieWylaczenia");
    auto* pressure = control<QLineEdit>("EditCisnienieWylaczenia");
    pressure->clear();
    QTest::keyClicks(pressure, QStringLiteral("1.5"));
    EXPECT_EQ(pressure->text(), QStringLiteral("1") + window->EntrySeparators().decimal + QStringLiteral("5"));
}

TEST_F(EditorTabsTest, EnterAndThePageKeysMoveTheFocus)
{
    focus("EditWspolneCykle");
    typeInto("EditWspolneCykle", QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The enrichment edit is hidden in this edition: Enter goes past it.
    EXPECT_EQ(focused(), QStringLiteral("EditPrzesuniecie"));
    EXPECT_EQ(clock.frames(), (QStringList{"K 04 00 00", "E 04 00 02", "D 04 00 02"}))
        << "written once, when the edit is left";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(focused(), QStringLiteral("EditWspolneCykle"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(focused(), QStringLiteral("EditPrzesuniecie"));

    // An edit that does not step keeps the focus; releasing Enter writes it.
    focus("EditPelneOtwarcie");
    typeInto("EditPelneOtwarcie", QStringLiteral("4"));
    clock.clearEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focused(), QStringLiteral("EditPelneOtwarcie"));
    EXPECT_EQ(clock.frames().size(), 3);

    // Enter in a list goes on as Tab would.
    focus("ComboBoxCewka");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focused(), QStringLiteral("EditCzasWtryskuPrzyObciazeniu"));
}

// The keypad's Enter (Key_Enter with the keypad modifier) is Enter going down and up.
TEST_F(EditorTabsTest, TheKeypadEnterIsEnter)
{
    focus("EditWspolneCykle");
    typeInto("EditWspolneCykle", QStringLiteral("3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(focused(), QStringLiteral("EditPrzesuniecie"));
    EXPECT_EQ(clock.frames(), (QStringList{"K 04 00 00", "E 04 00 03", "D 04 00 03"}));

    focus("EditPelneOtwarcie");
    typeInto("EditPelneOtwarcie", QStringLiteral("4"));
    clock.clearEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(focused(), QStringLiteral("EditPelneOtwarcie"));
    EXPECT_EQ(clock.frames().size(), 3) << "released, the key writes the word";
}

TEST_F(EditorTabsTest, TheLastFieldOfEachTabLeadsToTheOther)
{
    focus("ComboBoxSondaLambda2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet4);
    // The vacuum list is disabled in this edition; the focus goes to the field after it.
    EXPECT_EQ(focused(), QStringLiteral("EditCisnienieWylaczenia"));

    focus("EditSignalInj");
    typeInto("EditSignalInj", QStringLiteral("60"));
    clock.clearEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet3);
    EXPECT_EQ(focused(), QStringLiteral("ComboBoxRodzajWtrysku"));
    EXPECT_EQ(clock.frames(), (QStringList{"K 32 00 00", "E 32 00 3c", "D 32 00 3c"}));
}

TEST_F(EditorTabsTest, ATextThatIsNoNumberIsReportedAndNotSent)
{
    const QChar separator = window->EntrySeparators().decimal;
    const QString twoSeparators = QStringLiteral("1") + separator + separator + QStringLiteral("2");
    focus("EditCisnienieBeep");
    typeInto("EditCisnienieBeep", twoSeparators);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_TRUE(prompter.notices[0].text.contains(twoSeparators));
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_EQ(control<QLineEdit>("EditCisnienieBeep")->text(), twoSeparators) << "the text is kept";
}

TEST_F(EditorTabsTest, APickInAListWritesAndTheReadFillsTheTabs)
{
    std::array<quint16, 64> words{};
    words[0] = 0xAAAA;
    words[14] = 461; // about 1500 rpm at the factory ignition type
    words[21] = 2;
    words[22] = 0x0020;
    words[47] = 0x4000;
    words[50] = 55;
    AnswerWords(words);
    window->Transfer().ButtonOdczytajParam->click(); // the read of all words
    EXPECT_EQ(control<QLineEdit>("EditSignalInj")->text(), QStringLiteral("55"));
    EXPECT_EQ(control<QComboBox>("ComboBoxTURBO")->currentIndex(), 1);
    EXPECT_FALSE(control("ButtonTURBO")->isHidden());
    EXPECT_EQ(control<QComboBox>("ComboBoxPodcisnienieReduktora")->currentIndex(), 1);
    EXPECT_TRUE(clock.frames().contains(QStringLiteral("E 16 80 20"))) << "vacuum written after the read";
    EXPECT_TRUE(clock.frames().contains(QStringLiteral("E 2f 40 04"))) << "load + RPM map written after the read";

    io.onWrite = nullptr;
    clock.clearEvents();
    auto* turbo = control<QComboBox>("ComboBoxTURBO");
    window->SelectTab(TabId::TabSheet3);
    turbo->setFocus();
    QTest::keyClick(turbo, Qt::Key_Up);
    EXPECT_EQ(turbo->currentIndex(), 0);
    EXPECT_TRUE(control("ButtonTURBO")->isHidden());
    EXPECT_EQ(clock.frames(), (QStringList{"K 2f 00 00", "E 2f 00 04", "D 2f 00 04", "K 0c 00 00", "E 0c 00 64",
                                           "D 0c 00 64"}));
}

// The window on the simulated controller: after a read, the Tab key walks through both
// parameter tabs and nothing is sent; one typed change is the one word written.
class EditorTabsOnTheSimulator : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Create(test::answering(false), &rig.link);
        Show();
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

    // The read and the writes that follow it are over once the link stays quiet.
    void waitUntilQuiet()
    {
        qsizetype frames = -1;
        for (int i = 0; i < 100 && frames != rig.clock.frames().size(); ++i) {
            frames = rig.clock.frames().size();
            QTest::qWait(100);
        }
    }

    sim::test::SimRig rig;
};

TEST_F(EditorTabsOnTheSimulator, TabbingThroughBothTabsAfterAReadSendsNothing)
{
    rig.clock.setRecording(true);
    window->Transfer().ButtonOdczytajParam->click(); // the read of all words
    waitUntilQuiet();
    ASSERT_FALSE(window->findChild<QLineEdit*>(QStringLiteral("EditSignalInj"))->text().isEmpty())
        << "the read fills the tabs";
    prompter.notices.clear();
    rig.clock.clearEvents();

    const struct {
        TabId tab;
        const char* first;
    } walks[] = {{TabId::TabSheet3, "ComboBoxRodzajWtrysku"}, {TabId::TabSheet4, "EditCisnienieWylaczenia"}};
    QSet<QString> visited;
    for (const auto& walk : walks) {
        window->SelectTab(walk.tab);
        window->findChild<QWidget*>(QString::fromLatin1(walk.first))->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 80; ++i) {
            visited << focused()->objectName();
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
    }
    EXPECT_EQ(rig.clock.frames(), QStringList());
    EXPECT_TRUE(prompter.notices.empty());
    // Every control that takes the focus was left at least once.
    for (const EditorMember& m : EditorMembers()) {
        const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(m.control));
        if (w->isVisibleTo(window.get()) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            EXPECT_TRUE(visited.contains(QString::fromLatin1(m.control))) << m.control;
        }
    }
    EXPECT_TRUE(visited.contains(QStringLiteral("EditMinimalnyCzasWtrysku")));

    auto* minimal = window->findChild<QLineEdit*>(QStringLiteral("EditMinimalnyCzasWtrysku"));
    window->SelectTab(TabId::TabSheet4);
    minimal->setFocus(Qt::TabFocusReason);
    minimal->selectAll();
    QTest::keyClicks(minimal, QStringLiteral("3"));
    QTest::keyClick(minimal, Qt::Key_Tab);
    EXPECT_EQ(rig.clock.frames(), (QStringList{"K 02 00 00", "E 02 02 b3", "D 02 02 b3"})); // trunc(3 x 230.4)
}

} // namespace
