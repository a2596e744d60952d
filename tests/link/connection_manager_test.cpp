#include "base/LanguageStrings.h"
#include "image/ControllerImage.h"
#include "link/CommandSet.h"
#include "link/ConnectionManager.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/PortNames.h"
#include "link/VirtualClock.h"

#include "support/ScriptedSerialIo.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace zantrel {
namespace {

struct RecordingView : ConnectionView {
    void SetCaption(const QString& c) override { caption = c; }
    void CheckPortItem(int slot) override { checked = slot; }
    void ShowConnectingWindow() override { ++windowShown; windowOpen = true; }
    void CloseConnectingWindow() override { windowOpen = false; }
    void SetConnectingStatus(const QString& t) override { status = t; }
    void ShowMessage(const QString& t) override { messages << t; }
    void ShowLinkNote(const QString& t) override { notes << t; }
    void StartParameterRead() override { ++parameterReads; }

    QString caption = "base ";
    int checked = -2;
    int windowShown = 0;
    bool windowOpen = false;
    QString status;
    QStringList messages;
    QStringList notes;
    int parameterReads = 0;
};

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        timer.setInterval(100);
        io.onWrite = [this](const QByteArray& f) {
            const QString device = io.openedDevices.last();
            if (f.at(0) == 'I') {
                ++probes[device];
                if (device == controllerDevice)
                    io.deliver(QByteArray("I\x42\x27\x00;", 5), 300);
            }
        };
    }

    // Autodetect ticks until connected or the limit.
    int tickUntilConnected(int limit)
    {
        for (int i = 1; i <= limit; ++i) {
            manager.AutoconnectTick();
            if (link.Connected())
                return i;
        }
        return -1;
    }

    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    QTimer timer;
    QTimer reconnectTimer;
    LanguageStrings texts;
    RecordingView view;
    ControllerImage image;
    ConnectionManager manager{link, cmds, timer, reconnectTimer, view, image, texts};
    QString controllerDevice = DeviceForPortName("COM3");
    std::map<QString, int> probes;
};

TEST_F(ConnectionTest, AutodetectFindsTheControllerOnCom3PastMissingPorts)
{
    io.absentDevices << DeviceForPortName("COM1") << DeviceForPortName("COM2");
    manager.ToggleAutodetect();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(view.windowOpen);

    manager.AutoconnectTick();
    EXPECT_EQ(view.checked, 1);
    EXPECT_EQ(view.status, "COM 2. 0");
    EXPECT_EQ(tickUntilConnected(5), 2);

    EXPECT_EQ(view.checked, 2);
    EXPECT_EQ(view.status, "COM 3. 0");
    EXPECT_EQ(view.caption, "Zantrel - V 1.39 v.7.3.0D Corvane H.66 S.39");
    EXPECT_EQ(manager.CaptionWithIdentity(), view.caption);
    EXPECT_EQ(manager.Identity().HardwareByte, 0x42);
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(view.windowOpen);
    EXPECT_EQ(view.parameterReads, 1);
}

TEST_F(ConnectionTest, ASilentPortIsProbedExactlyThreeTimes)
{
    manager.ToggleAutodetect();
    // COM1 and COM2 open but never answer: three ticks of probes each, the fourth tick
    // closes and opens the next port and probes it in the same tick.
    EXPECT_EQ(tickUntilConnected(20), 7);
    EXPECT_EQ(probes[DeviceForPortName("COM1")], 3);
    EXPECT_EQ(probes[DeviceForPortName("COM2")], 3);
    EXPECT_EQ(probes[controllerDevice], 1);
}

TEST_F(ConnectionTest, ProgressFollowsTheTriesOnOnePort)
{
    controllerDevice.clear();
    manager.ToggleAutodetect();
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        manager.AutoconnectTick();
        seen << view.status;
    }
    EXPECT_EQ(seen, (QStringList{"COM 1. 0", "COM 1. 1", "COM 1. 2", "COM 2. 0", "COM 2. 1"}));
}

TEST_F(ConnectionTest, SlotsGoRoundAfterTheLastPort)
{
    controllerDevice = "/dev/pts/99";
    link.SetLastPortName(controllerDevice);
    for (int k = 1; k <= 7; ++k)
        io.absentDevices << DeviceForPortName(QStringLiteral("COM%1").arg(k));
    io.absentDevices << controllerDevice;
    manager.ToggleAutodetect();
    for (int i = 0; i < 8; ++i)
        manager.AutoconnectTick();
    EXPECT_EQ(link.PortSlot(), 0);
    io.absentDevices.removeAll(controllerDevice);
    EXPECT_EQ(tickUntilConnected(10), 8);
    EXPECT_EQ(view.checked, 7);
}

TEST_F(ConnectionTest, CtrlDWhileSearchingStopsButShowsTheWindowAgain)
{
    controllerDevice.clear();
    manager.ToggleAutodetect();
    manager.AutoconnectTick();
    link.SetConnected(true);
    manager.ToggleAutodetect();
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(link.Connected());
    EXPECT_TRUE(link.PortOpen()) << "the open port stays open";
    EXPECT_EQ(view.windowShown, 2);
    EXPECT_EQ(manager.ProbeTries(), 0u);
}

TEST_F(ConnectionTest, MenuConnect)
{
    struct Case {
        const char* name;
        int slot;
        bool absent;
        bool answers;
        QStringList messages;
        int checked;
        bool open;
    };
    const Case cases[] = {
        {"controller", 2, false, true, {}, 2, true},
        {"silent port", 3, false, false, {"brak sterownika"}, -1, false},
        {"absent or busy port", 4, true, false, {"Port zajęty"}, -1, false},
    };
    for (const Case& c : cases) {
        VirtualClock clk;
        test::ScriptedSerialIo dev(clk);
        EcuLink lnk(dev, clk);
        EcuCommands cm(lnk);
        RecordingView v;
        ControllerImage img;
        ConnectionManager m(lnk, cm, timer, reconnectTimer, v, img, texts);
        const QString device = DeviceForPortName(QStringLiteral("COM%1").arg(c.slot + 1));
        if (c.absent)
            dev.absentDevices << device;
        if (c.answers)
            dev.onWrite = [&](const QByteArray& f) {
                if (f.at(0) == 'I')
                    dev.deliver(QByteArray("I\x10\x15\x00;", 5), 300);
            };
        timer.start();

        EXPECT_EQ(m.ConnectOnPort(c.slot), c.answers) << c.name;
        EXPECT_FALSE(timer.isActive()) << c.name;
        EXPECT_EQ(v.messages, c.messages) << c.name;
        EXPECT_EQ(v.checked, c.checked) << c.name;
        EXPECT_EQ(lnk.PortOpen(), c.open) << c.name;
        EXPECT_EQ(lnk.Connected(), c.answers) << c.name;
        EXPECT_EQ(v.parameterReads, c.answers ? 1 : 0) << c.name;
        EXPECT_EQ(dev.openedDevices.value(0), device) << c.name;
        if (c.answers) {
            EXPECT_EQ(v.caption, "Zantrel - V 1.39  H.16 S.21") << "no edition text on the menu path";
            EXPECT_TRUE(m.CaptionWithIdentity().isEmpty());
            EXPECT_EQ(clk.trace().mid(0, 2), (QStringList{"20ms", "I 00 00 00"}));
        }
    }
}

TEST_F(ConnectionTest, TheLastPortItemUsesTheChosenNumber)
{
    link.SetLastPortName(LastPortNameForNumber(12));
    controllerDevice = DeviceForPortName(LastPortNameForNumber(12));
    EXPECT_TRUE(manager.ConnectOnPort(7));
    EXPECT_EQ(link.PortName(), "\\\\.\\COM12");
    EXPECT_EQ(view.checked, 7);
}

TEST_F(ConnectionTest, AFailedProbeKeepsTheLastIdentity)
{
    EXPECT_TRUE(manager.ConnectOnPort(2));
    controllerDevice.clear();
    EXPECT_FALSE(manager.ConnectOnPort(2));
    EXPECT_EQ(manager.Identity().HardwareByte, 0x42);
    EXPECT_EQ(manager.Identity().SoftwareByte, 0x27);
}

// A connected port whose device goes away is reopened once a second; the controller
// answering again connects as autodetection does. A user's own connect stops the retry.
TEST_F(ConnectionTest, ALostPortIsReopenedUntilTheControllerAnswersAgain)
{
    QObject::connect(&link, &EcuLink::PortLost, [this] { manager.PortLost(); });
    ASSERT_TRUE(manager.ConnectOnPort(2));
    io.vanish();
    EXPECT_FALSE(link.SendFrame(CommandFrame::Make('V')));
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(manager.Reconnecting());
    EXPECT_EQ(reconnectTimer.interval(), 1000);
    EXPECT_EQ(view.notes, QStringList{"Port COM3 zniknął - ponawiam połączenie"});

    // Unplugged: the device cannot be opened.
    io.absentDevices << controllerDevice;
    manager.ReconnectTick();
    EXPECT_FALSE(link.PortOpen());
    // Plugged in, but the controller is still silent: the port is closed again.
    io.absentDevices.clear();
    const QString device = controllerDevice;
    controllerDevice.clear();
    manager.ReconnectTick();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(manager.Reconnecting());

    controllerDevice = device;
    manager.ReconnectTick();
    EXPECT_TRUE(link.Connected());
    EXPECT_FALSE(manager.Reconnecting());
    EXPECT_EQ(view.parameterReads, 2);
    EXPECT_EQ(view.caption, "Zantrel - V 1.39 v.7.3.0D Corvane H.66 S.39");
    EXPECT_EQ(view.notes.last(), "Połączono ponownie (COM3)");

    io.vanish();
    link.DrainInput();
    EXPECT_TRUE(manager.Reconnecting());
    manager.ToggleAutodetect();
    EXPECT_FALSE(manager.Reconnecting());
}

// While a job holds the link, an autodetection tick and a connect send nothing.
TEST_F(ConnectionTest, AutodetectionWaitsForARunningJob)
{
    LinkJob job;
    job.Pause(50);
    JobRun run(link, std::move(job));
    ASSERT_TRUE(run.Advance().has_value());
    manager.ToggleAutodetect();
    clock.clearEvents();
    manager.AutoconnectTick();
    EXPECT_FALSE(manager.ConnectOnPort(2));
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_TRUE(io.openedDevices.isEmpty());
    EXPECT_FALSE(run.Advance().has_value());
    // Once the job has ended the search starts where it would have: on COM1.
    EXPECT_GT(tickUntilConnected(20), 0);
    EXPECT_EQ(io.openedDevices.value(0), DeviceForPortName("COM1"));
}

} // namespace
} // namespace zantrel
