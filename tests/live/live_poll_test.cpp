#include "base/LanguageStrings.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace zantrel::test {
namespace {

using Bytes = std::array<quint8, kLiveReplyLength>;

// The reply whose only word is record index 0 = 0x0120 (288 ticks), with a checksum.
Bytes oneWordReply(quint8 checksum)
{
    Bytes r{};
    r[0] = 'V';
    r[63] = 0x01;
    r[64] = 0x20;
    r[65] = checksum;
    r[66] = ';';
    return r;
}

QByteArray bytes(const Bytes& r, int length = kLiveReplyLength)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), length);
}

class LivePollTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(link.OpenPort());
        link.SetConnected(true);
        QObject::connect(&poll, &LivePoll::StatusText, [this](const QString& t) { statusTexts << t; });
        QObject::connect(&poll, &LivePoll::RecordAccepted, [this] { ++accepted; });
        clock.clearEvents();
    }

    // One tick of the 25 ms timer with its reply polls 2 ms apart, the reply (if any)
    // arriving 1 ms after "V"; returns the number of polls.
    int pollWith(std::optional<QByteArray> reply)
    {
        if (reply)
            io.deliver(*reply, 1000);
        poll.Tick();
        int steps = 0;
        while (poll.Stepping()) {
            clock.advanceUs(2000);
            poll.Step();
            ++steps;
        }
        return steps;
    }

    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands commands{link};
    LiveRecord record;
    LanguageStrings texts;
    LivePoll poll{link, commands, record, texts};
    QStringList statusTexts;
    int accepted = 0;
};

TEST_F(LivePollTest, WithoutControllerOnlyTheStatusSaysWhatIsMissing)
{
    link.SetConnected(false);
    poll.Tick();
    link.ClosePort();
    poll.Tick();
    EXPECT_EQ(statusTexts, (QStringList{"ECU błąd", "Com błąd"}));
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_FALSE(poll.Stepping());
}

// The tick sends "V" and returns at once; the reply polls come from the step timer and
// never sleep, so the window is not held while the reply arrives.
TEST_F(LivePollTest, TickSendsVAndTheStepsCollectWithoutSleeping)
{
    EXPECT_EQ(pollWith(bytes(oneWordReply(0x21))), 2);
    EXPECT_EQ(clock.trace(), QStringList{"V 00 00 00"});
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(record[0], 288);
}

TEST_F(LivePollTest, ATickWhileACollectionIsInFlightStartsNoOther)
{
    io.deliver(bytes(oneWordReply(0x21)), 5000);
    poll.Tick();
    clock.advanceUs(2000);
    poll.Step();
    poll.Tick();
    EXPECT_EQ(clock.frames(), QStringList{"V 00 00 00"});
    while (poll.Stepping()) {
        clock.advanceUs(2000);
        poll.Step();
    }
    EXPECT_EQ(accepted, 1);
}

// Another operation completes the collection (blocking) before its own frame goes out,
// and the record is already accepted when that frame is written.
TEST_F(LivePollTest, AnOperationMidCollectionCompletesItFirst)
{
    int acceptedWhenDSent = -1;
    io.onWrite = [&](const QByteArray& frame) {
        if (frame.at(0) == 'd')
            acceptedWhenDSent = accepted;
    };
    io.deliver(bytes(oneWordReply(0x21)), 3000);
    poll.Tick();
    clock.advanceUs(2000);
    poll.Step();
    commands.ReadParameter(5);
    EXPECT_EQ(acceptedWhenDSent, 1);
    EXPECT_EQ(record[0], 288);
    EXPECT_EQ(clock.trace(), (QStringList{"V 00 00 00", "4ms", "d 05 00 00"}));
    poll.Step(); // the step timer's next tick finds nothing left to do
    EXPECT_FALSE(poll.Stepping());
    EXPECT_EQ(accepted, 1);
}

struct ReplyCase {
    const char* what;
    std::optional<QByteArray> reply;
    bool accepted;
    int failuresAfter; // starting from 3
};

class LiveReplyCases : public LivePollTest, public ::testing::WithParamInterface<ReplyCase> {};

// Three unanswered polls first, and a record that is not all zero: a rejected reply must
// leave it and counts as a failure, a wrong checksum as much as a missing reply.
TEST_P(LiveReplyCases, JudgesTheReply)
{
    const ReplyCase& c = GetParam();
    LiveWords before{};
    before[13] = 4608;
    record.Assign(before);
    for (int i = 0; i < 3; ++i)
        pollWith(std::nullopt);
    ASSERT_EQ(poll.PollFailures(), 3);

    pollWith(c.reply);
    EXPECT_EQ(accepted, c.accepted ? 1 : 0);
    EXPECT_EQ(poll.PollFailures(), c.failuresAfter);
    if (c.accepted) {
        LiveWords expected{};
        expected[0] = 288;
        EXPECT_EQ(record.Words(), expected);
    } else {
        EXPECT_EQ(record.Words(), before);
    }
    EXPECT_TRUE(statusTexts.isEmpty());
}

Bytes withByte(Bytes r, int index, quint8 value)
{
    r[size_t(index)] = value;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LiveReplyCases,
    ::testing::Values(ReplyCase{"checksum 0x21", bytes(oneWordReply(0x21)), true, 0},
                      ReplyCase{"checksum 0x22", bytes(oneWordReply(0x22)), false, 4},
                      ReplyCase{"first byte", bytes(withByte(oneWordReply(0x21), 0, 'v')), false, 4},
                      ReplyCase{"terminator", bytes(withByte(oneWordReply(0x21), 66, ':')), false, 4},
                      ReplyCase{"66 bytes", bytes(oneWordReply(0x21), 66), false, 4},
                      ReplyCase{"no reply", std::nullopt, false, 4}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.what);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.toStdString();
    });

TEST_F(LivePollTest, TheEleventhUnusableReplyAndEveryFurtherOneReportComError)
{
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pollWith(std::nullopt), int(EcuLink::kMaxPolls));
    EXPECT_TRUE(statusTexts.isEmpty());
    pollWith(std::nullopt);
    EXPECT_EQ(statusTexts, QStringList{"Com błąd"});
    pollWith(std::nullopt);
    EXPECT_EQ(statusTexts.size(), 2);
    pollWith(bytes(oneWordReply(0x21)));
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(poll.PollFailures(), 0);
    EXPECT_EQ(statusTexts.size(), 2);
}

// A device that has gone away is closed by the first frame that finds it gone; from
// then on every tick reports "Com błąd" at once and sends nothing.
TEST_F(LivePollTest, AVanishedPortIsClosedAndReportedAtOnce)
{
    io.vanish();
    EXPECT_EQ(pollWith(std::nullopt), 0);
    EXPECT_FALSE(link.PortOpen());
    clock.clearEvents();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(pollWith(std::nullopt), 0);
    EXPECT_EQ(statusTexts, (QStringList{"Com błąd", "Com błąd", "Com błąd"}));
    EXPECT_TRUE(clock.events().empty());
    EXPECT_EQ(accepted, 0);
}

// Every reply with a wrong checksum: the view would freeze on the last good record, so
// the eleventh such reply says "Com błąd".
TEST_F(LivePollTest, RepliesThatAllFailTheirChecksumReportComError)
{
    for (int i = 0; i < 11; ++i)
        pollWith(bytes(oneWordReply(0x22)));
    EXPECT_EQ(statusTexts, QStringList{"Com błąd"});
    EXPECT_EQ(accepted, 0);
}

// While a job holds the link a tick sends nothing and starts no collection.
TEST_F(LivePollTest, ATickDuringAJobSendsNothing)
{
    PauseStepTimer timer(clock);
    timer.holding = true;
    LinkGate gate(link, timer);
    LinkJob job;
    job.Pause(30).Send('d', 1);
    ASSERT_TRUE(gate.Start(std::move(job), nullptr));
    clock.clearEvents();
    EXPECT_EQ(pollWith(std::nullopt), 0);
    EXPECT_FALSE(link.CollectionInFlight());
    EXPECT_TRUE(statusTexts.isEmpty());
    timer.RunAll();
    EXPECT_EQ(clock.trace(), (QStringList{"30ms", "d 01 00 00"}));
}

} // namespace
} // namespace zantrel::test
