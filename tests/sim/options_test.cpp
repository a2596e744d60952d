#include "sim/Faults.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

namespace zantrel::sim::test {
namespace {

struct FaultText {
    const char* text;
    bool ok;
    FaultMode mode;
    double rate;
    int afterFrames;
    friend void PrintTo(const FaultText& c, std::ostream* os) { *os << c.text; }
};

class SimFaultSpec : public ::testing::TestWithParam<FaultText> {};

TEST_P(SimFaultSpec, ParsesModeAndRate)
{
    const FaultText& c = GetParam();
    QString error;
    const std::optional<FaultSpec> spec = ParseFaultSpec(QLatin1String(c.text), &error);
    ASSERT_EQ(spec.has_value(), c.ok) << c.text;
    if (!c.ok) {
        EXPECT_FALSE(error.isEmpty());
        return;
    }
    EXPECT_EQ(spec->mode, c.mode);
    EXPECT_DOUBLE_EQ(spec->rate, c.rate);
    EXPECT_EQ(spec->afterFrames, c.afterFrames);
}

INSTANTIATE_TEST_SUITE_P(Texts, SimFaultSpec,
                         ::testing::Values(FaultText{"no-reply", true, FaultMode::NoReply, 1.0, 0},
                                           FaultText{"garbage:0.25", true, FaultMode::Garbage, 0.25, 0},
                                           FaultText{"late:1", true, FaultMode::LateReply, 1.0, 0},
                                           FaultText{"disconnect:12", true, FaultMode::Disconnect, 1.0, 12},
                                           FaultText{"trickle:0", false, FaultMode::Trickle, 0, 0},
                                           FaultText{"trickle:1.5", false, FaultMode::Trickle, 0, 0},
                                           FaultText{"wrong-echo:half", false, FaultMode::WrongEcho, 0, 0},
                                           FaultText{"disconnect", false, FaultMode::Disconnect, 0, 0},
                                           FaultText{"disconnect:0", false, FaultMode::Disconnect, 0, 0},
                                           FaultText{"meltdown", false, FaultMode::NoReply, 0, 0}));

// A rate spreads the fault evenly over the replies; writes are not counted.
TEST(SimFaultRate, StrikesEveryNthReply)
{
    FaultInjector faults({{FaultMode::NoReply, 0.25}});
    int suppressed = 0;
    for (int i = 0; i < 100; ++i) {
        suppressed += faults.shape(QByteArray("d\x01\x00\x02\x67;", 6)).bytes.isEmpty() ? 1 : 0;
        faults.shape(QByteArray()); // a write in between
    }
    EXPECT_EQ(suppressed, 25);
    EXPECT_EQ(faults.injected(), 25);
}

TEST(SimOptionsLine, TakesEveryOption)
{
    const ParsedSimOptions p = ParseSimOptions(
        {"zantrel-ecusim", "--link", "/tmp/ecu", "--baud-delay", "--trace", "t.txt", "--fault", "garbage:0.5",
         "--fault", "disconnect:9", "--unprogrammed", "--erased-car-data", "--scenario", "stab", "--cylinders", "6",
         "--fast-clock", "--errors", "0x0401"});
    ASSERT_TRUE(p.options) << p.message.toStdString();
    const SimOptions& o = *p.options;
    EXPECT_EQ(o.linkPath, QStringLiteral("/tmp/ecu"));
    EXPECT_EQ(o.tracePath, QStringLiteral("t.txt"));
    EXPECT_TRUE(o.line.wireTime);
    ASSERT_EQ(o.line.faults.size(), 2u);
    EXPECT_EQ(o.line.faults[1].afterFrames, 9);
    EXPECT_TRUE(o.controller.unprogrammed);
    EXPECT_TRUE(o.controller.erasedCarData);
    EXPECT_TRUE(o.controller.fastClock);
    EXPECT_EQ(o.controller.scenario, Scenario::Stab);
    EXPECT_EQ(o.controller.cylinders, 6);
    EXPECT_EQ(o.errors, 0x0401);
}

TEST(SimOptionsLine, RejectsBadArgumentsWithOneLine)
{
    for (const QStringList& args : {QStringList{"--scenario", "rally"}, {"--cylinders", "9"}, {"--cylinders", "x"},
                                    {"--errors", "10000"}, {"--fault", "garbage:2"}, {"--bogus"}, {"extra"},
                                    {"--link"}}) {
        const ParsedSimOptions p = ParseSimOptions(QStringList{"zantrel-ecusim"} + args);
        EXPECT_FALSE(p.options) << args.join(' ').toStdString();
        EXPECT_TRUE(p.isError);
        EXPECT_FALSE(p.message.isEmpty());
        EXPECT_FALSE(p.message.trimmed().contains('\n')) << p.message.toStdString();
    }
}

} // namespace
} // namespace zantrel::sim::test
