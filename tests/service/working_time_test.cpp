#include "base/LanguageStrings.h"
#include "image/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/JobRun.h"
#include "link/LinkJob.h"
#include "link/VirtualClock.h"
#include "service/WorkingTimeReport.h"

#include "support/ScriptedSerialIo.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

struct CounterCase {
    quint32 seconds;
    TimeSplit split;
};

TEST(WorkingTime, SplitsSecondsIntoDaysHoursMinutesSeconds)
{
    const CounterCase cases[] = {
        {0, {0, 0, 0, 0}},
        {86399, {0, 23, 59, 59}},
        {86400, {1, 0, 0, 0}},
        {90061, {1, 1, 1, 1}},
        {65536u * 65535u + 65535u, {49710, 6, 28, 15}}, // every bit set
    };
    for (const CounterCase& c : cases)
        EXPECT_EQ(SplitSeconds(c.seconds), c.split) << c.seconds;
}

TEST(WorkingTime, SharesAddUpWithoutOverflowAndTwoZerosAreZero)
{
    const FuelShares none = SharesOf(0, 0);
    EXPECT_EQ(none.petrol, 0.0f);
    EXPECT_EQ(none.gas, 0.0f);
    const FuelShares allGas = SharesOf(0, 86399);
    EXPECT_EQ(allGas.petrol, 0.0f);
    EXPECT_EQ(allGas.gas, 100.0f);
    // Both counters full: the sum needs 33 bits.
    const FuelShares full = SharesOf(0xFFFFFFFFu, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(full.petrol, 50.0f);
    EXPECT_FLOAT_EQ(full.gas, 50.0f);
}

TEST(WorkingTime, TheReportShowsBothCountersAndTheShares)
{
    const LanguageStrings texts;
    EXPECT_EQ(WorkingTimeReport({90061, 200000}, texts, u','),
              QString::fromUtf8("Czas pracy na benzynie:\nDoby: 1\nGodziny: 1\nMinuty: 1\nSekundy: 1\n\n"
                                "Czas pracy na gazie:\nDoby: 2\nGodziny: 7\nMinuty: 33\nSekundy: 20\n\n"
                                "Procentowy czas pracy na gazie:       68,95%\n\n"
                                "Procentowy czas pracy na benzynie:  31,05%"));
    // Nothing counted yet is 0 on both fuels, not 1 second and not half and half.
    const QString zero = WorkingTimeReport({0, 0}, texts, u'.');
    EXPECT_TRUE(zero.startsWith(QString::fromUtf8("Czas pracy na benzynie:\nDoby: 0\nGodziny: 0\nMinuty: 0\nSekundy: 0\n")));
    EXPECT_TRUE(zero.endsWith(QString::fromUtf8("gazie:       0.00%\n\nProcentowy czas pracy na benzynie:  0.00%")));
}

TEST(WorkingTime, ACounterNotAnsweredSaysSoAndTheSharesAreLeftOut)
{
    ParameterTable table;
    table[35] = 7; // from an earlier read: not to be shown as read now
    const CounterReadout read{std::nullopt, quint16(1), quint16(0), quint16(2)}; // words 35..38
    const CounterReading reading = StoreCounterRead(table, read);
    EXPECT_FALSE(reading.petrolSeconds);
    EXPECT_EQ(reading.gasSeconds, 2u);
    EXPECT_EQ(table[35], 7);
    EXPECT_EQ(table[36], 1);
    EXPECT_TRUE(table.Known(36));
    EXPECT_FALSE(table.Known(35));

    const LanguageStrings texts;
    EXPECT_EQ(WorkingTimeReport(reading, texts, u','),
              QString::fromUtf8("Czas pracy na benzynie:\nbrak odpowiedzi sterownika, licznik nie został odczytany\n\n"
                                "Czas pracy na gazie:\nDoby: 0\nGodziny: 0\nMinuty: 0\nSekundy: 2"));
}

TEST(WorkingTime, AResetClearsBothWordsInterleaved)
{
    VirtualClock clock;
    ScriptedSerialIo io{clock};
    EcuLink link{io, clock};
    ASSERT_TRUE(link.OpenPort());
    LinkJob job;
    ResetCounter(job, Counter::Gas);
    ResetCounter(job, Counter::Petrol);
    ASSERT_EQ(RunJob(link, std::move(job)), JobOutcome::Completed);
    EXPECT_EQ(clock.trace(), (QStringList{"10ms", "K 25 00 00", "30ms", "E 25 00 00", "20ms",
                                          "K 26 00 00", "30ms", "E 26 00 00", "20ms",
                                          "D 25 00 00", "10ms", "D 26 00 00", "20ms",
                                          "K 23 00 00", "30ms", "E 23 00 00", "20ms",
                                          "K 24 00 00", "30ms", "E 24 00 00", "20ms",
                                          "D 23 00 00", "10ms", "D 24 00 00", "10ms"}));
}

} // namespace
} // namespace zantrel::test
