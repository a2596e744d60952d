#include "link/EcuLink.h"
#include "link/VirtualClock.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace zantrel {
namespace {

QByteArray pattern(int n, int seed = 1)
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += char((i * 7 + seed) & 0xFF);
    return b;
}

QByteArray bufferHead(const EcuLink& link, int n)
{
    return QByteArray(reinterpret_cast<const char*>(link.ReplyBuffer().data()), n);
}

class CollectorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.OpenPort()); }
    VirtualClock clock;
    test::ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
};

TEST_F(CollectorTest, BurstCompletesAtTheSecondPoll)
{
    const QByteArray reply = pattern(67);
    io.deliver(reply, 500);
    link.CollectReply(67);
    EXPECT_TRUE(link.ReplyComplete());
    EXPECT_EQ(link.PollCount(), 2u);
    EXPECT_EQ(bufferHead(link, 67), reply);
    EXPECT_EQ(clock.nowUs(), 4000);
}

TEST_F(CollectorTest, TrickleIsAppendedContiguously)
{
    const QByteArray reply = pattern(67);
    for (int i = 0; i < 67; i += 10)
        io.deliver(reply.mid(i, 10), qint64(i / 10) * 2000 + 1000);
    link.CollectReply(67);
    EXPECT_TRUE(link.ReplyComplete());
    EXPECT_EQ(bufferHead(link, 67), reply);
    // Seven chunks over seven polls; completion is seen one poll later.
    EXPECT_EQ(link.PollCount(), 8u);
}

TEST_F(CollectorTest, SilenceCostsExactly21PollsAndLeavesTheBuffer)
{
    io.deliver(pattern(6, 9));
    link.CollectReply(6);
    const QByteArray before = bufferHead(link, 128);
    clock.clearEvents();

    const quint32 total = link.CollectReply(5);
    EXPECT_FALSE(link.ReplyComplete());
    EXPECT_EQ(total, 0u);
    EXPECT_EQ(link.PollCount(), 21u);
    EXPECT_EQ(clock.trace(), QStringList{"42ms"});
    EXPECT_EQ(bufferHead(link, 128), before);
}

TEST_F(CollectorTest, ExpectedFiveOnASixByteReplyStillDeliversTheSixth)
{
    const QByteArray reply("d\x05\x01\x02\x00;", 6);
    io.deliver(reply, 100);
    const quint32 total = link.CollectReply(5);
    EXPECT_TRUE(link.ReplyComplete());
    EXPECT_EQ(link.ReplyBuffer()[5], ';');
    // The count excludes the bytes of the poll that recognised completion.
    EXPECT_EQ(total, 6u);
}

TEST_F(CollectorTest, OverflowIsDroppedBeyond128Bytes)
{
    const QByteArray flood = pattern(300, 3);
    io.deliver(flood.left(100), 100);
    io.deliver(flood.mid(100), 2100);
    link.CollectReply(200);
    EXPECT_EQ(bufferHead(link, 128), flood.left(128));
    EXPECT_TRUE(link.ReplyComplete());
}

TEST_F(CollectorTest, OnePollTakesAtMost768Bytes)
{
    io.deliver(pattern(1000, 5), 100);
    link.BeginCollect(900, nullptr, {});
    clock.advanceUs(2000);
    link.CollectStep();
    EXPECT_EQ(link.LastReadCount(), 768u);
    clock.advanceUs(2000);
    link.CollectStep();
    EXPECT_EQ(link.LastReadCount(), 232u);
    EXPECT_EQ(link.ReplyTotal(), 768u);
    EXPECT_FALSE(link.ReplyComplete());
}

TEST_F(CollectorTest, AReplyAfterTheBudgetIsNotSeen)
{
    io.deliver(pattern(67), 43000);
    link.CollectReply(67);
    EXPECT_FALSE(link.ReplyComplete());
    EXPECT_EQ(link.ReplyTotal(), 0u);
}

TEST_F(CollectorTest, LineErrorsAreClearedOnEveryPoll)
{
    link.CollectReply(5);
    EXPECT_EQ(io.clearErrorCalls, 21);
}

TEST_F(CollectorTest, StepwiseCollectionMatchesTheBlockingRule)
{
    const QByteArray reply = pattern(67);
    io.deliver(reply, 500);
    int done = 0;
    link.BeginCollect(67, nullptr, [&] { ++done; });
    EXPECT_TRUE(link.CollectionInFlight());
    clock.advanceUs(2000);
    EXPECT_FALSE(link.CollectStep());
    clock.advanceUs(2000);
    EXPECT_TRUE(link.CollectStep());
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(link.ReplyComplete());
    EXPECT_EQ(bufferHead(link, 67), reply);
    EXPECT_FALSE(link.CollectionInFlight());
}

TEST_F(CollectorTest, AnotherFrameFirstCompletesTheInFlightCollection)
{
    io.deliver(pattern(67), 500);
    QByteArray seenByCallback;
    int framesWhenDone = -1;
    link.BeginCollect(67, nullptr, [&] {
        seenByCallback = bufferHead(link, 67);
        framesWhenDone = int(clock.frames().size());
    });
    link.SendFrame(CommandFrame::Make('I'));
    EXPECT_EQ(seenByCallback, pattern(67));
    EXPECT_EQ(framesWhenDone, 0);
    EXPECT_EQ(clock.frames(), QStringList{"I 00 00 00"});
    EXPECT_FALSE(link.CollectionInFlight());
}

TEST_F(CollectorTest, StepwiseSilenceEndsAfter21Polls)
{
    bool complete = true;
    link.BeginCollect(5, nullptr, [&] { complete = link.ReplyComplete(); });
    int steps = 0;
    while (!link.CollectStep())
        ++steps;
    EXPECT_EQ(steps + 1, 21);
    EXPECT_FALSE(complete);
}

// A device that goes away is closed at once, whichever operation finds it gone, and
// it is reported once: a frame sent after it is lost like any frame to a closed port.
TEST_F(CollectorTest, AVanishedDeviceClosesThePortOnce)
{
    struct Case {
        const char* name;
        std::function<void(EcuLink&)> operation;
    };
    const std::vector<Case> cases = {
        {"a frame", [](EcuLink& l) { EXPECT_FALSE(l.SendFrame(CommandFrame::Make('V'))); }},
        {"a collection", [](EcuLink& l) { l.CollectReply(67); }},
        {"a drain", [](EcuLink& l) { l.DrainInput(); }},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(link.OpenPort()) << c.name;
        int lost = 0;
        const QMetaObject::Connection watch = QObject::connect(&link, &EcuLink::PortLost, [&] { ++lost; });
        io.vanish();
        c.operation(link);
        EXPECT_FALSE(link.PortOpen()) << c.name;
        EXPECT_FALSE(io.isOpen()) << c.name;
        EXPECT_FALSE(link.ReplyComplete()) << c.name;
        EXPECT_LE(link.PollCount(), 1u) << c.name;
        EXPECT_EQ(lost, 1) << c.name;
        EXPECT_FALSE(link.SendFrame(CommandFrame::Make('V'))) << c.name;
        EXPECT_EQ(lost, 1) << c.name;
        QObject::disconnect(watch);
    }
}

// A collection outlives the object that began it: closing the port later completes it
// without calling back into the dead object.
TEST_F(CollectorTest, ACollectionWhoseOwnerIsGoneCallsNoOne)
{
    int calls = 0;
    auto owner = std::make_unique<QObject>();
    link.BeginCollect(67, owner.get(), [&] { ++calls; });
    owner.reset();
    link.ClosePort();
    EXPECT_FALSE(link.CollectionInFlight());
    EXPECT_EQ(calls, 0);

    ASSERT_TRUE(link.OpenPort());
    QObject alive;
    link.BeginCollect(67, &alive, [&] { ++calls; });
    link.ClosePort();
    EXPECT_EQ(calls, 1);
}

TEST_F(CollectorTest, SendRaisesRtsOnlyAroundTheWrite)
{
    QList<int> waitsAtWrite;
    io.onWrite = [&](const QByteArray&) { waitsAtWrite << io.waitUntilSentCalls; };
    EXPECT_TRUE(link.SendFrame(CommandFrame::Make('V')));
    EXPECT_EQ(io.rtsChanges, (std::vector<bool>{true, false}));
    // Earlier output drained before the write, this frame drained before RTS drops.
    EXPECT_EQ(waitsAtWrite, QList<int>{1});
    EXPECT_EQ(io.waitUntilSentCalls, 2);
}

TEST_F(CollectorTest, DrainDiscardsQueuedBytes)
{
    io.deliver(pattern(40));
    link.DrainInput();
    EXPECT_EQ(io.bytesQueued(), 0);
}

} // namespace
} // namespace zantrel
