#include "maps/MapTabClick.h"

#include "image/ParameterTable.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/StepTimer.h"
#include "link/VirtualClock.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

using namespace zantrel;
using zantrel::PauseStepTimer;

TEST(MapTabClick, SetsTheMapKindInTheShadowKeepsOtherBitsAndWritesWord47)
{
    const struct {
        qint32 shadow;
        qint32 word;
        QString value;
    } cases[] = {
        {0x0000, 0x0004, QStringLiteral("00 04")},
        {0x000C, 0x0004, QStringLiteral("00 04")}, // kind 3 -> 1: bit 3 is cleared
        {0x0008, 0x0004, QStringLiteral("00 04")},
        {0xFFFF, 0xFFF7, QStringLiteral("ff f7")},
        {0x8013, 0x8017, QStringLiteral("80 17")},
    };
    for (const auto& c : cases) {
        VirtualClock clock;
        test::ScriptedSerialIo io(clock);
        EcuLink link(io, clock);
        ASSERT_TRUE(link.OpenPort());
        PauseStepTimer timer(clock);
        LinkGate gate(link, timer);
        ParameterTable table;
        table[ParameterTable::kShadow47] = c.shadow;
        table[47] = 0x1234;

        EXPECT_TRUE(SelectLoadRpmMapOnTabClick(table, gate));

        EXPECT_EQ(table[ParameterTable::kShadow47], c.word);
        EXPECT_EQ(table[47], c.word);
        EXPECT_EQ(clock.trace(),
                  (QStringList{"10ms", "K 2f 00 00", "30ms", "E 2f " + c.value, "20ms", "D 2f " + c.value}))
            << std::hex << c.shadow;
    }
}

// While a job holds the link the click changes nothing and sends nothing.
TEST(MapTabClick, IsRefusedWhileAJobRuns)
{
    VirtualClock clock;
    test::ScriptedSerialIo io(clock);
    EcuLink link(io, clock);
    ASSERT_TRUE(link.OpenPort());
    PauseStepTimer timer(clock);
    timer.holding = true;
    LinkGate gate(link, timer);
    LinkJob job;
    job.Pause(30);
    ASSERT_TRUE(gate.Start(std::move(job), nullptr));
    ParameterTable table;
    table[ParameterTable::kShadow47] = 0x000C;

    EXPECT_FALSE(SelectLoadRpmMapOnTabClick(table, gate));
    EXPECT_EQ(table[ParameterTable::kShadow47], 0x000C);
    EXPECT_TRUE(clock.frames().isEmpty());
}
