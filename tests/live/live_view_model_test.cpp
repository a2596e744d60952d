#include "config/ConfigBitFields.h"
#include "config/ParameterWords.h"
#include "image/ParameterTable.h"
#include "live/LiveRecord.h"
#include "live/LiveTexts.h"
#include "live/LiveViewModel.h"

#include "support/LiveRecords.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

constexpr QChar kComma(u',');
constexpr QChar kPoint(u'.');

class LiveViewModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.StoreReceived(21, 2); // "4 Cyl.", as a read-all leaves it
        table[8] = 7000;
    }
    LiveViewModel view(const LiveRecord& r, QChar sep = kComma) { return ComputeLiveView(r, table, sep, state); }

    ParameterTable table;
    LiveViewState state;
};

TEST_F(LiveViewModelTest, ConvertsTheEngineWords)
{
    const LiveViewModel v = view(RecordOf({{0, 288}, {1, 300}, {24, 65535}, {13, 4608}, {18, 1000}, {14, 0xFFF6},
                                           {15, 35}, {17, 2000}, {16, 0}}));
    EXPECT_EQ(v.rpm, 1500);
    EXPECT_EQ(v.rpmText, "1500rpm");
    EXPECT_DOUBLE_EQ(v.rpmThousands, 1.5);
    EXPECT_EQ(v.pressureText, "1,06Bar");
    EXPECT_EQ(v.pressureNumber, "1,06");
    EXPECT_EQ(v.petrolTimes[0], "1,25ms");
    EXPECT_EQ(v.petrolTimes[1], "1,30ms");
    // Cylinder 8 is word 24; four significant digits, then zeros.
    EXPECT_EQ(v.petrolTimes[7], "284,40ms");
    EXPECT_EQ(v.petrolBars[7], 65535);
    EXPECT_EQ(v.injectionBarScale, 7000);
    EXPECT_EQ(v.reducerTemperatureText, "-10°C");
    EXPECT_EQ(v.gasTemperatureText, "35°C");
    EXPECT_EQ(v.levelVoltsText, "2,44 V");
}

// Before the ignition type has come from the controller no speed is shown: a guessed
// type would turn the same period into another speed.
TEST_F(LiveViewModelTest, NoSpeedUntilTheIgnitionTypeIsKnown)
{
    const LiveRecord r = RecordOf({{13, 4608}});
    table.ForgetKnown();
    table[21] = 2;
    const LiveViewModel unknown = view(r);
    EXPECT_EQ(unknown.rpm, 0);
    EXPECT_TRUE(unknown.rpmText.isEmpty());
    EXPECT_TRUE(unknown.rpmNumber.isEmpty());
    table.StoreReceived(21, 2);
    EXPECT_EQ(view(r).rpmNumber, "1500");
}

TEST_F(LiveViewModelTest, TimesFollowTheClockBitOfTheWord22Shadow)
{
    const LiveRecord r = RecordOf({{0, 288}});
    table[kFlagsAWord] = 0x1000; // the word itself does not count
    EXPECT_EQ(view(r).petrolTimes[0], "1,25ms");
    ASSERT_TRUE(SetShadowField(table, ConfigField::TickClock, 1));
    EXPECT_EQ(view(r).petrolTimes[0], "0,16ms");
}

// On petrol the gas words are not shown, whatever they hold; the texts are quoted as
// they stand, with a comma.
TEST_F(LiveViewModelTest, OnPetrolTheGasSideReadsZero)
{
    for (const QChar sep : {kComma, kPoint}) {
        const LiveViewModel v = view(RecordOf({{16, 0}, {0, 300}, {6, 360}, {7, 400}, {25, 500}, {26, 600}}), sep);
        for (int c = 0; c < live::kCylinders; ++c) {
            EXPECT_EQ(v.gasTimes[size_t(c)], "0,00ms") << c;
            EXPECT_EQ(v.gasBars[size_t(c)], 0) << c;
        }
        EXPECT_EQ(v.correctionText, "00,0%");
    }
}

struct CorrectionCase {
    quint16 petrol;
    quint16 gas;
    QChar separator;
    const char* text;
};

class CorrectionCases : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectionCases, OnGas)
{
    const CorrectionCase& c = GetParam();
    ParameterTable table;
    LiveViewState state;
    const LiveViewModel v = ComputeLiveView(RecordOf({{16, 1}, {0, c.petrol}, {6, c.gas}}), table, c.separator, state);
    EXPECT_EQ(v.correctionText, QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, CorrectionCases,
                         ::testing::Values(CorrectionCase{100, 120, kComma, "+20,0%"},
                                           CorrectionCase{100, 120, kPoint, "+20.0%"},
                                           CorrectionCase{100, 80, kComma, "-20,0%"},
                                           CorrectionCase{100, 100, kComma, "+0,0%"},
                                           CorrectionCase{300, 301, kComma, "+0,3%"},
                                           CorrectionCase{0, 120, kComma, "00.0%"},
                                           CorrectionCase{0, 0, kComma, "00.0%"},
                                           CorrectionCase{10, 1000, kComma, "+9900,0%"},
                                           CorrectionCase{100, 0, kComma, "-100,0%"},
                                           CorrectionCase{196, 201, kComma, "+2,6%"}));

TEST_F(LiveViewModelTest, OnGasTheGasTimesAreShown)
{
    const LiveViewModel v = view(RecordOf({{16, 1}, {0, 100}, {6, 288}, {11, 576}, {26, 145}}));
    EXPECT_EQ(v.gasTimes[0], "1,25ms");
    EXPECT_EQ(v.gasTimes[5], "2,50ms");
    EXPECT_EQ(v.gasTimes[7], "0,63ms");
    EXPECT_EQ(v.gasBars[5], 576);
}

TEST_F(LiveViewModelTest, PetrolMaximaAreKeptPerFuel)
{
    EXPECT_EQ(view(RecordOf({{0, 288}})).petrolMaxOnPetrol, "1,25ms");
    const LiveViewModel lower = view(RecordOf({{0, 100}}));
    EXPECT_FALSE(lower.petrolMaxOnPetrol);
    EXPECT_FALSE(lower.petrolMaxOnGas);
    // An equal time is shown again; on gas the other maximum starts from 0.
    EXPECT_EQ(view(RecordOf({{0, 288}})).petrolMaxOnPetrol, "1,25ms");
    const LiveViewModel onGas = view(RecordOf({{16, 1}, {0, 100}}));
    EXPECT_EQ(onGas.petrolMaxOnGas, "0,43ms");
    EXPECT_FALSE(onGas.petrolMaxOnPetrol);
    EXPECT_FLOAT_EQ(state.petrolMaxOnPetrol, 1.25f);
}

// A probe of type 0 is not connected: no value, and the display hides it.
TEST_F(LiveViewModelTest, LambdaOnlyForAConnectedProbe)
{
    table[55] = 0;
    table[56] = 3;
    const LiveViewModel v = view(RecordOf({{20, 614}, {19, 2048}}));
    EXPECT_FALSE(v.lambdaScale[0].connected);
    EXPECT_FALSE(v.lambda[0]);
    ASSERT_TRUE(v.lambda[1]);
    EXPECT_EQ(v.lambda[1]->text, "2,50V");
    EXPECT_EQ(v.lambdaScale[1].minimum, 1.5);
    EXPECT_EQ(v.lambdaScale[1].maximum, 4.0);
}

// The tank picture follows the reserve level on gas, is picture 0 otherwise, and is
// only given when it changes.
TEST_F(LiveViewModelTest, TankPictureOnlyWhenItChanges)
{
    const std::array<quint16, 4> sensor20kR{3750, 3400, 3100, 2200};
    for (int i = 0; i < 4; ++i)
        table[30 + i] = sensor20kR[size_t(i)];
    EXPECT_FALSE(view(RecordOf({{16, 0}, {17, 3000}})).tankPicture);
    EXPECT_EQ(view(RecordOf({{16, 1}, {17, 3000}})).tankPicture, 4);
    EXPECT_FALSE(view(RecordOf({{16, 1}, {17, 3050}})).tankPicture);
    EXPECT_EQ(view(RecordOf({{16, 1}, {17, 3800}})).tankPicture, 1);
    EXPECT_EQ(view(RecordOf({{16, 0}, {17, 3800}})).tankPicture, 0);
    EXPECT_EQ(state.shownLevelImage, 0);
}

TEST_F(LiveViewModelTest, FuelModeAndLampComeWithTheView)
{
    const LiveViewModel gas = view(RecordOf({{16, 1}, {22, 0x0002}}));
    EXPECT_EQ(gas.fuel.status, Text::Lpg);
    EXPECT_TRUE(state.fuelMode.OnGas());
    ASSERT_TRUE(gas.lamp);
    EXPECT_TRUE(gas.lamp->on);
    EXPECT_FALSE(view(RecordOf({{16, 1}, {22, 0x0001}})).lamp);
    EXPECT_EQ(view(RecordOf({{16, 2}})).fuel.status, Text::Petrol);
    EXPECT_FALSE(state.fuelMode.OnGas());
}

struct FixedCase {
    double value;
    int decimals;
    int significant;
    const char* text;
};

class FixedTextCases : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextCases, RoundsOnceAndPads)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedText(c.value, c.decimals, kComma, c.significant), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cases, FixedTextCases,
                         ::testing::Values(FixedCase{123.456, 2, 4, "123,50"}, FixedCase{12.346, 2, 4, "12,35"},
                                           FixedCase{1.0589, 2, 3, "1,06"}, FixedCase{0.004, 2, 4, "0,00"},
                                           FixedCase{99.96, 1, 3, "100,0"}, FixedCase{12345.6, 2, 4, "12350,00"},
                                           FixedCase{2.442, 2, 0, "2,44"}, FixedCase{0.85503, 2, 4, "0,86"},
                                           FixedCase{2.69531, 2, 4, "2,70"}, FixedCase{0.69549, 2, 3, "0,70"},
                                           FixedCase{9.9996, 2, 4, "10,00"}, FixedCase{0.0, 2, 4, "0,00"}));

// Words whose exact value lies just above a half step: rounded to the significant digits
// first, they would lose it ("0,85ms", "2,69ms", "0,69Bar").
TEST_F(LiveViewModelTest, TimesAndPressureAreRoundedFromTheExactValue)
{
    const LiveViewModel v = view(RecordOf({{0, 197}, {1, 621}, {18, 600}}));
    EXPECT_EQ(v.petrolTimes[0], "0,86ms"); // 0.85503 ms
    EXPECT_EQ(v.petrolTimes[1], "2,70ms"); // 2.69531 ms
    EXPECT_EQ(v.pressureText, "0,70Bar");  // 0.69549 bar
}

} // namespace
} // namespace zantrel::test
