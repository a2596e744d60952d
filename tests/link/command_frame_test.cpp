#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/VirtualClock.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace zantrel {
namespace {

struct FrameCase {
    const char* name;
    std::function<bool(EcuCommands&)> send;
    std::array<quint8, 6> bytes;
};

class CommandFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(CommandFrameTest, SendsExactBytes)
{
    VirtualClock clock;
    test::ScriptedSerialIo io(clock);
    EcuLink link(io, clock);
    ASSERT_TRUE(link.OpenPort());
    EcuCommands cmds(link);
    QByteArray written;
    io.onWrite = [&](const QByteArray& f) { written += f; };

    EXPECT_TRUE(GetParam().send(cmds));
    const auto& b = GetParam().bytes;
    EXPECT_EQ(written, QByteArray(reinterpret_cast<const char*>(b.data()), 6));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandFrameTest,
    ::testing::Values(
        FrameCase{"ReadParam35", [](EcuCommands& c) { return c.ReadParameter(35); },
                  {0x64, 0x23, 0x00, 0x00, 0x87, 0x3B}},
        FrameCase{"ParamValue41", [](EcuCommands& c) { return c.ParameterValue(41, 30); },
                  {0x45, 0x29, 0x00, 0x1E, 0x8C, 0x3B}},
        FrameCase{"ExtendedChecksumWraps", [](EcuCommands& c) { return c.ExtendedValue(200, 0xFFFF); },
                  {0x55, 0xC8, 0xFF, 0xFF, 0x1B, 0x3B}},
        FrameCase{"CurvePointRepeatsIndex", [](EcuCommands& c) { return c.WriteCurvePoint(3, 97); },
                  {0x21, 0x03, 0x03, 0x61, 0x88, 0x3B}},
        FrameCase{"InjectorMaskWord", [](EcuCommands& c) { return c.SetInjectorMask(0x00FE); },
                  {0x4F, 0x00, 0x00, 0xFE, 0x4D, 0x3B}},
        FrameCase{"NegativeValueTwosComplement", [](EcuCommands& c) { return c.ParameterValue(3, -5); },
                  {0x45, 0x03, 0xFF, 0xFB, 0x42, 0x3B}},
        FrameCase{"LiveHasNoArguments", [](EcuCommands& c) { return c.ReadLive(); },
                  {0x56, 0x00, 0x00, 0x00, 0x56, 0x3B}},
        FrameCase{"MapCellTwoBytes", [](EcuCommands& c) { return c.ReadMapCell(11, 6); },
                  {0x4C, 0x0B, 0x06, 0x00, 0x5D, 0x3B}},
        FrameCase{"TempCorrectionIndexTwiceByte", [](EcuCommands& c) { return c.WriteTempCorrection(5, 0x80); },
                  {0x5E, 0x05, 0x05, 0x80, 0xE8, 0x3B}},
        FrameCase{"EmissionIndexAndWord", [](EcuCommands& c) { return c.WriteEmission(2, 0x1234); },
                  {0x51, 0x02, 0x12, 0x34, 0x99, 0x3B}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandTable, EveryCommandIsUniqueAndReadsHaveACount)
{
    std::set<char> seen;
    for (const CommandSpec& spec : CommandTable()) {
        EXPECT_TRUE(seen.insert(spec.command).second) << spec.command;
        EXPECT_EQ(spec.reply == ReplyShape::None, spec.expectedCount == 0) << spec.command;
    }
    EXPECT_EQ(seen.size(), 30u);
}

TEST(CommandTable, TemperatureWritesBeyondTheTableSendNothing)
{
    VirtualClock clock;
    test::ScriptedSerialIo io(clock);
    EcuLink link(io, clock);
    ASSERT_TRUE(link.OpenPort());
    EcuCommands cmds(link);

    EXPECT_FALSE(cmds.WriteTempBreakpoint(5, 1));
    EXPECT_FALSE(cmds.WriteTempCorrection(6, 1));
    EXPECT_TRUE(clock.frames().isEmpty());
    EXPECT_TRUE(cmds.WriteTempBreakpoint(4, 1));
    EXPECT_EQ(clock.frames(), QStringList{"% 04 04 01"});
}

} // namespace
} // namespace zantrel
