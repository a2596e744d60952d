#include "launcher/EcuSimProcess.h"

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/ReadSequences.h"
#include "link/ReplyShapes.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>

namespace zantrel::sim::test {
namespace {

// The program on the other end of a pseudo-terminal, reached through QSerialPort.
struct PtyClient {
    explicit PtyClient(const QString& path)
    {
        link.SetPortName(path);
        opened = link.OpenPort();
    }
    QtSerialIo io;
    RealPause pause;
    EcuLink link{io, pause};
    EcuCommands cmds{link};
    bool opened = false;
};

void startOrFail(EcuSimProcess& sim)
{
    QString error;
    ASSERT_TRUE(sim.start(&error)) << error.toStdString();
}

TEST(SimPty, AnswersThroughQSerialPortAfterJunkAndTracesEveryFrame)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath(QStringLiteral("trace.txt"));
    const QString link = dir.filePath(QStringLiteral("ecu"));
    EcuSimProcess sim({QStringLiteral("--trace"), trace, QStringLiteral("--link"), link});
    startOrFail(sim);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.portPath());
    {
        PtyClient client(link);
        ASSERT_TRUE(client.opened);
        const QByteArray junk("\x3b\x00\xff;;junk\x49\x00", 10);
        client.io.write(junk.constData(), junk.size());
        ASSERT_TRUE(ReadIdentify(client.cmds));
        const ParameterReadout words = ReadParameterWords(client.cmds);
        for (const auto& w : words)
            EXPECT_TRUE(w.has_value());
        EXPECT_EQ(words[0], 0xAAAA);
    }
    EXPECT_EQ(sim.stop(), 0);

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + kParameterWords);
    static const QRegularExpression shape(QStringLiteral("^(\\d+\\.\\d{3}) ((?:[0-9a-f]{2} ){5}[0-9a-f]{2})$"));
    double last = 0;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = shape.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        EXPECT_GE(m.captured(1).toDouble(), last);
        last = m.captured(1).toDouble();
    }
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" 49 00 00 00 49 3b")));
    EXPECT_TRUE(lines[36].endsWith(QStringLiteral(" 64 23 00 00 87 3b")));
}

TEST(SimPty, ProgramsMayComeAndGo)
{
    EcuSimProcess sim;
    startOrFail(sim);
    for (int i = 0; i < 3; ++i) {
        PtyClient client(sim.portPath());
        ASSERT_TRUE(client.opened) << i;
        EXPECT_TRUE(ReadIdentify(client.cmds)) << i;
    }
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimPty, EndsCleanlyOnSigintAndSigtermAndRemovesTheLink)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ecu"));
        EcuSimProcess sim({QStringLiteral("--link"), link});
        startOrFail(sim);
        ASSERT_TRUE(QFileInfo(link).isSymLink());
        ::kill(pid_t(sim.process().processId()), signal);
        ASSERT_TRUE(sim.process().waitForFinished(5'000)) << signal;
        EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(sim.process().exitCode(), 0);
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << signal;
    }
}

// The line drops after two frames: the program sees the port go, neither hangs nor
// takes a reply, and the simulator ends by itself.
TEST(SimPty, DisconnectFaultDropsTheLine)
{
    EcuSimProcess sim({QStringLiteral("--fault"), QStringLiteral("disconnect:2")});
    startOrFail(sim);
    PtyClient client(sim.portPath());
    ASSERT_TRUE(client.opened);
    EXPECT_TRUE(ReadIdentify(client.cmds));
    EXPECT_TRUE(ReadIdentify(client.cmds));
    ASSERT_TRUE(sim.process().waitForFinished(5'000));
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_TRUE(sim.process().readAllStandardError().contains("line dropped after 2 frames"));
    EXPECT_FALSE(ReadIdentify(client.cmds));
    EXPECT_FALSE(client.link.SendFrame(BuildFrame('I')));
}

// At 57600 baud the 67 bytes of a live reply take 11.6 ms: more than five 2 ms polls.
TEST(SimPty, BaudDelayPacesTheReply)
{
    EcuSimProcess sim({QStringLiteral("--baud-delay")});
    startOrFail(sim);
    PtyClient client(sim.portPath());
    ASSERT_TRUE(client.opened);
    client.cmds.ReadLive();
    client.link.CollectReply(kLiveReplyLength);
    EXPECT_TRUE(LiveChecksumOk(client.link.CurrentReply()));
    EXPECT_GE(client.link.PollCount(), 6u);
}

TEST(SimPty, SurvivesAFloodOfGarbage)
{
    EcuSimProcess sim;
    startOrFail(sim);
    PtyClient client(sim.portPath());
    ASSERT_TRUE(client.opened);
    std::mt19937 random(99);
    QByteArray noise(256, '\0');
    for (int chunk = 0; chunk < 256; ++chunk) {
        for (char& c : noise)
            c = char(random());
        client.io.write(noise.constData(), noise.size());
        client.io.waitUntilSent();
        client.link.DrainInput();
    }
    client.link.Sleep(50);
    client.link.DrainInput();
    EXPECT_TRUE(ReadIdentify(client.cmds));
    EXPECT_EQ(sim.process().state(), QProcess::Running);
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimPty, BadOptionsGiveOneLineAndHelpGivesUsage)
{
    QProcess bad;
    bad.start(EcuSimProcess::executable(), {QStringLiteral("--scenario"), QStringLiteral("rally")});
    ASSERT_TRUE(bad.waitForFinished(5'000));
    EXPECT_EQ(bad.exitCode(), 2);
    const QByteArray err = bad.readAllStandardError();
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("rally"));
    EXPECT_TRUE(bad.readAllStandardOutput().isEmpty());

    QProcess help;
    help.start(EcuSimProcess::executable(), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(5'000));
    EXPECT_EQ(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    EXPECT_TRUE(text.contains("--baud-delay"));
    EXPECT_TRUE(text.contains("disconnect"));
}

} // namespace
} // namespace zantrel::sim::test
