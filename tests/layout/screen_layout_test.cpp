#include "app/LanguageTable.h"
#include "app/SettingsFiles.h"
#include "base/LanguageStrings.h"
#include "app/MainWindow.h"
#include "config/InjectorNoiseWindow.h"
#include "config/InjectorSettingsWindow.h"
#include "config/TurboPressureWindow.h"
#include "layout/ScreenLayout.h"
#include "layout/ScreenLayouts.h"
#include "link/ConnectingWindow.h"
#include "config/ParameterTransferUi.h"
#include "image/ParameterTable.h"
#include "link/PortChooserWindow.h"
#include "live/LambdaScale.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/StatusPanel.h"
#include "maps/MapKindChooserWindow.h"
#include "maps/MapPointPresetsWindow.h"
#include "maps/MapValueModifierWindow.h"
#include "service/CarDataWindow.h"
#include "service/IdleCorrectionWindow.h"
#include "service/ReserveGaugeWindow.h"
#include "widgets/RoundGauge.h"

#include "LayoutFaults.h"
#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"

#include <QDirIterator>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace zantrel;

namespace {

struct LayoutItem {
    const char* menuItem;
    Resolution resolution;
};

const LayoutItem kLayoutItems[] = {
    {"N640x4801", Resolution::R800x600},
    {"N1024x7681", Resolution::R1024x768},
    {"N1280x10241", Resolution::R1280x1024},
};

// The shipped language files, where the window reads them: its start directory.
void copyLanguageFiles(const QString& to)
{
    const QDir from(QStringLiteral(ZANTREL_LANG_DIR));
    ASSERT_EQ(from.entryList(QDir::Files).size(), qsizetype(Languages().size())) << qPrintable(from.path());
    QDir(to).mkpath(QStringLiteral("lang"));
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(to).filePath(QStringLiteral("lang/") + name));
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

class ScreenLayoutTest : public test::MainWindowFixture, public ::testing::WithParamInterface<LayoutItem> {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        copyLanguageFiles(workDir.path());
        // On the simulated controller, read as a fitter's first click reads it, so that
        // every control a read fills or shows is there.
        Create(test::serviceOptions(), &rig.link, &simTimer);
        Show();
        rig.link.SetConnected(true);
        window->AnswerShutdownQuestion(false);
        choose(GetParam());
        window->Transfer().ButtonOdczytajParam->click();
        settle();
        ASSERT_EQ(image.Parameters().KnownCount(), ParameterTable::kWords);
        // The curve editor's tab, which its menu item shows in the service view.
        item("MapaInj1")->trigger();
        showWhatAReadShows();
        settle();
    }

    // On a screen of the layout's size the window is maximised to just that size; the
    // test's screen is another size, so the window takes the layout's own.
    void choose(const LayoutItem& layout)
    {
        QAction* chosen = item(layout.menuItem);
        chosen->setEnabled(true);
        chosen->trigger();
        window->setWindowState(Qt::WindowNoState);
        window->resize(ScreenLayoutOf(layout.resolution).screen);
        settle();
    }

    // What a controller with both lambda probes shows, and the low-speed tab with its
    // caption.
    void showWhatAReadShows()
    {
        const LambdaScale probe{true, 0.0, 1.0, true};
        for (int p = 0; p < kLambdaProbes; ++p) {
            window->Live().Panel().ShowLambdaProbe(p, probe, texts);
            window->Live().Readings().ShowLambdaProbe(p, probe, texts);
        }
        QTabWidget& pages = *window->MainPage;
        const int lowRpm = pages.indexOf(window->Tab(TabId::TabSheet11));
        pages.setTabVisible(lowRpm, true);
        if (pages.tabText(lowRpm).isEmpty())
            pages.setTabText(lowRpm, QStringLiteral("Mazda/Jalowy"));
    }

    sim::test::SimRig rig;
    PauseStepTimer simTimer{rig.clock};

    std::vector<QWidget*> dialogs() const
    {
        TForm1& w = *window;
        return {w.Form5, w.Form6, w.Form7, w.Form8, w.Form9, w.Form10, w.Form11, w.Form12, w.Form13, w.Form14, w.Form15};
    }

    // Every tab the window shows and every dialog, each checked as it is shown.
    QStringList faultsOnEveryScreen(const QString& language)
    {
        const QSize screen = ScreenLayoutOf(GetParam().resolution).screen;
        QStringList faults;
        const auto check = [&](QWidget& shownWindow, const QString& where) {
            const QSize least = shownWindow.minimumSizeHint().expandedTo(shownWindow.minimumSize());
            if (shownWindow.width() > screen.width() || shownWindow.height() > screen.height()
                || least.width() > screen.width() || least.height() > screen.height())
                faults << QStringLiteral("%1: %2 is %3x%4 and needs %5x%6, more than the screen")
                              .arg(where, shownWindow.objectName())
                              .arg(shownWindow.width())
                              .arg(shownWindow.height())
                              .arg(least.width())
                              .arg(least.height());
            for (const QString& fault : test::LayoutFaults(shownWindow))
                faults << where + QStringLiteral(": ") + fault;
        };
        QTabWidget& pages = *window->MainPage;
        for (int i = 0; i < pages.count(); ++i) {
            if (!pages.isTabVisible(i))
                continue;
            pages.setCurrentIndex(i);
            settle();
            check(*window, language + QStringLiteral(" ") + pages.widget(i)->objectName());
        }
        for (QWidget* dialog : dialogs()) {
            dialog->show();
            settle();
            check(*dialog, language + QStringLiteral(" ") + dialog->objectName());
            dialog->hide();
        }
        return faults;
    }
};

// In every language, every tab and dialog keeps its controls inside, apart and with their
// texts whole, and the window fits the screen of its layout.
TEST_P(ScreenLayoutTest, EveryTabAndDialogFitsInEveryLanguage)
{
    QStringList faults;
    for (const LanguageRow& language : Languages()) {
        item(language.menuItem)->trigger();
        settle();
        faults << faultsOnEveryScreen(QString::fromLatin1(language.menuItem));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << qPrintable(faults.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ScreenLayoutTest, ::testing::ValuesIn(kLayoutItems),
                         [](const ::testing::TestParamInfo<LayoutItem>& info) {
                             return std::string(info.param.menuItem);
                         });

using StartUpTest = test::MainWindowFixture;

// Started on the stored 800x600 layout in German, the window is the screen's size once shown:
// it grows while its tabs are first laid out in the longer captions, and must come back.
// (The test's screen is 800 wide, where the window would be maximised to it; a window
// manager may well not do so.)
TEST_F(StartUpTest, TheShownWindowKeepsItsLayoutsScreen)
{
    copyLanguageFiles(workDir.path());
    ASSERT_TRUE(SaveResolution(workDir.path(), Resolution::R800x600));
    ASSERT_TRUE(SaveLanguageCode(workDir.path(), 4));
    Create();
    window->setWindowState(Qt::WindowNoState);
    Show();
    settle();
    ASSERT_TRUE(item("Niemiecki1")->isChecked());
    EXPECT_EQ(window->size(), ScreenLayoutOf(Resolution::R800x600).screen);
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(least.width(), 800);
    EXPECT_LE(least.height(), 600);
}

// A language whose caption cannot fit widens the window; the next language change brings the
// window back to its layout's screen.
TEST_F(StartUpTest, ALanguageChangeBringsAWidenedWindowBack)
{
    copyLanguageFiles(workDir.path());
    QFile tooLong(workDir.filePath(QStringLiteral("lang/angielski.txt")));
    ASSERT_TRUE(tooLong.open(QIODevice::WriteOnly | QIODevice::Truncate));
    tooLong.write("10353 " + QByteArray(200, 'W') + "\n");
    tooLong.close();
    ASSERT_TRUE(SaveResolution(workDir.path(), Resolution::R800x600));
    Create();
    window->setWindowState(Qt::WindowNoState);
    Show();
    window->SelectTab(TabId::TabSheet4);
    item("Angielski1")->trigger();
    settle();
    ASSERT_GT(window->width(), 800);
    item("Polski1")->trigger();
    settle();
    EXPECT_EQ(window->size(), ScreenLayoutOf(Resolution::R800x600).screen);
}

// From the largest layout to the smallest, the window takes the smaller screen at once,
// though what it held asked for more.
TEST_F(StartUpTest, ASmallerLayoutShrinksTheWindow)
{
    Create();
    window->setWindowState(Qt::WindowNoState);
    Show();
    for (const char* name : {"N1280x10241", "N640x4801"}) {
        item(name)->setEnabled(true);
        item(name)->trigger();
        window->setWindowState(Qt::WindowNoState);
    }
    EXPECT_EQ(window->size(), ScreenLayoutOf(Resolution::R800x600).screen);
    settle();
    EXPECT_EQ(window->size(), ScreenLayoutOf(Resolution::R800x600).screen);
}

using InstrumentsTest = test::MainWindowFixture;

// The larger layouts give their room to the instruments: the meters grow with the screen,
// and at the design's screen the oscilloscope tab has at least its design size.
TEST_F(InstrumentsTest, GrowWithTheScreen)
{
    Start();
    std::vector<int> meterSides;
    for (const LayoutItem& layout : kLayoutItems) {
        QAction* chosen = item(layout.menuItem);
        chosen->setEnabled(true);
        chosen->trigger();
        window->SelectTab(TabId::TabSheet1);
        settle();
        const auto* meter = window->findChild<RoundGauge*>(QStringLiteral("Ab270MeterRPM"));
        ASSERT_NE(meter, nullptr);
        meterSides.push_back(std::min(meter->width(), meter->height()));
        if (layout.resolution == Resolution::R1024x768) {
            window->SelectTab(TabId::TabSheet2);
            settle();
            const QSize page = window->Tab(TabId::TabSheet2)->size();
            const QSize reference = window->Layout().ReferenceSize();
            EXPECT_GE(page.width(), reference.width());
            EXPECT_GE(page.height(), reference.height());
        }
    }
    EXPECT_LT(meterSides[0], meterSides[1]);
    EXPECT_LT(meterSides[1], meterSides[2]);
}

} // namespace
