#include "config/ConfigBitFields.h"
#include "config/ParameterUnits.h"
#include "image/ControllerIdentity.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/VirtualClock.h"
#include "service/DeviceData.h"
#include "service/ExtraIdleCorrection.h"
#include "service/ReserveThresholdEntry.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zantrel::test {
namespace {

TEST(DeviceData, TextsOfTheIdentity)
{
    EXPECT_EQ(DeviceTextsOf({0x43, 37}), (DeviceTexts{"d.4", "S.37", "3-4cyl."}));
    EXPECT_EQ(DeviceTextsOf({0x83, 37}).cylinders, "8");
    EXPECT_EQ(DeviceTextsOf({0x10, 5}), (DeviceTexts{"d.1", "S.5", "0-1cyl."}));
}

TEST(DeviceData, TheSerialFieldTakesAWholeNumberOfWhichSixteenBitsTravel)
{
    EXPECT_EQ(SerialNumberEntry("12345"), 12345);
    EXPECT_EQ(SerialNumberEntry(" 70000 "), 4464);
    EXPECT_EQ(SerialNumberEntry("-1"), 0xFFFF);
    for (const char* text : {"", "1a", "1,5", "0x10", "--2"})
        EXPECT_FALSE(SerialNumberEntry(text)) << text;
}

class FactoryFrames : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(link.OpenPort()); }
    QStringList run(LinkJob job)
    {
        EXPECT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);
        return clock.trace();
    }

    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    ParameterTable table;
};

TEST_F(FactoryFrames, TheSerialNumberIsWrittenAndReadBack)
{
    io.onWrite = [this](const QByteArray& f) {
        if (f.at(0) == 'P')
            io.deliver(QByteArray("e\x3d\x11\x70") + '\0' + ';', 300);
    };
    auto back = std::make_shared<WordReadout>();
    LinkJob job;
    WriteSerialNumber(job, *SerialNumberEntry("70000"));
    ReadSerialNumber(job, back);
    const QStringList t = run(std::move(job));
    EXPECT_EQ(t.mid(0, 5), (QStringList{"10ms", "M 3d 00 00", "30ms", "U 3d 11 70", "10ms"}));
    EXPECT_EQ(t.at(5), "P 3d 00 00");
    EXPECT_EQ(*back, 4464);
}

TEST_F(FactoryFrames, ThresholdsAreSavedAsVoltageCodesWithTheDirection)
{
    EXPECT_EQ(LimitedThresholdVolts(0, 7.5), 5.0);
    EXPECT_EQ(LimitedThresholdVolts(2, -1.0), 0.0);
    EXPECT_EQ(LimitedThresholdVolts(3, 0.0), 0.01);
    EXPECT_EQ(ThresholdText(4.5, u','), "4,50");

    table.StoreReceived(kFlagsAWord, 0x8020);
    table[ParameterTable::kShadow22] = 0x8020;
    StoreThresholds(table, {4.58, 1.5, 9.0, 0.0}, 1);
    EXPECT_EQ(table[30], 3751); // 4.58 V, truncated
    EXPECT_EQ(table[32], 4095); // held to 5 V
    EXPECT_EQ(table[33], 8);    // held to 0.01 V
    EXPECT_EQ(table.word(kFlagsAWord), 0x8420);
    EXPECT_EQ(*ParameterText(table, 30, u','), "4,58");

    LinkJob job;
    WriteThresholds(job, table);
    const QStringList t = run(std::move(job));
    EXPECT_EQ(t.mid(0, 6), (QStringList{"10ms", "K 16 00 00", "30ms", "E 16 84 20", "20ms", "D 16 84 20"}));
    EXPECT_EQ(t.mid(6, 6), (QStringList{"10ms", "K 1e 00 00", "30ms", "E 1e 0e a7", "20ms", "D 1e 0e a7"}));
    EXPECT_EQ(t.size(), 5 * 6);
}

// Word 22 holds every other flag of the controller: without a read there is none to
// carry the direction, and only the thresholds go out.
TEST_F(FactoryFrames, ThresholdsWithoutWord22WriteOnlyTheirOwnWords)
{
    StoreThresholds(table, {4.0, 3.0, 2.0, 1.0}, 0);
    EXPECT_EQ(table.word(kFlagsAWord), 0);
    LinkJob job;
    WriteThresholds(job, table);
    run(std::move(job));
    const QStringList frames = clock.frames();
    ASSERT_EQ(frames.size(), 4 * 3);
    EXPECT_EQ(frames.front(), "K 1e 00 00");
}

TEST_F(FactoryFrames, TheExtraCorrectionIsHeldToFourMilliseconds)
{
    ASSERT_TRUE(StoreExtraCorrection(table, -6.0, {true, false, false, false, false, true, false, true}));
    EXPECT_NEAR(*UserValue(table, 52), -4.0, 0.01);
    EXPECT_EQ(table.word(kExtraCorrectionWord), 0xA1);
    EXPECT_EQ(ExtraCorrectionInjectors(table), (InjectorSelection{true, false, false, false, false, true, false, true}));
    EXPECT_FALSE(StoreExtraCorrection(table, std::nan(""), {}));

    LinkJob job;
    WriteExtraCorrection(job, table);
    const QStringList t = run(std::move(job));
    const QString raw = QStringLiteral("%1 %2")
                            .arg(HighByte(table[52]), 2, 16, QLatin1Char('0'))
                            .arg(LowByte(table[52]), 2, 16, QLatin1Char('0'));
    EXPECT_EQ(t, (QStringList{"10ms", "K 34 00 00", "30ms", "E 34 " + raw, "20ms", "D 34 " + raw, "10ms",
                              "K 33 00 00", "30ms", "E 33 00 a1", "20ms", "D 33 00 a1", "10ms"}));
}

} // namespace
} // namespace zantrel::test
