#include "launcher/EcuSimProcess.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "live/DiagnosticTimes.h"
#include "live/LiveView.h"
#include "live/ReadingsTab.h"
#include "live/StatusPanel.h"
#include "widgets/RoundGauge.h"

#include "support/MainWindowFixture.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>

namespace zantrel::test {
namespace {

// The program against zantrel-ecusim at 57600 baud over a pseudo-terminal, through
// QSerialPort and the real timers: connected from the menu, it reads the parameters and
// then shows the engine live.
class LivePtyEndToEnd : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QString error;
        ASSERT_TRUE(sim.start(&error)) << error.toStdString();
        CommandLineOptions options = answering(false);
        options.port = sim.portPath();
        Create(options, &ptyLink, &realTimer);
        Show();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        sim.stop();
    }

    sim::EcuSimProcess sim{{QStringLiteral("--baud-delay"), QStringLiteral("--scenario"), QStringLiteral("idle")}};
    QtSerialIo ptyIo;
    RealPause pause;
    EcuLink ptyLink{ptyIo, pause};
    PreciseStepTimer realTimer;
};

int number(const QString& text, const char* unit)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(-?\\d+)%1$").arg(QString::fromUtf8(unit))).match(text);
    return m.hasMatch() ? m.captured(1).toInt() : -99999;
}

TEST_F(LivePtyEndToEnd, TheIdlingEngineShowsOnScreen)
{
    item("COM8CTRL81")->trigger();
    ASSERT_TRUE(ptyLink.Connected());

    // A few records after the parameter read, so that the view has used its words.
    QSignalSpy records(&window->Live().Poll(), &LivePoll::RecordAccepted);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(records.wait(2'000)) << "record " << i;
    QCoreApplication::processEvents();

    const StatusPanel& panel = window->Live().Panel();
    ReadingsTab& readings = window->Live().Readings();
    const QString ms = QStringLiteral("^\\d+\\%1\\d\\dms$").arg(window->EntrySeparators().decimal);

    // The idle scenario: about 830 rpm and 2.6 ms on petrol, a cold reducer.
    EXPECT_EQ(panel.EditStatus->text(), "BENZYNA");
    const int rpm = number(panel.EditRPM->text(), "rpm");
    EXPECT_GE(rpm, 700) << panel.EditRPM->text().toStdString();
    EXPECT_LE(rpm, 950);
    EXPECT_EQ(rpm % 50, 0);
    EXPECT_DOUBLE_EQ(readings.Ab270MeterRPM->value(), rpm * 0.001);
    EXPECT_EQ(readings.EditAb270MeterRPM->text(), QString::number(rpm));

    EXPECT_TRUE(QRegularExpression(ms).match(panel.EditInjBenz->text()).hasMatch())
        << panel.EditInjBenz->text().toStdString();
    const double petrolMs = QString(panel.EditInjBenz->text()).replace(',', '.').chopped(2).toDouble();
    EXPECT_NEAR(petrolMs, 2.6, 0.5);
    EXPECT_EQ(readings.EditB[0]->text(), panel.EditInjBenz->text());
    EXPECT_EQ(window->Live().Diagnostics().EditB_Diag[0]->text(), panel.EditInjBenz->text());
    EXPECT_EQ(panel.EditInjLpg->text(), "0,00ms");
    EXPECT_EQ(panel.EditKorekta->text(), "00,0%");

    const int reducer = number(panel.EditTR->text(), "°C");
    EXPECT_GE(reducer, 10);
    EXPECT_LE(reducer, 40);
    EXPECT_EQ(readings.EditOdczytyTempR->text(), panel.EditTR->text());
}

} // namespace
} // namespace zantrel::test
