#include "live/AdaptationSpeedMeter.h"
#include "live/DiagnosticTimes.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/StatusPanel.h"
#include "widgets/BarGauge.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"
#include "widgets/RoundGauge.h"
#include "widgets/TankPicture.h"
#include "widgets/Thermometer.h"

#include "support/MainWindowFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zantrel::test {
namespace {

// Long enough for a layout change to travel up through the nested layouts.
constexpr int kLayoutSettleMs = 30;

// The main window on a scripted controller that answers "V" with the words a test sets.
// The 25 ms timer is stopped: the test ticks the poll itself, takes the reply polls on
// the virtual clock, and lets the event loop run the queued live view.
class LiveViewTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start();
        window->TimerVizualizacja.stop();
        ASSERT_TRUE(link.OpenPort());
        link.SetConnected(true);
        io.onWrite = [this](const QByteArray& frame) {
            if (frame.at(0) == 'V') {
                const auto reply = EncodeLiveReply(words);
                io.deliver(QByteArray(reinterpret_cast<const char*>(reply.data()), int(reply.size())), 1000);
            }
        };
    }

    void show(std::initializer_list<std::pair<int, quint16>> set)
    {
        words = {};
        for (const auto& [index, value] : set)
            words[size_t(index)] = value;
        LivePoll& poll = live().Poll();
        poll.Tick();
        while (poll.Stepping()) {
            clock.advanceUs(2000);
            poll.Step();
        }
        QCoreApplication::processEvents();
    }

    LiveView& live() { return window->Live(); }
    StatusPanel& panel() { return live().Panel(); }
    ReadingsTab& readings() { return live().Readings(); }
    QString sep() const { return window->EntrySeparators().decimal; }

    LiveWords words{};
};

TEST_F(LiveViewTest, ARecordOnGasReachesEveryDisplay)
{
    parameters.StoreReceived(21, 2);
    parameters[8] = 2000;
    show({{16, 1}, {13, 4608}, {18, 1000}, {0, 100}, {6, 120}, {1, 288}, {11, 576}, {14, 80}, {15, 0xFFF6},
          {17, 2000}});

    EXPECT_EQ(panel().EditStatus->text(), "LPG");
    EXPECT_EQ(panel().BG_Brisca->onCaption(), "Gaz");
    EXPECT_EQ(panel().ButtonLPG->faceFrom(), QColor(0, 128, 0));
    EXPECT_EQ(panel().ButtonBenzyna->faceFrom(), panel().palette().color(QPalette::Button));
    EXPECT_EQ(panel().EditRPM->text(), "1500rpm");
    EXPECT_EQ(panel().EditCisnienie->text(), "1" + sep() + "06Bar");
    EXPECT_EQ(panel().EditKorekta->text(), "+20" + sep() + "0%");
    EXPECT_EQ(panel().EditInjBenz->text(), "0" + sep() + "43ms");
    EXPECT_EQ(panel().EditInjLpg->text(), "0" + sep() + "52ms");
    EXPECT_EQ(panel().EditTR->text(), "80°C");
    EXPECT_EQ(panel().EditTG->text(), "-10°C");

    EXPECT_DOUBLE_EQ(readings().Ab270MeterRPM->value(), 1.5);
    EXPECT_EQ(readings().EditAb270MeterRPM->text(), "1500");
    EXPECT_NEAR(readings().ManometrPsys->value(), 1.0589, 1e-4);
    EXPECT_EQ(readings().EditManometrPsys->text(), "1" + sep() + "06");
    EXPECT_EQ(readings().EditB[1]->text(), "1" + sep() + "25ms");
    EXPECT_EQ(readings().EditG[5]->text(), "2" + sep() + "50ms");
    EXPECT_EQ(readings().VBarG[5]->value(), 576);
    EXPECT_EQ(readings().VBarG[5]->maximum(), 2000);
    EXPECT_EQ(readings().EditG1Max->text(), "0" + sep() + "43ms");
    EXPECT_EQ(readings().EditOdczytyTempLPG->text(), "-10°C");
    EXPECT_EQ(readings().AbThermometerRed->value(), 80.0);
    EXPECT_EQ(readings().AbThermometerLPG->value(), -10.0);
    EXPECT_EQ(readings().ImageClips->picture(), 1);
    EXPECT_EQ(readings().EditPoziomLPG->text(), "2" + sep() + "44 V");

    EXPECT_EQ(live().Diagnostics().EditB_Diag[1]->text(), readings().EditB[1]->text());
    EXPECT_EQ(live().Diagnostics().EditG_Diag[5]->text(), readings().EditG[5]->text());
    EXPECT_DOUBLE_EQ(live().AdaptationMeter().ObrotomierzAd->value(), 1.5);
    EXPECT_EQ(live().AdaptationMeter().EditObrotomierzAd->text(), "1500");
}

TEST_F(LiveViewTest, OnPetrolTheGasFieldsAndBarsReadZero)
{
    show({{16, 0}, {0, 300}, {6, 360}, {9, 400}, {26, 500}});
    EXPECT_EQ(panel().EditStatus->text(), "BENZYNA");
    EXPECT_EQ(panel().BG_Brisca->onCaption(), "Benzyna");
    EXPECT_EQ(panel().ButtonBenzyna->faceFrom(), QColor(255, 0, 0));
    EXPECT_EQ(panel().EditInjLpg->text(), "0,00ms");
    EXPECT_EQ(panel().EditKorekta->text(), "00,0%");
    for (int c = 0; c < live::kCylinders; ++c) {
        EXPECT_EQ(readings().EditG[size_t(c)]->text(), "0,00ms") << c;
        EXPECT_EQ(live().Diagnostics().EditG_Diag[size_t(c)]->text(), "0,00ms") << c;
        EXPECT_EQ(readings().VBarG[size_t(c)]->value(), 0) << c;
    }
    EXPECT_EQ(readings().ImageClips->picture(), 0);
}

TEST_F(LiveViewTest, OnGasWithoutPetrolTimeTheCorrectionKeepsItsPoint)
{
    show({{16, 1}, {0, 0}, {6, 200}});
    EXPECT_EQ(panel().EditKorekta->text(), "00.0%");
}

// Current error 1 alone (low pressure, empty tank) leaves the lamp as it is.
TEST_F(LiveViewTest, TheErrorLampFollowsTheErrorWords)
{
    Led& lamp = *panel().AbLEDError;
    show({{22, 0x0001}});
    EXPECT_FALSE(lamp.isOn());
    EXPECT_EQ(lamp.caption(), "Sprawny");
    show({{22, 0x0002}});
    EXPECT_TRUE(lamp.isOn());
    EXPECT_TRUE(lamp.isFlashing());
    EXPECT_EQ(lamp.caption(), "Błąd");
    show({{22, 0x0001}});
    EXPECT_TRUE(lamp.isOn());
    EXPECT_TRUE(lamp.isFlashing());
    show({});
    EXPECT_FALSE(lamp.isOn());
    EXPECT_FALSE(lamp.isFlashing());
    EXPECT_EQ(lamp.caption(), "Sprawny");
    show({{27, 0x0001}});
    EXPECT_TRUE(lamp.isFlashing());
}

TEST_F(LiveViewTest, ALambdaProbeThatIsNotConnectedIsHiddenAndNotUpdated)
{
    parameters[55] = 0;
    parameters[56] = 1;
    show({{20, 614}, {19, 409}});
    EXPECT_TRUE(readings().GroupLambda[0]->isHidden());
    EXPECT_TRUE(panel().AbVBarPanelSonda[0]->isHidden());
    EXPECT_TRUE(panel().LabelL[0]->isHidden());
    EXPECT_EQ(readings().EditSonda[0]->text(), "Brak");
    EXPECT_EQ(readings().LambdaBar[0]->value(), 0.0);

    EXPECT_FALSE(readings().GroupLambda[1]->isHidden());
    EXPECT_EQ(readings().EditSonda[1]->text(), "0" + sep() + "50V");
    EXPECT_EQ(panel().EditAbVBarSonda[1]->text(), "0" + sep() + "50V");
    EXPECT_DOUBLE_EQ(panel().AbVBarPanelSonda[1]->maximum(), 1.1);

    // The probe type changes with the parameters: the bar takes its new range.
    parameters[56] = 6;
    show({{19, 409}});
    EXPECT_DOUBLE_EQ(readings().LambdaBar[1]->maximum(), 5.0);
    EXPECT_EQ(readings().LambdaBar[1]->sectors().front().colour, QColor(214, 40, 40));
}

// Shown, the bars take room above the times: the group grows upwards.
TEST_F(LiveViewTest, TheMenuItemShowsAndHidesTheSixteenBars)
{
    ASSERT_EQ(window->CurrentTab(), TabId::TabSheet1);
    ASSERT_TRUE(readings().VBarB[0]->isHidden());
    const QRect before = readings().GroupCzasy->geometry();
    item("slupkiwtrysku")->trigger();
    QTest::qWait(kLayoutSettleMs);
    for (int c = 0; c < live::kCylinders; ++c) {
        EXPECT_TRUE(readings().VBarB[size_t(c)]->isVisible()) << c;
        EXPECT_TRUE(readings().VBarG[size_t(c)]->isVisible()) << c;
    }
    const QRect shown = readings().GroupCzasy->geometry();
    EXPECT_LT(shown.top(), before.top());
    EXPECT_EQ(shown.bottom(), before.bottom());
    EXPECT_GT(readings().VBarB[0]->height(), 50);

    item("slupkiwtrysku")->trigger();
    QTest::qWait(kLayoutSettleMs);
    EXPECT_TRUE(readings().VBarG[7]->isHidden());
    EXPECT_EQ(readings().GroupCzasy->geometry(), before);
}

// A handler's link operation that completes a collection in flight does not show the
// record inside the handler: the view runs from the event loop.
TEST_F(LiveViewTest, TheViewRunsFromTheEventLoopNotInsideAnotherOperation)
{
    parameters.StoreReceived(21, 2);
    words[13] = 4608;
    live().Poll().Tick();
    EcuCommands(link).ReadParameter(3);
    EXPECT_EQ(live().Record()[13], 4608);
    EXPECT_TRUE(panel().EditRPM->text().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(panel().EditRPM->text(), "1500rpm");
}

TEST_F(LiveViewTest, ElevenSilentPollsPutComErrorIntoTheStatusField)
{
    show({{16, 1}});
    io.onWrite = nullptr;
    for (int i = 0; i < 10; ++i)
        show({});
    EXPECT_EQ(panel().EditStatus->text(), "LPG");
    show({});
    EXPECT_EQ(panel().EditStatus->text(), "Com błąd");
}

} // namespace
} // namespace zantrel::test
