#include "app/MainWindow.h"
#include "base/EntryFilters.h"
#include "base/LanguageStrings.h"
#include "image/ParameterTable.h"
#include "link/ConnectingWindow.h"
#include "link/EcuLink.h"
#include "link/VirtualClock.h"

#include "support/MainWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace zantrel;
using zantrel::test::answering;
using MainWindowTest = zantrel::test::MainWindowFixture;

TEST_F(MainWindowTest, StartsWithTheDesignedTabsTimersWindowsAndMenu)
{
    Start();
    EXPECT_EQ(window->objectName(), QStringLiteral("TForm1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zantrel - V 1.39 "));
    EXPECT_TRUE(window->EditStatus->isReadOnly());
    EXPECT_EQ(window->EditStatus->objectName(), QStringLiteral("EditStatus"));
    EXPECT_EQ(window->WorkingDirectory(), QDir::currentPath());
    EXPECT_EQ(window->EntrySeparators().decimal, DecimalSeparator(QLocale::system()));

    const struct {
        const char* name;
        const char* caption;
        bool shown;
    } tabs[] = {
        {"TabSheet1", "Odczyty[F2]", true},
        {"TabSheet2", "Oscyloskopy[F3]", true},
        {"TabSheet3", "Parametry [F4]", true},
        {"TabSheet4", "Zaawansowane[F5]", true},
        {"TabSheet5", "Adaptacja[F6]", true},
        {"TabSheet6", "Map1 [F7]", true},
        {"TabSheet7", "Mapa Inj [F8]", false},
        {"TabSheet8", "Fabr.[F12]", false},
        {"TabSheet10", "Diagnostyka wtryskiwaczy (F9)", true},
        {"TabSheet9", "Odczyt konfiguracji (F10)", true},
        {"TabSheetEmisja", "Emisja", false},
        {"TabSheetMapaTemp", "Mapa temperaturowa", true},
        {"TabSheet11", "Mazda/Jalowy", false}, // shown when the controller has the low-RPM filter
    };
    QTabWidget* page = window->MainPage;
    EXPECT_EQ(page->objectName(), QStringLiteral("MainPage"));
    ASSERT_EQ(page->count(), int(std::size(tabs)));
    for (int i = 0; i < page->count(); ++i) {
        EXPECT_EQ(page->widget(i)->objectName(), QString::fromLatin1(tabs[i].name));
        EXPECT_EQ(page->tabText(i), QString::fromLatin1(tabs[i].caption)) << tabs[i].name;
        EXPECT_EQ(page->isTabVisible(i), tabs[i].shown) << tabs[i].name;
    }

    const struct {
        const char* name;
        int interval;
        bool active;
    } timers[] = {
        {"TimerVizualizacja", 25, true},       {"TimerAutoconnect", 100, false},
        {"TimerVizualizacjaDEMO", 40, false},  {"TimerWolneRpmLPG", 50, false},
        {"TimerWolneRpmBenz", 50, false},      {"TimerWdepniecieBenzyna", 50, false},
        {"TimerWdepniecieLPG", 50, false},     {"TimerOpoznienie1", 100, false},
        {"TimerOpoznienie2", 100, false},      {"TimerAutoTemp", 100, false},
        {"TimerNaBenz1", 100, false},          {"TimerNaBenz2", 100, false},
        {"TimerNaGaz1", 100, false},           {"TimerNaGaz2", 100, false},
    };
    for (const auto& t : timers) {
        const auto* timer = window->findChild<QTimer*>(QString::fromLatin1(t.name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(timer, nullptr) << t.name;
        EXPECT_EQ(timer->interval(), t.interval) << t.name;
        EXPECT_EQ(timer->isActive(), t.active) << t.name;
    }

    QStringList windows;
    for (const QDialog* dialog : window->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        windows << dialog->objectName();
        EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
    }
    EXPECT_EQ(windows, (QStringList{"TForm5", "TForm6", "TForm7", "TForm8", "TForm9", "TForm10", "TForm11",
                                    "TForm12", "TForm13", "TForm14", "TForm15"}));
    EXPECT_TRUE(window->Form13->Timer1.isActive());
    EXPECT_EQ(window->Form13->Timer1.interval(), 100);

    for (const char* shown : {"Angielski1", "Niemiecki1", "Polski1", "Rosyjski1", "Wloski1", "Serbski1",
                              "Chorwacki1", "Rumunski1", "Francuski1", "Hiszpanski1"})
        EXPECT_TRUE(window->MenuItemShown(QString::fromLatin1(shown))) << shown;
    for (const char* hidden : {"Litewski1", "Turecki1", "Bulgarski1", "MapaInj1", "przelacznikbg", "Fabr1"})
        EXPECT_FALSE(window->MenuItemShown(QString::fromLatin1(hidden))) << hidden;
    EXPECT_FALSE(item("MapaInj1")->isEnabled());
    EXPECT_TRUE(item("Mapa1")->isEnabled());
    EXPECT_TRUE(item("Polski1")->isChecked());
    EXPECT_TRUE(item("N640x4801")->isChecked());
    EXPECT_EQ(item("COM8CTRL81")->text(), QStringLiteral("COM8"));
    EXPECT_EQ(item("COM_SET")->text(), QStringLiteral("Ustaw ostatni port"));

    // The offscreen screen is 800 pixels wide: the two larger layouts are not offered,
    // and the window starts maximised.
    ASSERT_EQ(window->screen()->size().width(), 800);
    EXPECT_TRUE(item("N640x4801")->isEnabled());
    EXPECT_FALSE(item("N1024x7681")->isEnabled());
    EXPECT_FALSE(item("N1280x10241")->isEnabled());
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(MainWindowTest, EachFunctionKeySelectsItsTab)
{
    Start();
    const struct {
        const char* key;
        TabId tab;
    } cases[] = {
        {"F2", TabId::TabSheet1}, {"F3", TabId::TabSheet2},  {"F4", TabId::TabSheet3},
        {"F5", TabId::TabSheet4}, {"F6", TabId::TabSheet5},  {"F7", TabId::TabSheet6},
        {"F9", TabId::TabSheet10}, {"F10", TabId::TabSheet9},
    };
    for (const auto& c : cases) {
        window->SelectTab(TabId::TabSheet11);
        press(c.key);
        EXPECT_EQ(window->CurrentTab(), c.tab) << c.key;
    }
    // F8 belongs to a disabled item.
    window->SelectTab(TabId::TabSheet11);
    press("F8");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet11);
}

TEST_F(MainWindowTest, F7SendsNothingButAClickOnTheMapTabWritesWord47)
{
    Start();
    ASSERT_TRUE(link.OpenPort());
    parameters[ParameterTable::kShadow47] = 0x8008;
    clock.clearEvents();

    press("F7");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet6);
    EXPECT_EQ(clock.trace(), QStringList());
    EXPECT_EQ(parameters[ParameterTable::kShadow47], 0x8008);

    press("F2");
    clickTab(TabId::TabSheet6);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet6);
    EXPECT_EQ(clock.trace(), (QStringList{"10ms", "K 2f 00 00", "30ms", "E 2f 80 04", "20ms", "D 2f 80 04"}));
    EXPECT_EQ(parameters[47], 0x8004);

    // A click on the tab that is already active changes nothing.
    clock.clearEvents();
    clickTab(TabId::TabSheet6);
    EXPECT_EQ(clock.trace(), QStringList());
}

TEST_F(MainWindowTest, LeavingTheAdaptationTabAsksOnlyWhileAnAdaptationRuns)
{
    Start();
    const QString question = QString::fromUtf8("Wyjść z autoadaptacji ?");

    press("F6");
    clickTab(TabId::TabSheet1);
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet1);

    press("F6");
    window->SetAdaptationRunning(true);
    window->TimerVizualizacja.stop();
    window->TimerNaGaz1.start();

    prompter.answers = {false};
    clickTab(TabId::TabSheet1);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].caption, QString());
    EXPECT_EQ(prompter.questions[0].text, question);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet5);
    EXPECT_TRUE(window->AdaptationRunning());
    EXPECT_TRUE(window->TimerNaGaz1.isActive());

    // Ctrl+Tab goes through the same guard.
    prompter.answers = {false};
    QTest::keyClick(window->MainPage, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(prompter.questions.size(), 2u);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet5);

    prompter.answers = {true};
    clickTab(TabId::TabSheet2);
    EXPECT_EQ(prompter.questions.size(), 3u);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet2);
    EXPECT_FALSE(window->AdaptationRunning());
    EXPECT_FALSE(window->TimerNaGaz1.isActive());
    EXPECT_TRUE(window->TimerVizualizacja.isActive());

    // A function key leaves the tab directly, without the question.
    press("F6");
    window->SetAdaptationRunning(true);
    press("F3");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet2);
    EXPECT_EQ(prompter.questions.size(), 3u);
}

struct ShortcutCase {
    const char* key;
    const char* item;
};

const ShortcutCase kShortcuts[] = {
        {"Ctrl+O", "OdczytajParametryCTRLO1"}, {"Ctrl+S", "ZapiszParametryCTRLS1"},
        {"Ctrl+D", "AutodetekcjaCTRLD1"},      {"Ctrl+F1", "COM1CTRL11"},
        {"Ctrl+F2", "COM2CTRL21"},             {"Ctrl+F3", "COM3CTRL31"},
        {"Ctrl+F4", "COM4CTRL41"},             {"Ctrl+F5", "COM5CTRL51"},
        {"Ctrl+F6", "COM6CTRL61"},             {"Ctrl+F7", "COM7CTRL71"},
        {"Ctrl+F8", "COM8CTRL81"},             {"F2", "OdczytyF21"},
        {"F3", "OscyloskopyF31"},              {"F4", "ParametryF41"},
        {"F5", "ZaawansowaneF51"},             {"F6", "AutoadaptacjaF61"},
        {"F7", "Mapa1"},                       {"F9", "DiagnosytkaWtryskiwaczy1"},
        {"F10", "Odczytkonfiguracji1"},        {"Ctrl+P", "PrzecznaBenzyn1"},
        {"Ctrl+A", "PrzecznaAutomat1"},        {"Ctrl+L", "PrzecznaLPG1"},
        {"Ctrl+B", "OdczytajKodyBdw1"},        {"Ctrl+E", "KasujKodyBdw1"},
        {"Ctrl+T", "OdczytajCzasPracy1"},      {"Ctrl+H", "Help1"},
        {"Space", "przelacznikbg"},
};

TEST_F(MainWindowTest, EveryShortcutTriggersItsItem)
{
    Start();
    for (const ShortcutCase& c : kShortcuts) {
        QSignalSpy triggered(item(c.item), &QAction::triggered);
        press(c.key);
        EXPECT_EQ(triggered.count(), 1) << c.key << " " << c.item;
    }
    // Ctrl+O asked for the file to load; Ctrl+S found the form empty and asked for none.
    EXPECT_EQ(fileDialogsCancelled, 1);
}

// Counts the presses of other keys than the modifiers that reach a widget.
struct KeyPresses final : QObject {
    explicit KeyPresses(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            count += key == Qt::Key_Control || key == Qt::Key_Shift ? 0 : 1;
        }
        return false;
    }
    int count = 0;
};

// An edit's own key bindings (select all, end of line, a typed space) give way to the
// window's shortcuts; the space bar only while its option is on.
TEST_F(MainWindowTest, TheShortcutsWinOverTheEditThatHasTheFocus)
{
    Start();
    auto* edit = window->findChild<QLineEdit*>(QStringLiteral("EditMinTempPrzel"));
    ASSERT_NE(edit, nullptr);
    KeyPresses reached(*edit);
    for (const ShortcutCase& c : kShortcuts) {
        window->SelectTab(TabId::TabSheet3);
        edit->setFocus(Qt::TabFocusReason);
        reached.count = 0;
        QSignalSpy triggered(item(c.item), &QAction::triggered);
        QTest::keySequence(edit, QKeySequence(QString::fromLatin1(c.key)));
        EXPECT_EQ(triggered.count(), 1) << c.key << " " << c.item;
        EXPECT_EQ(reached.count, 0) << c.key << " reached the edit";
    }

    item("spacjaprzelaczabg1")->trigger();
    ASSERT_FALSE(item("spacjaprzelaczabg1")->isChecked());
    window->SelectTab(TabId::TabSheet3);
    edit->setFocus(Qt::TabFocusReason);
    QSignalSpy space(item("przelacznikbg"), &QAction::triggered);
    reached.count = 0;
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(space.count(), 0);
    EXPECT_EQ(reached.count, 1) << "the edit keeps the key";
}

TEST_F(MainWindowTest, AHiddenItemKeepsItsShortcutWhileEnabled)
{
    Start();
    QSignalSpy space(item("przelacznikbg"), &QAction::triggered);
    press("Space");
    EXPECT_EQ(space.count(), 1);

    QAction* mapInj = item("MapaInj1");
    QSignalSpy f8(mapInj, &QAction::triggered);
    press("F8");
    EXPECT_EQ(f8.count(), 0);
    mapInj->setEnabled(true);
    press("F8");
    EXPECT_EQ(f8.count(), 1);

    // Hiding and showing again at run time: one trigger per press while enabled, and the
    // item goes back to its place in the menu.
    const QString name = QStringLiteral("OdczytajParametryCTRLO1");
    QAction* read = item("OdczytajParametryCTRLO1");
    QMenu* file = window->findChild<QMenu*>(QStringLiteral("Plik1"));
    ASSERT_NE(file, nullptr);
    const QList<QAction*> designed = file->actions();
    QSignalSpy ctrlO(read, &QAction::triggered);
    window->ShowMenuItem(name, false);
    EXPECT_FALSE(file->actions().contains(read));
    press("Ctrl+O");
    window->ShowMenuItem(name, true);
    EXPECT_EQ(file->actions(), designed);
    press("Ctrl+O");
    read->setEnabled(false);
    window->ShowMenuItem(name, false);
    press("Ctrl+O");
    EXPECT_EQ(ctrlO.count(), 2);
}

TEST_F(MainWindowTest, FirstActivationAsksOnceWhetherToConnect)
{
    const struct {
        std::optional<bool> preset;
        std::deque<bool> answers;
        bool asked;
        int autodetect;
    } cases[] = {
        {std::nullopt, {true}, true, 1},
        {std::nullopt, {false}, true, 0},
        {true, {}, false, 1},
        {false, {}, false, 0},
    };
    for (const auto& c : cases) {
        prompter.questions.clear();
        prompter.answers = c.answers;
        Create(answering(c.preset));
        QSignalSpy autodetect(item("AutodetekcjaCTRLD1"), &QAction::triggered);
        Show();
        EXPECT_TRUE(window->ActivatedOnce());
        EXPECT_EQ(autodetect.count(), c.autodetect);
        ASSERT_EQ(prompter.questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(prompter.questions[0].caption, QStringLiteral("Autodetekcja"));
            EXPECT_EQ(prompter.questions[0].text,
                      QString::fromUtf8("Zantrel - Połącz Automatycznie (Autodetekcja portu + łączenie) 'CTRL + D'"));
        }

        QEvent again(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window.get(), &again);
        QCoreApplication::processEvents();
        EXPECT_EQ(prompter.questions.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(autodetect.count(), c.autodetect);
        window.reset();
    }
}

TEST_F(MainWindowTest, ShutdownOffersToSaveAndClosesThePort)
{
    for (const bool save : {true, false}) {
        Start();
        ASSERT_TRUE(link.OpenPort());
        window->TimerWdepniecieLPG.start();
        window->TimerVizualizacjaDEMO.start();
        window->SetAdaptationRunning(true);
        QSignalSpy saved(item("ZapiszParametryCTRLS1"), &QAction::triggered);
        QSignalSpy done(window.get(), &TForm1::ShutdownComplete);
        prompter.questions.clear();
        prompter.answers = {save};

        EXPECT_TRUE(window->close());

        ASSERT_EQ(prompter.questions.size(), 1u);
        EXPECT_EQ(prompter.questions[0].caption, QString::fromUtf8("Zapis Parametrów"));
        EXPECT_EQ(prompter.questions[0].text, QStringLiteral("Czy zachować parametry w pliku??"));
        EXPECT_EQ(saved.count(), save ? 1 : 0);
        EXPECT_FALSE(link.PortOpen());
        EXPECT_FALSE(io.isOpen());
        EXPECT_FALSE(window->TimerWdepniecieLPG.isActive());
        EXPECT_FALSE(window->TimerVizualizacjaDEMO.isActive());
        EXPECT_FALSE(window->AdaptationRunning());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(done.count(), 1);
        window.reset();
    }
}

TEST_F(MainWindowTest, AnAnswerGivenInAdvanceClosesWithoutAQuestion)
{
    Start();
    QSignalSpy saved(item("ZapiszParametryCTRLS1"), &QAction::triggered);
    window->AnswerShutdownQuestion(false);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.questions.empty());
    EXPECT_EQ(saved.count(), 0);
}

TEST_F(MainWindowTest, CommandLineChoicesReachTheWindowAndTheLink)
{
    CommandLineOptions options = answering(false);
    options.port = QStringLiteral("/tmp/ttyECU");
    options.settingsFile = workDir.filePath("zantrel.ini");
    Create(options);
    EXPECT_EQ(link.LastPortName(), QStringLiteral("/tmp/ttyECU"));
    EXPECT_EQ(window->Settings().location(), workDir.filePath("zantrel.ini"));
    EXPECT_EQ(item("COM8CTRL81")->text(), QStringLiteral("/tmp/ttyECU"));

    Create(answering(false));
    EXPECT_EQ(link.LastPortName(), QStringLiteral("/tmp/ttyECU")) << "no --port leaves the name alone";
}

TEST_F(MainWindowTest, HelpIsLookedForAmongTheShippedFiles)
{
    Start();
    EXPECT_EQ(window->ShippedDirectory(), window->WorkingDirectory()) << "the start directory unless told otherwise";

    QTemporaryDir installed;
    window->SetShippedDirectory(installed.path());
    prompter.notices.clear();
    item("Help1")->trigger();
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, texts[Text::HelpMissing].arg(QDir(installed.path()).filePath("help.txt")));
    EXPECT_EQ(QDir::currentPath(), window->WorkingDirectory()) << "the user's files stay where they were";
}
