// The production serial path: QSerialPort on a real pseudo-terminal.
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"
#include "link/ReadSequences.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace zantrel {
namespace {

// A peer on the master side that answers "I" frames at once.
class PtyPeer {
public:
    PtyPeer()
    {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            return;
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
        path_ = QString::fromLocal8Bit(name);
        thread_ = std::thread([this] { run(); });
    }
    ~PtyPeer()
    {
        stop();
        if (slave_ >= 0)
            ::close(slave_);
    }
    void stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    const QString& path() const { return path_; }
    int frames() const { return frames_; }

private:
    void run()
    {
        QByteArray pending;
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            char buf[256];
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n <= 0)
                continue;
            pending.append(buf, int(n));
            while (pending.size() >= 6) {
                const QByteArray frame = pending.left(6);
                pending.remove(0, 6);
                ++frames_;
                if (frame.at(0) == 'I') {
                    static const char reply[] = {'I', 0x42, 0x27, 0x00, ';'};
                    [[maybe_unused]] ssize_t w = ::write(master_, reply, sizeof reply);
                }
            }
        }
    }

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> frames_{0};
};

TEST(PtyLink, IdentifiesThroughQSerialPort)
{
    PtyPeer peer;
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
    PtyPeer peer;
    QtSerialIo first;
    QtSerialIo second;
    ASSERT_TRUE(first.open(peer.path()));
    EXPECT_FALSE(second.open(peer.path()));
    first.close();
    EXPECT_TRUE(second.open(peer.path()));
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

TEST(PtyLink, APeerThatGoesAwayMakesCollectionsFailWithoutHanging)
{
    PtyPeer peer;
    QtSerialIo io;
    RealPause pause;
    EcuLink link(io, pause);
    link.SetPortName(peer.path());
    ASSERT_TRUE(link.OpenPort());
    EcuCommands cmds(link);
    peer.stop();
    cmds.Identify();
    link.CollectReply(5);
    EXPECT_FALSE(link.ReplyComplete());
    EXPECT_TRUE(link.ClosePort());
}

} // namespace
} // namespace zantrel
