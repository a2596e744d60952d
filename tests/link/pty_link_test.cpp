// The production serial path: QSerialPort on a real pseudo-terminal.
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/ReadSequences.h"

#include "support/PtyPeer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zantrel {
namespace {

QByteArray answerIdentify(const QByteArray& frame)
{
    return frame.at(0) == 'I' ? QByteArray("I\x42\x27\x00;", 5) : QByteArray();
}

TEST(PtyLink, IdentifiesThroughQSerialPort)
{
    test::PtyPeer peer(answerIdentify);
    ASSERT_FALSE(peer.path().isEmpty());
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    link.SetPortName(peer.path());
    ASSERT_TRUE(link.OpenPort()) << "a pseudo-terminal without modem lines must still open";
    EcuCommands cmds(link);

    const auto id = ReadIdentify(cmds);
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(id->HardwareByte, 0x42);
    EXPECT_EQ(id->SoftwareByte, 0x27);

    // A frame nobody answers: the collection gives up after its poll budget.
    EXPECT_TRUE(cmds.ReadParameter(1));
    link.CollectReply(6);
    EXPECT_FALSE(link.ReplyComplete());
    EXPECT_EQ(link.PollCount(), 21u);
}

TEST(PtyLink, ASecondOpenOfTheSameDeviceFails)
{
    test::PtyPeer peer(answerIdentify);
    QtSerialIo first;
    QtSerialIo second;
    ASSERT_TRUE(first.open(peer.path()));
    EXPECT_FALSE(second.open(peer.path()));
    first.close();
    EXPECT_TRUE(second.open(peer.path()));
}

TEST(PtyLink, ALinkAndItsDeviceAreTheSamePort)
{
    test::PtyPeer peer(answerIdentify);
    QTemporaryDir dir;
    const QString link = dir.filePath("ecu");
    ASSERT_TRUE(QFile::link(peer.path(), link));
    QtSerialIo first;
    QtSerialIo second;
    ASSERT_TRUE(first.open(link));
    EXPECT_FALSE(second.open(peer.path()));
}

TEST(PtyLink, AnAbsentDeviceDoesNotOpen)
{
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    link.SetPortName("/dev/does-not-exist-zantrel");
    EXPECT_FALSE(link.OpenPort());
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(link.SendFrame(CommandFrame::Make('V')));
}

// The pseudo-terminal's other end closing is what an unplugged adapter looks like: the
// link closes the port at once and says so, without hanging and without retrying.
TEST(PtyLink, APeerThatGoesAwayClosesThePort)
{
    test::PtyPeer peer(answerIdentify);
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    int lost = 0;
    QObject::connect(&link, &EcuLink::PortLost, [&] { ++lost; });
    link.SetPortName(peer.path());
    ASSERT_TRUE(link.OpenPort());
    EcuCommands cmds(link);
    peer.stop();
    cmds.Identify();
    link.CollectReply(5);
    EXPECT_FALSE(link.ReplyComplete());
    EXPECT_FALSE(link.PortOpen());
    EXPECT_FALSE(io.isOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(link.ClosePort()) << "closed already";
}

} // namespace
} // namespace zantrel
