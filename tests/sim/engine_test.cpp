#include "SimRig.h"

#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "live/LiveConversions.h"
#include "sim/FuelSwitch.h"

#include <gtest/gtest.h>

namespace zantrel::sim::test {
namespace {

constexpr int kIgnition = 2;

struct ChangeOverCase {
    const char* name;
    ChangeOverInputs in;
    bool gas;
    friend void PrintTo(const ChangeOverCase& c, std::ostream* os) { *os << c.name; }
};

class SimChangeOver : public ::testing::TestWithParam<ChangeOverCase> {};

TEST_P(SimChangeOver, FollowsTheTemperatureAndSpeedRules)
{
    EXPECT_EQ(MayChangeOverToGas(GetParam().in), GetParam().gas);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SimChangeOver,
    ::testing::Values(ChangeOverCase{"WarmAndFast", {35, 35, 1501, 1500, false, false}, true},
                      ChangeOverCase{"OneDegreeShort", {34, 35, 3000, 1500, false, false}, false},
                      ChangeOverCase{"SpeedAtTheThreshold", {60, 35, 1500, 1500, false, false}, false},
                      ChangeOverCase{"NegativeThreshold", {-5, -10, 900, 800, false, false}, true},
                      ChangeOverCase{"LowPressureRemembered", {60, 35, 3000, 1500, true, false}, false},
                      ChangeOverCase{"LowPressureNow", {60, 35, 3000, 1500, false, true}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Through the protocol: "A", "G" and "B" with the change-over words written by the
// program. The idle scenario turns at about 830 rpm and the reducer starts at 15 C.
struct ProtocolCase {
    const char* name;
    char mode;
    int minReducerC;
    int changeOverRpm;
    bool gas;
    friend void PrintTo(const ProtocolCase& c, std::ostream* os) { *os << c.name; }
};

class SimFuelMode : public ::testing::TestWithParam<ProtocolCase> {};

TEST_P(SimFuelMode, FollowsTheCommandAndTheRules)
{
    const ProtocolCase& c = GetParam();
    SimRig rig;
    WriteParameter(rig.cmds, 5, c.minReducerC);
    WriteParameter(rig.cmds, 14, int(RpmToPeriod(c.changeOverRpm, kIgnition)));
    rig.link.SendFrame(BuildFrame(c.mode));
    rig.clock.advanceUs(100'000);
    const LiveWords w = rig.live();
    EXPECT_EQ(w[live::kFuelState], c.gas ? 1 : 0);
    EXPECT_EQ(w[live::kGasTime[0]] != 0, c.gas);
    EXPECT_NE(w[live::kPetrolTime[0]], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimFuelMode,
    ::testing::Values(ProtocolCase{"AutoAtTheTemperature", 'A', 15, 700, true},
                      ProtocolCase{"GasAtTheTemperature", 'G', 15, 700, true},
                      ProtocolCase{"TooCold", 'A', 16, 700, false},
                      ProtocolCase{"IdleBelowTheChangeOverSpeed", 'G', 10, 900, false},
                      ProtocolCase{"Petrol", 'B', 10, 700, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Once on gas the engine stays there at idle; petrol is commanded with "B".
TEST(SimFuelSwitch, StaysOnGasUntilPetrolIsCommanded)
{
    SimRig rig;
    WriteParameter(rig.cmds, 5, 10);
    WriteParameter(rig.cmds, 14, int(RpmToPeriod(700, kIgnition)));
    rig.clock.advanceUs(100'000);
    ASSERT_EQ(rig.live()[live::kFuelState], 1);
    WriteParameter(rig.cmds, 14, int(RpmToPeriod(1500, kIgnition)));
    rig.clock.advanceUs(5'000'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 1);
    rig.link.SendFrame(BuildFrame('B'));
    rig.clock.advanceUs(100'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 0);
}

// A remembered low pressure keeps gas off until "X" clears it; a current one drops
// back to petrol.
TEST(SimFuelSwitch, LowPressureBlocksGasUntilCleared)
{
    SimRig rig;
    WriteParameter(rig.cmds, 5, 10);
    WriteParameter(rig.cmds, 14, int(RpmToPeriod(700, kIgnition)));
    rig.model.setErrors(0x0001);
    rig.clock.advanceUs(100'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 0);
    rig.model.setErrors(0);
    rig.link.SendFrame(BuildFrame('G'));
    rig.clock.advanceUs(100'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 0);
    rig.link.SendFrame(BuildFrame('X'));
    rig.clock.advanceUs(100'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 1);
    rig.model.setErrors(0x0001);
    rig.clock.advanceUs(100'000);
    EXPECT_EQ(rig.live()[live::kFuelState], 0);
}

// With the factory settings the reducer must warm to 35 C and the engine pass
// 1500 rpm before gas; the drive scenario does both within two minutes.
TEST(SimEngine, WarmsUpAndChangesOverOnTheFactorySettings)
{
    SimRig rig(Controller([](auto& o) { o.scenario = Scenario::Drive; }));
    bool changedOver = false;
    for (int s = 0; s < 120 && !changedOver; ++s) {
        const LiveWords w = rig.live();
        if (w[live::kFuelState] == 1) {
            changedOver = true;
            EXPECT_GE(TemperatureFromWord(w[live::kReducerTemperature]), 35);
            EXPECT_GT(s, 10) << "a cold reducer must not take gas";
        }
        const int rpm = PeriodToRpm(w[live::kSpeedPeriod], kIgnition);
        EXPECT_GE(rpm, 1550);
        EXPECT_LE(rpm, 3450);
        rig.clock.advanceUs(1'000'000);
    }
    EXPECT_TRUE(changedOver);
    EXPECT_GT(TemperatureFromWord(rig.live()[live::kGasTemperature]), 15);
    EXPECT_GT(PressureFromCounts(rig.live()[live::kPressure]), 1.0f);
}

// Gas times follow the petrol times by the correction the map kind selects, per
// cylinder, and a cylinder whose gas injector is masked off gets none.
TEST(SimEngine, GasTimesFollowTheCorrectionAndTheMask)
{
    SimRig rig;
    WriteParameter(rig.cmds, 5, 10);
    WriteParameter(rig.cmds, 14, int(RpmToPeriod(700, kIgnition)));
    rig.clock.advanceUs(100'000);

    auto ratio = [](const LiveWords& w, int cylinder) {
        return double(w[size_t(live::kGasTime[size_t(cylinder)])]) / w[size_t(live::kPetrolTime[size_t(cylinder)])];
    };
    LiveWords w = rig.live();
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(ratio(w, c), 1.15, 0.005) << "no map: the enrichment of word 1";

    // Idle at about 830 rpm and 2.6 ms: column 1 (up to 1000 rpm), row 3 (2 to 3 ms),
    // the upper half of map-bank word 19.
    WriteParameter(rig.cmds, 47, 1 << 2);
    WriteMapCellSequence(rig.cmds, 2, 0, 130, 19, (130 << 8) | 115);
    w = rig.live();
    for (int c = 0; c < 4; ++c)
        EXPECT_NEAR(ratio(w, c), 1.30, 0.005) << "map cell, cylinder " << c + 1;

    rig.link.SendFrame(BuildFrame('O', 0x0102));
    w = rig.live();
    EXPECT_EQ(w[live::kInjectorMask], 0x0102);
    EXPECT_EQ(w[live::kGasTime[1]], 0);
    EXPECT_NE(w[live::kGasTime[0]], 0);
    EXPECT_NE(w[live::kPetrolTime[1]], 0);
}

// Current errors are remembered; "X" empties the memory of what has gone.
TEST(SimEngine, ErrorFlagsAreRememberedUntilCleared)
{
    SimRig rig;
    rig.model.setErrors(0x0404, 0x0005);
    LiveWords w = rig.live();
    EXPECT_EQ(w[live::kErrors], 0x0404);
    EXPECT_EQ(w[live::kStoredErrors], 0x0404);
    EXPECT_EQ(w[live::kFaultyInjectors], 0x0005);

    rig.link.SendFrame(BuildFrame('X'));
    rig.clock.advanceUs(20'000);
    EXPECT_EQ(rig.live()[live::kStoredErrors], 0x0404) << "still present, so remembered again";

    rig.model.setErrors(0);
    rig.clock.advanceUs(20'000);
    w = rig.live();
    EXPECT_EQ(w[live::kErrors], 0);
    EXPECT_EQ(w[live::kStoredErrors], 0x0404);
    rig.link.SendFrame(BuildFrame('X'));
    EXPECT_EQ(rig.live()[live::kStoredErrors], 0);
}

// The injection times are counted with the clock that bit 12 of word 22 names: the
// same engine reads the same milliseconds either way.
TEST(SimEngine, InjectionTicksFollowTheClockBit)
{
    SimRig slow;
    SimRig fast(Controller([](auto& o) { o.fastClock = true; }));
    slow.model.advanceMs(3'000);
    fast.model.advanceMs(3'000);
    const LiveWords s = slow.live();
    const LiveWords f = fast.live();
    EXPECT_NEAR(f[live::kPetrolTime[0]], 8.0 * s[live::kPetrolTime[0]], 8.0);
    EXPECT_NEAR(TicksToMs(f[live::kPetrolTime[0]], true), TicksToMs(s[live::kPetrolTime[0]], false), 0.005);
}

TEST(SimEngine, CylinderCountShapesTheRecordAndTheIdentity)
{
    for (const int cylinders : {4, 8}) {
        SimRig rig(Controller([cylinders](auto& o) { o.cylinders = cylinders; }));
        const LiveWords w = rig.live();
        for (int c = 0; c < live::kCylinders; ++c)
            EXPECT_EQ(w[size_t(live::kPetrolTime[size_t(c)])] != 0, c < cylinders) << cylinders << " " << c;
        const std::optional<ControllerIdentity> id = ReadIdentify(rig.cmds);
        ASSERT_TRUE(id);
        EXPECT_EQ(id->cylinders(), cylinders == 8 ? QStringLiteral("8") : QStringLiteral("3-4"));
        EXPECT_EQ(id->variant(), 4);
    }
}

TEST(SimEngine, TemperaturesBelowZeroAreTwosComplement)
{
    SimRig rig(Controller([](auto& o) { o.ambientC = -10.0; }));
    const LiveWords w = rig.live();
    EXPECT_EQ(w[live::kGasTemperature], 0xFFF6);
    EXPECT_EQ(TemperatureFromWord(w[live::kReducerTemperature]), -10);
}

TEST(SimEngine, RunsAreRepeatable)
{
    const ControllerOptions stab = Controller([](auto& o) { o.scenario = Scenario::Stab; });
    SimRig a(stab);
    SimRig b(stab);
    for (int i = 0; i < 50; ++i) {
        a.clock.advanceUs(237'000);
        b.clock.advanceUs(237'000);
        ASSERT_EQ(a.live(), b.live()) << i;
    }
}

// The stab scenario revs from idle to above 4000 rpm with a long petrol time, and back.
TEST(SimEngine, StabScenarioRevsAndReturnsToIdle)
{
    SimRig rig(Controller([](auto& o) { o.scenario = Scenario::Stab; }));
    int highest = 0;
    float longest = 0;
    for (int ms = 0; ms < 10'000; ms += 100) {
        const LiveWords w = rig.live();
        highest = std::max(highest, PeriodToRpm(w[live::kSpeedPeriod], kIgnition));
        longest = std::max(longest, TicksToMs(w[live::kPetrolTime[0]], false));
        rig.clock.advanceUs(100'000);
    }
    EXPECT_GT(highest, 4000);
    EXPECT_GT(longest, 10.0f);
    EXPECT_LT(PeriodToRpm(rig.live()[live::kSpeedPeriod], kIgnition), 1000);
}

} // namespace
} // namespace zantrel::sim::test
