#include "config/ParameterTransferUi.h"
#include "live/LiveConversions.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "live/LiveView.h"
#include "maps/CurveTab.h"
#include "maps/MapCellGrid.h"
#include "maps/MapGridTab.h"
#include "maps/MapKindChooserWindow.h"
#include "maps/MapPointPresetsWindow.h"
#include "maps/MapValueModifierWindow.h"
#include "maps/MapsUi.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace zantrel;

namespace {

// The main window on the simulated controller, its jobs run on the simulator's clock
// inside the call that starts them, after a read of all words and maps.
class MapTabTest : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Create(test::answering(false), &rig.link, &simTimer);
        window->TimerVizualizacja.stop();
        Show();
        rig.link.SetConnected(true);
        window->Transfer().ButtonOdczytajParam->click();
        window->SelectTab(TabId::TabSheet6);
        rig.clock.setRecording(true);
        grid()->setFocus();
    }

    MapCellGrid* grid() const { return window->findChild<MapCellGrid*>(QStringLiteral("StringGridMapa")); }
    QString cellText(int row, int column) const { return grid()->item(row, column)->text(); }
    quint8 simCell(int row, int column) const { return rig.model.tables().cell(row, column); }
    QString decimal(const char* text) const
    {
        return QString::fromLatin1(text).replace(QLatin1Char('.'), window->EntrySeparators().decimal);
    }

    void select(int top, int left, int bottom, int right)
    {
        grid()->clearSelection();
        grid()->setRangeSelected(QTableWidgetSelectionRange(top, left, bottom, right), true);
    }

    void click(const char* button)
    {
        auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    // Answers the next modal dialog: `answer` runs once it is shown.
    void whenShown(QDialog* dialog, std::function<void()> answer)
    {
        QTimer::singleShot(0, dialog, [dialog, answer] {
            ASSERT_TRUE(dialog->isVisible());
            answer();
        });
    }

    void valueDialogAnswers(const QString& text, bool ok = true)
    {
        whenShown(window->Form7, [this, text, ok] {
            window->Form7->Edit1->setText(text);
            (ok ? window->Form7->BitBtnOK : window->Form7->BitBtnAnuluj)->click();
        });
    }

    sim::test::SimRig rig;
    PauseStepTimer simTimer{rig.clock};
};

TEST_F(MapTabTest, TheReadFillsTheGridAndItsHeadersFromTheController)
{
    EXPECT_EQ(grid()->horizontalHeaderItem(6)->text(), "+6000");
    EXPECT_EQ(grid()->verticalHeaderItem(0)->text(), decimal("1.5"));
    EXPECT_EQ(cellText(11, 6), "+15");
    EXPECT_EQ(grid()->item(0, 0)->foreground().color(), QColor(Qt::black)) << "read, so not grey";
    EXPECT_EQ(grid()->item(0, 0)->background().color(), QColor(255, 210, 210));
}

TEST_F(MapTabTest, AStepButtonWritesTheSelectionAndTheGridShowsIt)
{
    select(0, 0, 1, 1);
    click("ButtonPlus5");
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(simCell(r, c), 120);
            EXPECT_EQ(cellText(r, c), "+20");
        }
    EXPECT_EQ(simCell(2, 0), 115);
    EXPECT_EQ(rig.clock.frames().size(), 4u * 3u);
    EXPECT_TRUE(grid()->isEnabled());
}

TEST_F(MapTabTest, EnterSetsTheSelectionToTheDialogsValueHeldToItsLimits)
{
    select(3, 3, 4, 4);
    valueDialogAnswers(QStringLiteral("-99"));
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(window->Form7->Edit1->maxLength(), 4);
    EXPECT_EQ(simCell(4, 4), 50);
    EXPECT_EQ(cellText(3, 3), "-50");
    EXPECT_TRUE(grid()->isEnabled());
    EXPECT_EQ(window->focusWidget(), grid());

    // Cancel, and a text that is no number, send nothing and leave the grid as it is.
    rig.clock.clearEvents();
    valueDialogAnswers(QStringLiteral("7"), false);
    QTest::keyClick(grid(), Qt::Key_Return);
    valueDialogAnswers(QStringLiteral("-"));
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_TRUE(rig.clock.frames().isEmpty());
    EXPECT_EQ(cellText(3, 3), "-50");
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, "\"-\" nie jest liczbą całkowitą. Mapa nie została zmieniona.");
    EXPECT_TRUE(grid()->isEnabled());
}

TEST_F(MapTabTest, CopyPasteAndUndoWorkOnTheGridWithTheKeyboard)
{
    select(0, 0, 0, 0);
    valueDialogAnswers(QStringLiteral("30"));
    QTest::keyClick(grid(), Qt::Key_Return);
    select(0, 0, 1, 1);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "+30\t+15\n+15\t+15\n");

    select(10, 5, 10, 5);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(simCell(10, 5), 130);
    EXPECT_EQ(cellText(11, 6), "+15");
    EXPECT_EQ(cellText(10, 5), "+30");

    QTest::keyClick(grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(simCell(10, 5), 115);
    EXPECT_EQ(cellText(10, 5), "+15");
    QTest::keyClick(grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(simCell(10, 5), 130);

    QApplication::clipboard()->setText(QStringLiteral("kolumna\t5\n"));
    rig.clock.clearEvents();
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(rig.clock.frames().isEmpty());
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_TRUE(prompter.notices[0].text.contains("\"kolumna\" (wiersz 1, kolumna 1)"));
}

TEST_F(MapTabTest, ThePointDialogsPresetIsWrittenAndShownInTheHeaders)
{
    whenShown(window->Form8, [this] {
        EXPECT_EQ(window->Form8->Edits[18]->text(), "+6000") << "filled from the grid";
        window->Form8->PresetButtons[2]->click();
        EXPECT_EQ(window->Form8->Edits[18]->text(), "+9000");
        EXPECT_EQ(window->Form8->Edits[0]->text(), decimal("1.5"));
        EXPECT_EQ(window->Form8->Edits[10]->text(), "20");
        window->Form8->BitBtnMapModZapis->click();
    });
    click("ButtonEditPoints");
    EXPECT_EQ(grid()->horizontalHeaderItem(6)->text(), "+9000");
    EXPECT_EQ(rig.model.tables().point(5), RpmToPeriod(9000, 2));
    EXPECT_EQ(rig.model.tables().point(16), MsToTicks(20.0f, false));
}

TEST_F(MapTabTest, TheLiveCellFollowsTheRecordsAfterTheLiveView)
{
    LiveRecord& record = window->Live().Record();
    record[live::kSpeedPeriod] = quint16(RpmToPeriod(2500, 2));
    record[0] = quint16(MsToTicks(7.0f, false));
    emit window->Live().Poll().RecordAccepted();
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid()->IsLive(5, 2));
    record[live::kSpeedPeriod] = quint16(RpmToPeriod(7000, 2));
    emit window->Live().Poll().RecordAccepted();
    QCoreApplication::processEvents();
    EXPECT_FALSE(grid()->IsLive(5, 2));
    EXPECT_TRUE(grid()->IsLive(5, 6));
}

// Hidden in this edition: the service view shows the way to the curve editor, whose
// graph takes a click above its scale as the curve's limit.
TEST_F(MapTabTest, TheServiceViewLeadsToTheCurveEditor)
{
    EXPECT_FALSE(item("MapaInj1")->isEnabled());
    auto* chooser = window->findChild<QPushButton*>(QStringLiteral("MapyButton"));
    EXPECT_TRUE(chooser->isHidden());
    window->findChild<MapsUi*>()->ShowServiceView(true);
    EXPECT_TRUE(item("MapaInj1")->isEnabled());
    EXPECT_FALSE(chooser->isHidden());

    item("MapaInj1")->trigger();
    ASSERT_EQ(window->CurrentTab(), TabId::TabSheet7);
    CurveTab* curve = window->findChild<CurveTab*>();
    EXPECT_EQ(curve->Edits[11]->text(), decimal("+18.0"));
    QTest::mouseClick(curve->Image1, Qt::LeftButton, {}, QPoint(2, 1));
    EXPECT_EQ(rig.model.tables().curvePoint(0), 150) << "the limit without turbo, +50 %";
    EXPECT_EQ(curve->StringPasek->item(0, 0)->text(), "50");
    QTest::mouseClick(curve->Image1, Qt::LeftButton, {}, QPoint(curve->Image1->width() - 3, curve->Image1->height() - 1));
    EXPECT_EQ(rig.model.tables().curvePoint(11), 75) << "-25 %";

    click("ButtonEXITMap1");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet1);
    EXPECT_FALSE(window->MainPage->isTabVisible(window->MainPage->indexOf(window->Tab(TabId::TabSheet7))));
}

} // namespace
