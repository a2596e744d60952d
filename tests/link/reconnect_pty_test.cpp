#include "launcher/EcuSimProcess.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/PortMenu.h"
#include "link/QtSerialIo.h"
#include "live/LiveView.h"

#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace zantrel::test {
namespace {

QStringList simulatorAt(const QString& path, QStringList more = {})
{
    return QStringList{QStringLiteral("--link"), path, QStringLiteral("--scenario"), QStringLiteral("idle")} + more;
}

// The program on QSerialPort and real timers against zantrel-ecusim at a fixed link
// path: the simulator drops its line (an unplugged adapter), a new one serves the same
// path (plugged in again), and the program is back on its own.
class ReconnectPty : public MainWindowFixture {
protected:
    QLabel* note() const { return window->findChild<QLabel*>(QStringLiteral("LabelNote")); }

    QTemporaryDir links;
    QString path = links.filePath(QStringLiteral("ecu"));
    QtSerialIo ptyIo;
    RealPause pause;
    EcuLink ptyLink{ptyIo, pause};
    PreciseStepTimer realTimer;
};

TEST_F(ReconnectPty, AControllerThatComesBackIsReconnectedWithoutAClick)
{
    // The identify, the read of all words, the write-back, the map read (113 replies) and
    // some forty live polls.
    sim::EcuSimProcess first(simulatorAt(path, {QStringLiteral("--fault"), QStringLiteral("disconnect:223")}));
    QString error;
    ASSERT_TRUE(first.start(&error)) << error.toStdString();
    CommandLineOptions options = answering(false);
    options.port = path;
    Create(options, &ptyLink, &realTimer);
    Show();
    item("COM8CTRL81")->trigger();
    ASSERT_TRUE(ptyLink.Connected());

    QTRY_VERIFY_WITH_TIMEOUT(!ptyLink.PortOpen(), 10'000);
    QTRY_COMPARE_WITH_TIMEOUT(window->EditStatus->text(), QString::fromUtf8("Com błąd"), 2'000);
    EXPECT_TRUE(note()->text().contains(QString::fromUtf8("zniknął"))) << note()->text().toStdString();
    EXPECT_TRUE(note()->isVisible());
    first.stop();

    sim::EcuSimProcess second(simulatorAt(path));
    ASSERT_TRUE(second.start(&error)) << error.toStdString();
    QSignalSpy records(&window->Live().Poll(), &LivePoll::RecordAccepted);
    ASSERT_TRUE(records.wait(10'000)) << "no live record after the controller came back";
    EXPECT_TRUE(ptyLink.Connected());
    EXPECT_TRUE(note()->text().startsWith(QString::fromUtf8("Połączono ponownie"))) << note()->text().toStdString();
    EXPECT_EQ(window->windowTitle(), window->Ports().Manager().CaptionWithIdentity());
    EXPECT_FALSE(window->Ports().Manager().Reconnecting());
}

} // namespace
} // namespace zantrel::test
