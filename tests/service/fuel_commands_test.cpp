#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/VirtualClock.h"
#include "live/LiveRecord.h"
#include "service/FuelCommands.h"
#include "service/FuelModeIndicator.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

class FuelCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.OpenPort()); }

    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    EcuCommands cmds{link};
    LiveRecord record;
};

struct CommandCase {
    quint16 remembered;
    FuelCommand command;
    QStringList trace;
};

// "X" goes first, with no pause, only before "A" and "G" and only for a remembered
// error 1; other remembered errors and current ones do not clear the memory.
TEST_F(FuelCommandsTest, ARememberedLowPressureIsClearedBeforeAutomaticAndGas)
{
    const CommandCase cases[] = {
        {0x0001, FuelCommand::Gas, {"X 00 00 00", "G 00 00 00"}},
        {0x0001, FuelCommand::Automatic, {"X 00 00 00", "A 00 00 00"}},
        {0x0001, FuelCommand::Petrol, {"B 00 00 00"}},
        {0x0000, FuelCommand::Gas, {"G 00 00 00"}},
        {0xFFFE, FuelCommand::Gas, {"G 00 00 00"}},
        {0xFFFE, FuelCommand::Automatic, {"A 00 00 00"}},
    };
    for (const CommandCase& c : cases) {
        clock.clearEvents();
        record[live::kStoredErrors] = c.remembered;
        record[live::kErrors] = 0x0001;
        SendFuelCommand(cmds, record, c.command);
        EXPECT_EQ(clock.trace(), c.trace) << c.remembered << " " << int(c.command);
    }
}

TEST_F(FuelCommandsTest, TheToggleGoesToPetrolOnGasAndToGasOtherwise)
{
    record[live::kStoredErrors] = 0x0001;
    EXPECT_EQ(ToggleFuel(cmds, record, true), FuelCommand::Petrol);
    EXPECT_EQ(ToggleFuel(cmds, record, false), FuelCommand::Gas);
    EXPECT_EQ(clock.trace(), (QStringList{"B 00 00 00", "X 00 00 00", "G 00 00 00"}));
}

TEST(FuelModeIndicator, FollowsWord16AndKeepsTheOnGasFlag)
{
    FuelModeIndicator indicator;
    LiveRecord record;
    EXPECT_FALSE(indicator.OnGas());

    record[live::kFuelState] = 1;
    EXPECT_EQ(indicator.Show(record),
              (FuelModeDisplay{true, Text::Lpg, Text::FuelGas, FuelFace::Menu, FuelFace::Menu, FuelFace::Gas}));
    EXPECT_TRUE(indicator.OnGas());

    // Only the value 1 means gas.
    for (const quint16 state : {0, 2, 0x0101}) {
        record[live::kFuelState] = state;
        EXPECT_EQ(indicator.Show(record), (FuelModeDisplay{false, Text::Petrol, Text::FuelPetrol, FuelFace::Petrol,
                                                           FuelFace::Menu, FuelFace::Menu}))
            << state;
        EXPECT_FALSE(indicator.OnGas());
    }

    // "A" colours the automatic button alone and leaves the flag to the records.
    record[live::kFuelState] = 1;
    indicator.Show(record);
    EXPECT_EQ(indicator.AutomaticCommanded(), (FuelModeDisplay{true, Text::Lpg, Text::FuelGas, FuelFace::Menu,
                                                               FuelFace::Automatic, FuelFace::Menu}));
    EXPECT_TRUE(indicator.OnGas());
}

} // namespace
} // namespace zantrel::test
