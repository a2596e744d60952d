#include "SimRig.h"

#include "link/ReadSequences.h"

#include <gtest/gtest.h>

namespace zantrel::sim::test {
namespace {

SimRig faulty(FaultSpec spec)
{
    return SimRig({}, Line([spec](auto& o) { o.faults = {spec}; }));
}

bool liveAccepted(SimRig& rig)
{
    rig.cmds.ReadLive();
    rig.link.CollectReply(kLiveReplyLength);
    return LiveChecksumOk(rig.link.CurrentReply());
}

bool wordAccepted(SimRig& rig)
{
    rig.cmds.ReadParameter(7);
    rig.link.CollectReply(kWordReplyLength);
    return AcceptWord(rig.link.CurrentReply(), 7);
}

bool pointAccepted(SimRig& rig)
{
    rig.cmds.Send('}', 3);
    rig.link.CollectReply(5);
    return AcceptWord(rig.link.CurrentReply());
}

struct FaultCase {
    const char* name;
    FaultMode mode;
    bool live;  // the live poll accepts the record
    bool word;  // the parameter reader accepts "d" 7
    bool point; // the map reader accepts "}" 3 (no echo test)
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class SimFaultMode : public ::testing::TestWithParam<FaultCase> {};

// Each fault as the collector and the callers' acceptance tests see it. The word replies
// carry no checksum the program examines, and the map reads do not test the echo.
TEST_P(SimFaultMode, IsSeenByTheCallersAsDocumented)
{
    const FaultCase& c = GetParam();
    {
        SimRig rig = faulty({c.mode});
        EXPECT_EQ(liveAccepted(rig), c.live);
    }
    {
        SimRig rig = faulty({c.mode});
        EXPECT_EQ(wordAccepted(rig), c.word);
    }
    {
        SimRig rig = faulty({c.mode});
        EXPECT_EQ(pointAccepted(rig), c.point);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SimFaultMode,
    ::testing::Values(FaultCase{"NoReply", FaultMode::NoReply, false, false, false},
                      FaultCase{"Late", FaultMode::LateReply, false, false, false},
                      FaultCase{"BadChecksum", FaultMode::BadChecksum, false, true, true},
                      FaultCase{"WrongEcho", FaultMode::WrongEcho, true, false, true},
                      FaultCase{"Garbage", FaultMode::Garbage, false, false, false},
                      FaultCase{"Trickle", FaultMode::Trickle, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A late reply lands in the next collection, ahead of that request's own reply, which
// is then rejected; a drain after a pause clears it.
TEST(SimFaults, ALateReplyIsStaleForTheNextRequest)
{
    SimRig rig = faulty({FaultMode::LateReply, 0.5});
    ASSERT_TRUE(ReadIdentify(rig.cmds)); // the first reply is on time
    rig.cmds.Identify();                 // the second comes 60 ms late
    rig.link.CollectReply(kIdentifyReplyLength);
    EXPECT_FALSE(AcceptIdentify(rig.link.CurrentReply()));
    EXPECT_FALSE(wordAccepted(rig));
    EXPECT_EQ(rig.link.ReplyBuffer()[0], 'I');
    rig.link.Sleep(100);
    rig.link.DrainInput();
    EXPECT_EQ(rig.io.bytesQueued(), 0);
}

// Every second reply is preceded by junk: each map entry whose first reply fails gets
// it on the retry, so the whole map arrives, one extra request per fault.
TEST(SimFaults, MapReadRetrySucceedsAfterOneWrongReply)
{
    SimRig rig = faulty({FaultMode::Garbage, 0.5});
    rig.clock.setRecording(true);
    const MapReadout maps = ReadMaps(rig.cmds);
    for (const auto& p : maps.points)
        EXPECT_TRUE(p.has_value());
    for (const auto& row : maps.cells)
        for (const auto& cell : row)
            EXPECT_TRUE(cell.has_value());
    for (const auto& k : maps.curve)
        EXPECT_TRUE(k.has_value());
    const int entries = kMapPoints + kMapRows * kMapColumns + kCurvePoints;
    const int faults = rig.io.device().faults().injected();
    EXPECT_GT(faults, entries / 3);
    EXPECT_EQ(rig.clock.frames().size(), size_t(entries + faults));
}

TEST(SimFaults, EveryReplyWrongLeavesTheMapUnread)
{
    SimRig rig = faulty({FaultMode::Garbage});
    const MapReadout maps = ReadMaps(rig.cmds);
    EXPECT_FALSE(maps.points[0].has_value());
    EXPECT_FALSE(maps.curve[11].has_value());
    EXPECT_EQ(rig.io.device().faults().framesSeen(), 2 * (kMapPoints + kMapRows * kMapColumns + kCurvePoints));
}

// After N frames the line drops: the replies sent before it still count, then the link
// finds the device gone and closes the port, without hanging and without reporting a
// collection as complete.
TEST(SimFaults, DisconnectDropsTheLineAfterNFrames)
{
    SimRig rig = faulty({FaultMode::Disconnect, 1.0, 3});
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ReadIdentify(rig.cmds)) << i;
    EXPECT_FALSE(rig.link.PortOpen());
    EXPECT_FALSE(rig.link.SendFrame(BuildFrame('I')));
    rig.link.CollectReply(kIdentifyReplyLength);
    EXPECT_FALSE(rig.link.ReplyComplete());
    EXPECT_LE(rig.link.PollCount(), 1u);
    EXPECT_FALSE(ReadIdentify(rig.cmds));
}

// At 57600 baud a live reply takes about 11.6 ms on the wire after its frame: the
// collector needs more polls than for a reply that is there at once.
TEST(SimLine, WireTimeDelaysTheReplyAsAtTheLineRate)
{
    SimRig instant;
    SimRig wired({}, Line([](auto& o) { o.wireTime = true; }));
    for (SimRig* rig : {&instant, &wired}) {
        rig->cmds.ReadLive();
        rig->link.CollectReply(kLiveReplyLength);
        EXPECT_TRUE(LiveChecksumOk(rig->link.CurrentReply()));
    }
    EXPECT_EQ(instant.link.PollCount(), 2u);
    // The frame takes 1.04 ms, the reply 11.6 ms more; its last byte is taken at the sixth
    // poll (13 ms) and counted at the seventh.
    EXPECT_EQ(wired.link.PollCount(), 7u);
}

} // namespace
} // namespace zantrel::sim::test
