#include "image/ParameterTable.h"
#include "live/LiveConversions.h"
#include "live/LiveRecord.h"
#include "live/TraceChannels.h"

#include "support/LiveRecords.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

constexpr QChar kComma(u',');
constexpr QSize kPanel(kTraceLength, 143);

int channelNamed(const char* item)
{
    for (const TraceChannelRow& row : TraceChannelTable())
        if (QLatin1String(row.item) == QLatin1String(item))
            return int(&row - TraceChannelTable().data());
    ADD_FAILURE() << item;
    return 0;
}

TEST(TraceChannels, SelectorsListTheirChannelsInOrder)
{
    ASSERT_EQ(TraceChannelTable().size(), size_t(kTraceChannels));
    const auto petrol = TraceChannelsOf(TracePanel::Petrol);
    const auto gas = TraceChannelsOf(TracePanel::Gas);
    const auto parameter = TraceChannelsOf(TracePanel::Parameter);
    ASSERT_EQ(petrol.size(), 8u);
    ASSERT_EQ(gas.size(), 8u);
    ASSERT_EQ(parameter.size(), 7u);
    EXPECT_STREQ(petrol[7].item, "Wtrysk Benz8");
    EXPECT_STREQ(gas[0].item, "Wtrysk Gaz1");
    const char* expected[] = {"Cisnienie", "Lambda1", "Lambda2", "Temperatura Gazu", "Temperatura Reduktora",
                              "Obroty/min.", "Korekta"};
    for (size_t i = 0; i < parameter.size(); ++i)
        EXPECT_STREQ(parameter[i].item, expected[i]);

    EXPECT_EQ(TraceChannelOf(TracePanel::Gas, 2), 10);
    EXPECT_EQ(TraceChannelOf(TracePanel::Parameter, 6), kTraceChannels - 1);
    EXPECT_FALSE(TraceChannelOf(TracePanel::Petrol, -1));
    EXPECT_FALSE(TraceChannelOf(TracePanel::Parameter, 7));
}

// Each channel's value and limits against the live conversions.
TEST(TraceChannels, SamplesFollowTheLiveConversions)
{
    ParameterTable table;
    table[8] = 2304;  // 10 ms at 230 400 Hz
    table[21] = 2;    // "4 Cyl."
    table[55] = 2;    // "0,8 - 1,6V"
    table[56] = 4;    // "0 - 5V"
    const LiveRecord onGas = RecordOf({{16, 1}, {0, 200}, {6, 250}, {24, 288}, {26, 576}, {18, 1000}, {20, 1638},
                                       {19, 4095}, {15, 0xFFF6}, {14, 85}, {13, 4608}});
    const struct {
        const char* item;
        double value;
        double lower;
        double upper;
    } cases[] = {
        {"Wtrysk Benz8", TicksToMs(288, false), 0.0, 11.0},
        {"Wtrysk Gaz8", TicksToMs(576, false), 0.0, 11.0},
        {"Cisnienie", PressureFromCounts(1000), 0.0, 4.0},
        {"Lambda1", LambdaVolts(1638), 0.8, 1.6},
        {"Lambda2", LambdaVolts(4095), -0.1, 5.0},
        {"Temperatura Gazu", -10.0, -10.1, 90.0},
        {"Temperatura Reduktora", 85.0, -10.1, 100.0},
        {"Obroty/min.", 1500.0, 0.0, 8000.0},
        {"Korekta", 25.0, -100.0, 100.0},
    };
    for (const auto& c : cases) {
        const std::optional<TraceSample> s = TraceSampleOf(channelNamed(c.item), onGas, table);
        ASSERT_TRUE(s) << c.item;
        EXPECT_NEAR(s->value, c.value, 1e-6) << c.item;
        EXPECT_NEAR(s->limits.lower, c.lower, 1e-6) << c.item;
        EXPECT_NEAR(s->limits.upper, c.upper, 1e-5) << c.item;
    }

    // On petrol the gas channels and "Korekta" read 0, the middle of -100..100.
    const LiveRecord onPetrol = RecordOf({{16, 0}, {0, 200}, {6, 250}, {26, 576}});
    EXPECT_EQ(TraceSampleOf(channelNamed("Wtrysk Gaz8"), onPetrol, table)->value, 0.0);
    EXPECT_EQ(TraceSampleOf(channelNamed("Korekta"), onPetrol, table)->value, 0.0);
    EXPECT_EQ(TraceSampleOf(channelNamed("Korekta"), RecordOf({{16, 1}, {6, 250}}), table)->value, 0.0);
}

TEST(TraceChannels, LambdaByProbeType)
{
    ParameterTable table;
    const LiveRecord r = RecordOf({{20, 2000}});
    const int lambda1 = channelNamed("Lambda1");

    // Type 0, "Odlaczona": the trace stays at 0 within -0.1..1.1.
    table[55] = 0;
    const std::optional<TraceSample> off = TraceSampleOf(lambda1, r, table);
    ASSERT_TRUE(off);
    EXPECT_EQ(off->value, 0.0);
    EXPECT_NEAR(off->limits.lower, -0.1, 1e-9);
    EXPECT_NEAR(off->limits.upper, 1.1, 1e-9);

    // A type the list does not have: nothing to draw.
    table[55] = 7;
    EXPECT_FALSE(TraceSampleOf(lambda1, r, table));
    table[55] = -1;
    EXPECT_FALSE(TraceSampleOf(lambda1, r, table));

    const struct {
        qint32 type;
        double lower;
        double upper;
    } limits[] = {{1, -0.1, 1.1}, {2, 0.8, 1.6}, {3, 1.5, 4.0}, {4, -0.1, 5.0}, {5, -0.1, 1.0}, {6, -0.1, 5.0}};
    for (const auto& l : limits) {
        const std::optional<TraceLimits> got = LambdaTraceLimits(l.type);
        ASSERT_TRUE(got) << l.type;
        EXPECT_EQ(got->lower, l.lower) << l.type;
        EXPECT_EQ(got->upper, l.upper) << l.type;
    }
}

TEST(TraceChannel, AValueAboveTheUpperLimitIsStoredAndShownAsTheLimit)
{
    TraceChannel c;
    const TraceLimits limits{-10.1, 90.0};
    c.Advance(120.0, limits, kTraceLength);
    EXPECT_FLOAT_EQ(c.History[0], 100.1f);
    c.Advance(-40.0, limits, kTraceLength);
    EXPECT_FLOAT_EQ(c.History[0], 0.0f);
    EXPECT_FLOAT_EQ(c.History[1], 100.1f);
    // At the lower limit the current value is held 20 pixels above the bottom.
    const TraceScene low = LayoutTrace(c, limits, {0, 128, 0}, kPanel, kComma);
    EXPECT_EQ(low.valueLabel.at, QPoint(2, 123));
    EXPECT_EQ(low.valueLabel.text, "-10,10");

    c.Advance(95.0, limits, kTraceLength);
    const TraceScene scene = LayoutTrace(c, limits, {0, 128, 0}, kPanel, kComma);
    EXPECT_EQ(scene.valueLabel.text, "90,00");
    EXPECT_EQ(scene.valueLabel.at, QPoint(2, 0));
    EXPECT_EQ(scene.valueLabel.pointSize, 12);
}

TEST(TraceChannel, ExtremesPreferTheNewestOfEqualEntries)
{
    TraceChannel c;
    const TraceLimits limits{0.0, 10.0};
    // Every entry equal to the new value: both markers at index 1.
    c.Advance(0.0, limits, kTraceLength);
    EXPECT_EQ(c.minimum.index, 1);
    EXPECT_EQ(c.maximum.index, 1);

    c.Advance(5.0, limits, kTraceLength); // a new maximum wins outright
    EXPECT_EQ(c.maximum.index, 0);
    EXPECT_EQ(c.minimum.index, 1);
    c.Advance(5.0, limits, kTraceLength); // an equal older entry wins over the new one
    EXPECT_EQ(c.maximum.index, 1);
    EXPECT_FLOAT_EQ(c.maximum.value, 5.0f);
    EXPECT_EQ(c.minimum.index, 2);
    c.Advance(2.0, limits, kTraceLength); // of the two equal maxima the newer
    EXPECT_EQ(c.maximum.index, 1);
    EXPECT_EQ(c.minimum.index, 3);
}

// A narrower panel shifts only the entries it shows; the older ones stand still.
TEST(TraceChannel, OnlyTheShownWidthMoves)
{
    TraceChannel c;
    const TraceLimits limits{0.0, 10.0};
    for (int i = 0; i < 5; ++i)
        c.Advance(1.0 + i, limits, 3);
    EXPECT_FLOAT_EQ(c.History[0], 5.0f);
    EXPECT_FLOAT_EQ(c.History[3], 2.0f);
    EXPECT_FLOAT_EQ(c.History[4], 0.0f);
    EXPECT_EQ(c.minimum.index, 3);
}

TEST(TraceChannel, LayoutOfAPanel)
{
    TraceChannel c;
    const TraceLimits limits{-100.0, 100.0};
    c.Advance(0.0, limits, kTraceLength); // "Korekta" on petrol: the middle of the panel
    for (int i = 0; i < 300; ++i)
        c.Advance(i == 0 ? 50.0 : -20.0, limits, kTraceLength);
    const TraceScene s = LayoutTrace(c, limits, {0, 0, 255}, kPanel, kComma);

    EXPECT_EQ(s.gridX.size(), 39u);
    EXPECT_EQ(s.gridX.back(), 760);
    EXPECT_EQ(s.gridY, (std::vector<int>{0, 35, 70, 105, 140}));
    // k = 143 / 200: 100 relative is y = trunc(143 - 71.5 - 1).
    EXPECT_EQ(c.Points[300], QPoint(300, 70));
    EXPECT_EQ(s.points, c.Points.data());

    EXPECT_EQ(s.maximumMarker, QPoint(299, int(143 - 150 * 0.715)));
    EXPECT_EQ(s.maximumLabel.text, "50,00");
    EXPECT_EQ(s.maximumLabel.pointSize, 8);
    // The newest of the entries never written, at the lower limit.
    EXPECT_EQ(s.minimumMarker, QPoint(301, 143));
    EXPECT_EQ(s.minimumLabel.at, QPoint(301, 129));
    EXPECT_EQ(s.minimumLabel.text, "-100,00");
    // The cursor shows the value of 256 records earlier.
    EXPECT_EQ(s.cursorLabel.text, "-20,00");
    EXPECT_EQ(s.cursorLabel.at, QPoint(240, 71));
    EXPECT_EQ(s.cursorLabel.pointSize, 10);
    EXPECT_EQ(s.valueLabel.at, QPoint(2, int(143 - 80 * 0.715)));
}

// A panel lower than four pixels has a quarter of 0; its grid ends after one line.
TEST(TraceChannel, APanelTooLowForQuartersHasOneGridLine)
{
    TraceChannel c;
    EXPECT_EQ(LayoutTrace(c, {0.0, 1.0}, {}, QSize(kTraceLength, 3), kComma).gridY, std::vector<int>{0});
    EXPECT_TRUE(LayoutTrace(c, {0.0, 1.0}, {}, QSize(kTraceLength, 0), kComma).gridY.empty());
}

TEST(ScreenTraces, OnlyTheAdvancedChannelMoves)
{
    ParameterTable table;
    table[8] = 2304;
    ScreenTraces traces;
    traces.Advance(0, RecordOf({{0, 230}}), table, kTraceLength);
    traces.Advance(1, RecordOf({{1, 460}}), table, kTraceLength);
    traces.Advance(0, RecordOf({{0, 460}}), table, kTraceLength);
    EXPECT_NEAR(traces.Channel(0).History[0], TicksToMs(460, false), 1e-6);
    EXPECT_NEAR(traces.Channel(0).History[1], TicksToMs(230, false), 1e-6);
    EXPECT_NEAR(traces.Channel(1).History[0], TicksToMs(460, false), 1e-6);
    EXPECT_EQ(traces.Channel(1).History[1], 0.0f);

    table[56] = 9;
    EXPECT_FALSE(traces.Advance(channelNamed("Lambda2"), RecordOf({{19, 100}}), table, kTraceLength));
    EXPECT_EQ(traces.Channel(channelNamed("Lambda2")).History[0], 0.0f);
}

} // namespace
} // namespace zantrel::test
