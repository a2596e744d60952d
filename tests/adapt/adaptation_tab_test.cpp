#include "adapt/AdaptComputations.h"
#include "adapt/AdaptationTab.h"
#include "config/ParameterTransferUi.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "maps/MapBands.h"
#include "maps/MapCellGrid.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <array>
#include <vector>

using namespace zantrel;

namespace {

constexpr int kRunWords[] = {1, 3, 18, 22, 24, 45};

// What the controller holds of everything a run writes.
struct ControllerState {
    std::vector<quint16> words;
    std::array<quint8, kMapCells> cells{};
    std::array<quint8, kCurvePoints> curve{};
    friend bool operator==(const ControllerState&, const ControllerState&) = default;
};

// The main window on the simulator's driver, its jobs and its run on the simulator's clock.
class AdaptationTabTest : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Create(test::answering(false), &rig.link, &simTimer);
        window->TimerVizualizacja.stop();
        Show();
        rig.link.SetConnected(true);
        window->Transfer().ButtonOdczytajParam->click();
        window->SelectTab(TabId::TabSheet5);
        tab = window->findChild<AdaptationTab*>();
        ASSERT_NE(tab, nullptr);
    }

    ControllerState controller() const
    {
        ControllerState s;
        for (int w : kRunWords)
            s.words.push_back(rig.model.parameter(w));
        for (int r = 0; r < kMapRows; ++r)
            for (int c = 0; c < kMapColumns; ++c)
                s.cells[size_t(LoadRpmMap::Index(r, c))] = rig.model.tables().cell(r, c);
        for (int k = 0; k < kCurvePoints; ++k)
            s.curve[size_t(k)] = rig.model.tables().curvePoint(k);
        return s;
    }

    // The step timers' ticks, each its interval after the last, as long as a step runs.
    void tickSteps(int limit)
    {
        AdaptationRun& run = tab->Run();
        for (int i = 0; i < limit && run.Step() != AdaptStep::Idle; ++i) {
            const AdaptStep step = run.Step();
            rig.clock.advanceUs(qint64(StepTimerOf(step)->intervalMs) * 1000);
            run.Tick(step);
        }
    }

    QString field(const char* name) const
    {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    sim::test::SimRig rig{sim::test::Controller([](auto& o) { o.scenario = sim::Scenario::Adapt; })};
    PauseStepTimer simTimer{rig.clock};
    AdaptationTab* tab = nullptr;
};

TEST_F(AdaptationTabTest, AWholeRunOnTheDriverWritesTheCorrectionsAndCofnijTakesThemBack)
{
    const ControllerState before = controller();
    ASSERT_EQ(rig.model.tables().cell(3, 1), 115);
    EXPECT_TRUE(tab->MemoAutoadaptacja->toPlainText().startsWith("Włącz odbiorniki"));
    tab->ButtonRozpocznijAuto->click();
    EXPECT_EQ(tab->ButtonRozpocznijAuto->text(), "PRZERWIJ");
    EXPECT_TRUE(window->AdaptationRunning());
    EXPECT_FALSE(window->TimerVizualizacja.isActive());

    tickSteps(20000);
    ASSERT_FALSE(tab->Run().Running()) << int(tab->Run().Step());
    EXPECT_EQ(tab->MemoAutoadaptacja->toPlainText(), "Autoadaptacja została zakończona");
    EXPECT_EQ(tab->ButtonRozpocznijAuto->text(), "START");
    EXPECT_FALSE(window->AdaptationRunning());
    EXPECT_TRUE(window->TimerVizualizacja.isActive());
    EXPECT_EQ(tab->ProgressAd->value(), 0);

    // The driver's gas load is 1.15 times its petrol load: 115 x 1.15 = 132.
    const AdaptationRun& run = tab->Run();
    ASSERT_EQ(run.Correction(), 132);
    EXPECT_EQ(field("EditAutoadapKorekta"), "+32");
    const ParameterTable& table = image.Parameters();
    const ControllerState after = controller();
    EXPECT_EQ(after.words[0], 132);
    // The idle correction and the pressures as their fields show them, held by their writers.
    const QChar sep = window->EntrySeparators().decimal;
    const auto parsed = [sep](const QString& text) {
        return text.left(text.indexOf(u' ')).replace(sep, u'.').toDouble();
    };
    const double difference = parsed(field("EditRoznicaWolne"));
    EXPECT_NEAR(difference, run.GasSteady() - run.PetrolSteady(), 0.005);
    EXPECT_GT(difference, 0.5) << "gas times are longer than petrol times";
    EXPECT_EQ(after.words[1], quint16(*RawFromUser(table, 3, std::trunc(difference * 100 + 0.5) / 100)));
    const PressureSettings pressures = AdaptPressureSettings(run.PressureMax(), run.PressureMin());
    EXPECT_EQ(after.words[2], quint16(*RawFromUser(table, 18, std::round(pressures.cutoffBar * 100) / 100)));
    EXPECT_EQ(after.words[4], quint16(*RawFromUser(table, 24, std::round(pressures.beepBar * 100) / 100)));
    EXPECT_EQ((after.words[3] >> 15) & 1, pressures.vacuumItem);
    EXPECT_EQ(after.words[5], before.words[5]) << "the petrol injection type as its control shows it";
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            EXPECT_EQ(after.cells[size_t(LoadRpmMap::Index(r, c))], AdaptCellByte(32, r, c)) << r << "," << c;
    EXPECT_EQ(after.cells[size_t(LoadRpmMap::Index(3, 1))], 132);
    EXPECT_EQ(after.cells[size_t(LoadRpmMap::Index(0, 2))], 128);
    for (int k = 0; k < kCurvePoints; ++k)
        EXPECT_EQ(after.curve[size_t(k)], AdaptCurvePercent(32, k, CurveMax(table)) + 100) << k;
    // The program's image says the same as the controller.
    EXPECT_EQ(image.Maps().map.Cell(3, 1), 132);
    EXPECT_EQ(table.word(1), 132);

    ASSERT_TRUE(tab->ButtonCofnijAutoadaptacje->isEnabled());
    tab->ButtonCofnijAutoadaptacje->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(controller(), before);
    EXPECT_EQ(image.Maps().map.Cell(3, 1), 115);
    EXPECT_EQ(table.word(1), before.words[0]);
    EXPECT_FALSE(tab->ButtonCofnijAutoadaptacje->isEnabled());
}

TEST_F(AdaptationTabTest, CtrlZOnTheMapGridTakesTheRunBack)
{
    const ControllerState before = controller();
    tab->ButtonRozpocznijAuto->click();
    tickSteps(20000);
    ASSERT_EQ(tab->MemoAutoadaptacja->toPlainText(), "Autoadaptacja została zakończona");
    ASSERT_NE(controller(), before);
    window->SelectTab(TabId::TabSheet6);
    auto* grid = window->findChild<MapCellGrid*>(QStringLiteral("StringGridMapa"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(3, 1)->text(), "+32") << "the map tab shows the adapted map";
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(controller(), before);
    EXPECT_EQ(grid->item(3, 1)->text(), "+15");
}

TEST_F(AdaptationTabTest, LeavingTheTabAsksAndYesStopsTheRun)
{
    tab->ButtonRozpocznijAuto->click();
    tickSteps(5);
    ASSERT_TRUE(tab->Run().Running());
    prompter.answers = {false};
    clickTab(TabId::TabSheet1);
    ASSERT_EQ(prompter.questions.size(), 1u);
    EXPECT_EQ(prompter.questions[0].text, "Wyjść z autoadaptacji ?");
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet5);
    EXPECT_TRUE(tab->Run().Running());

    prompter.answers = {true};
    clickTab(TabId::TabSheet1);
    EXPECT_EQ(window->CurrentTab(), TabId::TabSheet1);
    EXPECT_FALSE(tab->Run().Running());
    EXPECT_EQ(tab->ButtonRozpocznijAuto->text(), "START");
    EXPECT_TRUE(window->TimerVizualizacja.isActive());
    EXPECT_FALSE(window->TimerAutoTemp.isActive());
    EXPECT_FALSE(window->TimerNaBenz1.isActive());
}

} // namespace
