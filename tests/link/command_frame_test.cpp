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
    CommandFrame frame;
    std::array<quint8, 6> bytes;
};

class CommandFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(CommandFrameTest, BuildsExactBytes)
{
    EXPECT_EQ(GetParam().frame.bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandFrameTest,
    ::testing::Values(FrameCase{"ReadParam35", BuildFrame('d', 35), {0x64, 0x23, 0x00, 0x00, 0x87, 0x3B}},
                      FrameCase{"ParamValue41", BuildFrame('E', 41, 30), {0x45, 0x29, 0x00, 0x1E, 0x8C, 0x3B}},
                      FrameCase{"ExtendedChecksumWraps", BuildFrame('U', 200, 0xFF, 0xFF),
                                {0x55, 0xC8, 0xFF, 0xFF, 0x1B, 0x3B}},
                      FrameCase{"CurvePointRepeatsIndex", BuildFrame('!', 3, 97), {0x21, 0x03, 0x03, 0x61, 0x88, 0x3B}},
                      FrameCase{"InjectorMaskWord", BuildFrame('O', 0x00FE), {0x4F, 0x00, 0x00, 0xFE, 0x4D, 0x3B}},
                      FrameCase{"NegativeValueTwosComplement", BuildFrame('E', 3, -5),
                                {0x45, 0x03, 0xFF, 0xFB, 0x42, 0x3B}},
                      FrameCase{"LiveHasNoArguments", BuildFrame('V', 7, 7, 7), {0x56, 0x00, 0x00, 0x00, 0x56, 0x3B}},
                      FrameCase{"MapCellTwoBytes", BuildFrame('L', 11, 6), {0x4C, 0x0B, 0x06, 0x00, 0x5D, 0x3B}},
                      FrameCase{"TempCorrectionIndexTwiceByte", BuildFrame('^', 5, 0x80),
                                {0x5E, 0x05, 0x05, 0x80, 0xE8, 0x3B}},
                      FrameCase{"EmissionIndexAndWord", BuildFrame('Q', 2, 0x1234), {0x51, 0x02, 0x12, 0x34, 0x99, 0x3B}}),
    [](const auto& info) { return std::string(info.param.name); });

// The single frames go out as built, one write each.
TEST(EcuCommands, SendWritesTheBuiltFrame)
{
    VirtualClock clock;
    test::ScriptedSerialIo io(clock);
    EcuLink link(io, clock);
    ASSERT_TRUE(link.OpenPort());
    EcuCommands cmds(link);
    EXPECT_TRUE(cmds.SetInjectorMask(0x00FE));
    EXPECT_TRUE(cmds.ReadParameter(35));
    EXPECT_EQ(clock.frames(), (QStringList{"O 00 00 fe", "d 23 00 00"}));
}

TEST(CommandTable, EveryCommandIsUniqueAndReadsHaveACount)
{
    std::set<char> seen;
    for (const CommandSpec& spec : CommandTable()) {
        EXPECT_TRUE(seen.insert(spec.command).second) << spec.command;
        EXPECT_EQ(spec.reply == ReplyShape::None, spec.expectedCount == 0) << spec.command;
    }
    EXPECT_EQ(seen.size(), 30u);
}

} // namespace
} // namespace zantrel
