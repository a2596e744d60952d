#include "launcher/EcuSimProcess.h"
#include "link/CommandSet.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"

#include "support/MainWindowFixture.h"

#include <QDeadlineTimer>
#include <QLineEdit>

namespace zantrel::test {
namespace {

// The program's window on zantrel-ecusim through QSerialPort, in real time.
class ServicePtyTest : public MainWindowFixture {
protected:
    bool statusBecomes(const char* text)
    {
        const QDeadlineTimer deadline(5'000);
        while (window->EditStatus->text() != QLatin1String(text) && !deadline.hasExpired())
            QTest::qWait(10);
        return window->EditStatus->text() == QLatin1String(text);
    }

    QtSerialIo serial;
    RealPause pause;
    EcuLink port{serial, pause};
    PreciseStepTimer realTimer;
    EcuCommands portCommands{port};
};

TEST_F(ServicePtyTest, SwitchingToGasShowsLpgInTheStatusField)
{
    sim::EcuSimProcess ecu({QStringLiteral("--scenario"), QStringLiteral("drive")});
    QString error;
    ASSERT_TRUE(ecu.start(&error)) << error.toStdString();
    port.SetPortName(ecu.portPath());
    ASSERT_TRUE(port.OpenPort());
    ASSERT_TRUE(ReadIdentify(portCommands).has_value());
    port.SetConnected(true);
    // The reducer counts as warm at once, so the change-over waits only for the command.
    WriteParameter(portCommands, 5, 0);

    Create(answering(false), &port, &realTimer);
    Show();
    press("Ctrl+P");
    EXPECT_TRUE(statusBecomes("BENZYNA")) << window->EditStatus->text().toStdString();
    press("Ctrl+L");
    EXPECT_TRUE(statusBecomes("LPG")) << window->EditStatus->text().toStdString();

    window.reset();
    port.ClosePort();
    EXPECT_EQ(ecu.stop(), 0);
}

} // namespace
} // namespace zantrel::test
