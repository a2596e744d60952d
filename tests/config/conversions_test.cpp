#include "config/DynamicCorrection.h"
#include "config/FallingSwitchDelta.h"
#include "config/ParameterUnits.h"
#include "config/PetrolInjectionType.h"
#include "image/ParameterTable.h"
#include "live/LiveConversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace zantrel {
namespace {

constexpr qint32 kFastClock = 0x1000;
const QChar kComma(u',');

ParameterTable tableWithClock(bool fast)
{
    ParameterTable t;
    t[ParameterTable::kShadow22] = fast ? kFastClock : 0;
    t[21] = 2;
    return t;
}

std::optional<QString> textOf(int index, qint32 raw, bool fast = false, QChar separator = kComma)
{
    ParameterTable t = tableWithClock(fast);
    t[index] = raw;
    return ParameterText(t, index, separator);
}

struct EntryCase {
    int index;
    double entered;
    bool fast;
    std::optional<qint32> raw;
};

// Limits, conversion and the 16-bit word: a value the word cannot hold is held to the
// word's end instead of wrapping into some other value.
TEST(ParameterEntry, LimitsConvertsAndHoldsToTheWord)
{
    const std::vector<EntryCase> cases = {
        {13, 2.0, false, 460},     // single-precision ms, extended product
        {13, 4.0, false, 921},
        {13, 2.5, false, 576},
        {13, 2.5, true, 4608},     // the fast clock counts eight times as many ticks
        {1, 15, false, 115},
        {1, -60, false, 50},       // -50..+150 %
        {1, 200, false, 250},
        {6, 20, false, 300},
        {6, 35, false, 524},
        {6, 36, false, 540},
        {6, 90, false, 1349},
        {6, 95, false, 1349},      // limited to 90 %
        {6, 10, false, 300},
        {2, -1, false, 23},        // below 0 becomes 0.1 ms
        {3, -4, false, -921},      // signed ticks
        {3, -10, false, -921},     // -4..+4 ms
        {3, -4, true, -7372},
        {8, 150.5, false, 34675},
        {8, 200, true, 65535},     // 368 640 ticks do not fit: the longest the word holds
        {16, 3.0, false, 3000},
        {16, 500, false, 65535},   // 500 000 would arrive as 41 248 (41.2 s)
        {16, 0.001, false, 10},    // below 0.01 s
        {20, 0.29, false, 29},     // 0.29 x 100 is 28.999... in binary
        {20, 500, false, 50000},
        {34, 600, false, 50000},   // above 500 s becomes 500 s
        {18, 1.5, false, 1486},
        {18, 0.1, false, 275},     // 0.4..3 bar
        {18, 5, false, 3138},
        {4, 70000, false, 65535},  // no editor limit, still one word
        {4, -5, false, 0},
        {5, -40, false, -40},      // signed degrees
        {14, 1520, false, 4608},   // RPM in steps of 50 at ignition type 2
        {60, 300, false, 17280},   // 400..5000 RPM
        {12, 35, false, 135},      // turbo position + 100
        {12, 80, false, 165},
        {4, std::nan(""), false, std::nullopt},
        {4, std::numeric_limits<double>::infinity(), false, std::nullopt},
        {21, 3, false, std::nullopt}, // a list word has no numeric entry
        {22, 1, false, std::nullopt},
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(RawFromUser(tableWithClock(c.fast), c.index, c.entered), c.raw)
            << "word " << c.index << " entered " << c.entered << (c.fast ? " fast" : " slow");
}

struct TextCase {
    int index;
    qint32 raw;
    bool fast;
    const char* text;
};

TEST(ParameterDisplay, ShowsEachWordByItsRule)
{
    const std::vector<TextCase> cases = {
        {1, 85, false, "-15"},
        {1, 100, false, "+0"},
        {1, 115, false, "+15"},
        {3, -10, false, "-0,04"},   // a negative idle correction
        {3, 92, false, "+0,40"},
        {52, 0, false, "+0,00"},
        {2, 4608, false, "20,0"},   // the same raw value shows an eighth at the fast clock
        {2, 4608, true, "2,5"},
        {6, 1349, false, "89,9"},
        {6, 540, false, "36,0"},
        {16, 3000, false, "3,00"},
        {20, 100, false, "1,00"},
        {34, 1500, false, "15,0"},
        {18, 1100, false, "1,15"},
        {18, 1486, false, "1,50"},
        {14, 4608, false, "1500"},
        {5, -10, false, "-10"},
        {4, 65526, false, "65526"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(textOf(c.index, c.raw, c.fast), QString::fromUtf8(c.text)) << "word " << c.index << " raw " << c.raw;
    EXPECT_EQ(textOf(6, 1349, false, QChar(u'.')), QStringLiteral("89.9"));
    for (const int listWord : {21, 22, 23, 45, 47, 53})
        EXPECT_FALSE(textOf(listWord, 1).has_value()) << listWord;
}

// The clock bit is read from the word-22 shadow, not from the word.
TEST(ParameterDisplay, ClockComesFromTheShadow)
{
    ParameterTable t;
    t[22] = kFastClock;
    t[2] = 4608;
    EXPECT_EQ(ParameterText(t, 2, kComma), QStringLiteral("20,0"));
    t[ParameterTable::kShadow22] = kFastClock;
    EXPECT_EQ(ParameterText(t, 2, kComma), QStringLiteral("2,5"));
}

TEST(PetrolInjectionType, ItemByTheCeilingOfTheTime)
{
    struct Case {
        qint32 word;
        bool fast;
        std::optional<int> item;
    };
    const std::vector<Case> cases = {
        {MsToTicks(3.0f, false), false, 2},
        {0, false, 2},
        {100, false, 2},                    // 0.43 ms
        {MsToTicks(4.0f, false), false, 1},
        {MsToTicks(4.2f, false), false, 0}, // ceiling 5
        {MsToTicks(5.0f, false), false, 0},
        {MsToTicks(5.5f, false), false, std::nullopt},
        {1613, false, std::nullopt},        // the factory value, 7.0 ms
        {MsToTicks(4.0f, true), true, 1},
        {MsToTicks(4.0f, true), false, std::nullopt}, // 32 ms at the slow clock
    };
    for (const Case& c : cases)
        EXPECT_EQ(PetrolInjectionItem(c.word, c.fast), c.item) << c.word << (c.fast ? " fast" : " slow");

    EXPECT_EQ(PetrolInjectionWord(0, false), 1152);
    EXPECT_EQ(PetrolInjectionWord(1, false), 921);
    EXPECT_EQ(PetrolInjectionWord(2, false), 691);
    EXPECT_EQ(PetrolInjectionWord(3, false), std::nullopt);
    EXPECT_EQ(PetrolInjectionWord(-1, false), std::nullopt);
}

TEST(DynamicCorrection, ShowsThresholdAndPercent)
{
    struct Case {
        qint32 word;
        int thresholdItem;
        int percent;
        std::optional<int> percentItem;
    };
    const std::vector<Case> cases = {
        {0x400F, 14, 0, 60},             // "15 ms", 0 %
        {0x040F, 14, -94, std::nullopt}, // the factory value: far below -60 %
        {0x40A4, 3, 1, 61},              // "4 ms", +1 %
        {0x0000, 0, -100, std::nullopt},
        {qint32(921 << 4) | 4, 3, -10, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DynamicThresholdItem(c.word), c.thresholdItem) << std::hex << c.word;
        EXPECT_EQ(DynamicPercent(c.word), c.percent) << std::hex << c.word;
        EXPECT_EQ(DynamicPercentItem(c.word), c.percentItem) << std::hex << c.word;
    }
}

TEST(DynamicCorrection, StoresEachFieldKeepingTheOther)
{
    const qint32 fourMs = WithDynamicThreshold(0x040F, 3);
    EXPECT_EQ(fourMs, 0x0404);
    EXPECT_EQ(WithDynamicPercent(fourMs, 1), 0x40A4);
    EXPECT_EQ(WithDynamicPercent(fourMs, -10) >> 4, 921);
    EXPECT_EQ(WithDynamicPercent(fourMs, -13), 0x37A4); // trunc(87 x 10.24) x 16 + 4
    EXPECT_EQ(WithDynamicThreshold(WithDynamicPercent(0, 0), 14), 0x400F);
    // The editor's -60..+80 % and thresholds 1..15 ms hold.
    EXPECT_EQ(DynamicPercent(WithDynamicPercent(fourMs, 200)), 80);
    EXPECT_EQ(DynamicPercent(WithDynamicPercent(fourMs, -99)), -60);
    EXPECT_EQ(WithDynamicThreshold(0x4000, 20), 0x400F);
    EXPECT_EQ(WithDynamicThreshold(0x4000, -3), 0x4001);
}

TEST(FallingSwitchDelta, PeriodGrowthOrRisingModeWhereThereIsNone)
{
    struct Case {
        int rpm;
        int item;
        int ignition;
        qint32 word;
    };
    const std::vector<Case> cases = {
        {1500, 3, 2, qint32(RpmToPeriod(1200, 2) - RpmToPeriod(1500, 2))},
        {1500, 0, 2, 0},
        {400, 4, 2, 0},     // down to 0 RPM
        {120, 1, 2, 0},     // 20 RPM has no period
        {150, 1, 0, 65535}, // 368 640 ticks: more than the word holds
    };
    for (const Case& c : cases)
        EXPECT_EQ(FallingDeltaWord(c.rpm, c.item, c.ignition), c.word) << c.rpm << " - " << c.item * 100;
    EXPECT_GT(FallingDeltaWord(1500, 3, 2), 0);
}

} // namespace
} // namespace zantrel
