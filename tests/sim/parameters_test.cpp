#include "SimRig.h"

#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"

#include <gtest/gtest.h>

#include <vector>

namespace zantrel::sim::test {
namespace {

quint16 readWord(SimRig& rig, int index)
{
    const ParameterReadout words = ReadParameterWords(rig.cmds);
    EXPECT_TRUE(words[size_t(index)].has_value()) << index;
    return words[size_t(index)].value_or(0xDEAD);
}

// A programmed controller comes up with the factory values of the parameter table.
TEST(SimParameters, StartAsAProgrammedControllerWithFactoryValues)
{
    SimRig rig;
    const ParameterReadout words = ReadParameterWords(rig.cmds);
    for (int i = 0; i < kParameterWords; ++i)
        ASSERT_TRUE(words[size_t(i)].has_value()) << i;
    struct Expected { int index; quint16 value; };
    for (const Expected e : {Expected{0, 0xAAAA}, {1, 115}, {2, 610}, {8, 7000}, {14, 4608}, {21, 2},
                             {22, 0x0020}, {23, 1039}, {44, 1063}, {45, 1613}, {48, 0xFFEC}, {49, 0xFFEC}})
        EXPECT_EQ(*words[size_t(e.index)], e.value) << e.index;
    EXPECT_EQ(PeriodToRpm(*words[14], 2), 1500);
}

TEST(SimParameters, UnprogrammedControllerCarriesTheOtherMarker)
{
    SimRig rig(Controller([](auto& o) { o.unprogrammed = true; }));
    EXPECT_EQ(readWord(rig, 0), 0x5555);
}

struct Step {
    char command;
    int index;
    int value;
};

struct WriteCase {
    const char* name;
    std::vector<Step> steps;
    quint16 expected;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class SimParameterWrite : public ::testing::TestWithParam<WriteCase> {};

constexpr int kWord = 40;       // RPM signal filter, factory 2
constexpr quint16 kFactory = 2;

// A word changes only after "K", "E", "D" for the same index and value, in that order.
TEST_P(SimParameterWrite, TakesAWordOnlyFromTheFullWrite)
{
    SimRig rig;
    for (const Step& s : GetParam().steps)
        rig.link.SendFrame(BuildFrame(s.command, s.index, s.value));
    EXPECT_EQ(readWord(rig, kWord), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimParameterWrite,
    ::testing::Values(
        WriteCase{"KED", {{'K', kWord, 0}, {'E', kWord, 7}, {'D', kWord, 7}}, 7},
        WriteCase{"EWithoutK", {{'E', kWord, 7}, {'D', kWord, 7}}, kFactory},
        WriteCase{"DWithAnotherValue", {{'K', kWord, 0}, {'E', kWord, 7}, {'D', kWord, 8}}, kFactory},
        WriteCase{"DWithoutE", {{'K', kWord, 0}, {'D', kWord, 7}}, kFactory},
        WriteCase{"NoD", {{'K', kWord, 0}, {'E', kWord, 7}}, kFactory},
        WriteCase{"KForAnotherWord", {{'K', kWord + 1, 0}, {'E', kWord, 7}, {'D', kWord, 7}}, kFactory},
        WriteCase{"EAndDForAnotherWord", {{'K', kWord, 0}, {'E', kWord + 1, 7}, {'D', kWord + 1, 7}}, kFactory},
        WriteCase{"OutOfOrder", {{'E', kWord, 7}, {'K', kWord, 0}, {'D', kWord, 7}}, kFactory},
        WriteCase{"KAgainRestarts", {{'K', kWord, 0}, {'E', kWord, 7}, {'K', kWord, 0}, {'D', kWord, 7}}, kFactory},
        WriteCase{"ASecondDChangesNothing", {{'K', kWord, 0}, {'E', kWord, 7}, {'D', kWord, 7}, {'D', kWord, 9}}, 7},
        WriteCase{"FramesForOtherWordsBetween",
                  {{'K', kWord, 0}, {'d', 3, 0}, {'E', kWord, 7}, {'K', 12, 0}, {'D', kWord, 7}}, 7}),
    [](const auto& info) { return std::string(info.param.name); });

// The program's write sequence, the counter reset that interleaves two words, and a
// negative value in two's complement.
TEST(SimParameters, RealWriteSequencesRoundTrip)
{
    SimRig rig;
    WriteParameter(rig.cmds, 3, -10, 10);
    WriteParameter(rig.cmds, 63, 0xBEEF, 10);
    EXPECT_EQ(readWord(rig, 3), 0xFFF6);
    EXPECT_EQ(readWord(rig, 63), 0xBEEF);

    // Gas counter reset: K37 E37 K38 E38 D37 D38.
    for (const Step& s : {Step{'K', 37, 0}, {'E', 37, 0}, {'K', 38, 0}, {'E', 38, 0}, {'D', 37, 0}, {'D', 38, 0}})
        rig.link.SendFrame(BuildFrame(s.command, s.index, s.value));
    const auto counters = ReadCounterWords(rig.cmds);
    EXPECT_EQ(counters[37 - kFirstCounterWord], 0);
    EXPECT_EQ(counters[38 - kFirstCounterWord], 0);
    EXPECT_NE(counters[36 - kFirstCounterWord].value_or(0), 0);
}

// Bit 12 of word 22 names the controller's own tick clock; a write does not change it.
TEST(SimParameters, KeepTheirOwnClockBitInWord22)
{
    for (const bool fast : {false, true}) {
        SimRig rig(Controller([fast](auto& o) { o.fastClock = fast; }));
        const quint16 own = fast ? kFastClockBit : 0;
        EXPECT_EQ(readWord(rig, 22), 0x0020 | own);
        WriteParameter(rig.cmds, 22, 0x8020 | (own ^ kFastClockBit));
        EXPECT_EQ(readWord(rig, 22), 0x8020 | own) << fast;
    }
}

// Indexes beyond the 64 words read as 0 in a proper reply, and writes there go nowhere.
TEST(SimParameters, IndexesBeyondTheTableAreHarmless)
{
    SimRig rig;
    for (const int index : {64, 200, 255}) {
        WriteParameter(rig.cmds, quint8(index), 0x1234);
        rig.cmds.ReadParameter(quint8(index));
        rig.link.CollectReply(kWordReplyLength);
        ASSERT_TRUE(AcceptWord(rig.link.CurrentReply(), quint8(index))) << index;
        EXPECT_EQ(ReplyWordValue(rig.link.CurrentReply()), 0) << index;
    }
}

// The working-time counters grow by the seconds the engine runs on its current fuel.
TEST(SimParameters, CountersGrowWhileTheEngineRuns)
{
    SimRig rig;
    auto seconds = [&rig](int high) {
        const auto c = ReadCounterWords(rig.cmds);
        return (quint32(*c[size_t(high - kFirstCounterWord)]) << 16) | *c[size_t(high + 1 - kFirstCounterWord)];
    };
    const quint32 petrol = seconds(35);
    const quint32 gas = seconds(37);
    rig.clock.advanceUs(10'000'000);
    EXPECT_EQ(seconds(35), petrol + 10);
    EXPECT_EQ(seconds(37), gas);
}

} // namespace
} // namespace zantrel::sim::test
