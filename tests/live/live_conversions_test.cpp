#include "live/LiveConversions.h"
#include "live/LiveWords.h"

#include "link/ReplyShapes.h"

#include <gtest/gtest.h>

#include <array>

namespace zantrel::test {
namespace {

struct SpeedCase {
    quint32 ticks;
    int ignitionType;
    int rpm;
};

class PeriodToRpmCases : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(PeriodToRpmCases, GivesAMultipleOf50)
{
    EXPECT_EQ(PeriodToRpm(GetParam().ticks, GetParam().ignitionType), GetParam().rpm);
}

INSTANTIATE_TEST_SUITE_P(Cases, PeriodToRpmCases,
                         ::testing::Values(SpeedCase{4608, 2, 1500}, SpeedCase{4608, 0, 6000}, SpeedCase{4608, 3, 1200},
                                           SpeedCase{4608, 1, 3000}, SpeedCase{4608, 4, 1000}, SpeedCase{4608, 5, 750},
                                           SpeedCase{4608, 6, 2000}, SpeedCase{65500, 0, 0}, SpeedCase{65500, 2, 0},
                                           SpeedCase{65499, 2, 100}, SpeedCase{4608, 7, 0}, SpeedCase{4608, -1, 0}));

TEST(RpmToPeriod, TruncatesTo50RpmAndRejectsWhatHasNoPeriod)
{
    EXPECT_EQ(RpmToPeriod(1520, 2), 4608u);
    EXPECT_EQ(RpmToPeriod(1500, 2), 4608u);
    EXPECT_EQ(RpmToPeriod(6500, 2), 1063u);
    EXPECT_EQ(RpmToPeriod(1500, 3), 3686u);
    for (const int rpm : {0, 49, -1500})
        EXPECT_EQ(RpmToPeriod(rpm, 2), 0u) << rpm;
    EXPECT_EQ(RpmToPeriod(1500, 7), 0u);
    for (int type = 0; type <= 6; ++type)
        EXPECT_EQ(PeriodToRpm(RpmToPeriod(3000, type), type), 3000) << type;
}

TEST(InjectionTime, FollowsTheClockBit)
{
    EXPECT_FLOAT_EQ(TicksToMs(288, false), 1.25f);
    EXPECT_FLOAT_EQ(TicksToMs(288, true), 0.15625f);
    EXPECT_FLOAT_EQ(SignedTicksToMs(-288, false), -1.25f);
    EXPECT_EQ(MsToTicks(2.0f, false), 460);
    EXPECT_EQ(MsToTicks(4.0f, false), 921);
    EXPECT_EQ(MsToTicks(4.0f, true), 7372);
    // Whole counts are not lost to rounding below them.
    EXPECT_EQ(MsToTicks(5.0f, false), 1152);
    EXPECT_EQ(MsToTicks(200.0f, false), 46080);
    EXPECT_EQ(MsToTicks(-1.25f, false), -288);
    EXPECT_TRUE(FastClockSelected(0x1020));
    EXPECT_FALSE(FastClockSelected(0xEFFF));
}

TEST(SensorWords, ConvertAsShownLive)
{
    EXPECT_EQ(TemperatureFromWord(0xFFF6), -10);
    EXPECT_EQ(TemperatureFromWord(0x10023), 35);
    EXPECT_NEAR(PressureFromCounts(1000), 1.0589, 0.0001);
    EXPECT_NEAR(LambdaVolts(4095), 5.0, 1e-6);
    EXPECT_NEAR(LambdaVolts(614), 0.75, 0.001);
}

// Wire word k is record index 31 - k: bytes 63 and 64 hold index 0.
TEST(LiveWords, ArriveInReverseOrder)
{
    std::array<quint8, kLiveReplyLength> reply{};
    reply[0] = 'V';
    reply[63] = 0x01;
    reply[64] = 0x20;
    reply[1] = 0xAB;
    reply[2] = 0xCD;
    const LiveWords words = DecodeLiveWords(reply);
    EXPECT_EQ(words[0], 288);
    EXPECT_EQ(words[31], 0xABCD);
    for (int i = 1; i < 31; ++i)
        EXPECT_EQ(words[size_t(i)], 0) << i;

    const auto encoded = EncodeLiveReply(words);
    EXPECT_EQ(encoded[63], 0x01);
    EXPECT_EQ(encoded[64], 0x20);
    EXPECT_EQ(encoded[65], quint8(0x01 + 0x20 + 0xAB + 0xCD));
    EXPECT_EQ(encoded[66], ';');
    EXPECT_TRUE(LiveChecksumOk({encoded, true}));
    EXPECT_EQ(DecodeLiveWords(encoded), words);
}

} // namespace
} // namespace zantrel::test
