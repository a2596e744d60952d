#include "config/ConfigBitFields.h"
#include "config/ParameterWords.h"
#include "image/ParameterTable.h"
#include "live/ReserveLevel.h"

#include <gtest/gtest.h>

namespace zantrel::test {
namespace {

struct LevelCase {
    std::array<quint32, 4> thresholds;
    bool rising;
    quint32 reading;
    int level;
};

class ReserveLevelCases : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ReserveLevelCases, Classifies)
{
    const LevelCase& c = GetParam();
    EXPECT_EQ(ReserveLevel(c.reading, {c.thresholds, c.rising}), c.level) << c.reading;
}

constexpr std::array<quint32, 4> k20kR{3750, 3400, 3100, 2200}; // falling
constexpr std::array<quint32, 4> k90R{70, 120, 230, 300};       // rising

// The boundaries of each band; with thresholds out of order the last band that holds
// wins, not the first.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReserveLevelCases,
    ::testing::Values(LevelCase{k20kR, false, 4095, 1}, LevelCase{k20kR, false, 3750, 1},
                      LevelCase{k20kR, false, 3749, 2}, LevelCase{k20kR, false, 3401, 2},
                      LevelCase{k20kR, false, 3400, 3}, LevelCase{k20kR, false, 3101, 3},
                      LevelCase{k20kR, false, 3100, 4}, LevelCase{k20kR, false, 3000, 4},
                      LevelCase{k20kR, false, 2200, 5}, LevelCase{k20kR, false, 0, 5},
                      LevelCase{k90R, true, 0, 1}, LevelCase{k90R, true, 69, 1}, LevelCase{k90R, true, 70, 2},
                      LevelCase{k90R, true, 100, 2}, LevelCase{k90R, true, 120, 3}, LevelCase{k90R, true, 229, 3},
                      LevelCase{k90R, true, 230, 4}, LevelCase{k90R, true, 299, 4}, LevelCase{k90R, true, 300, 5},
                      LevelCase{{300, 230, 120, 70}, true, 100, 5}, LevelCase{{2200, 3100, 3400, 3750}, false, 3000, 5}));

TEST(ReserveThresholds, ComeFromWords30To33AndTheWord22Shadow)
{
    ParameterTable table;
    table[30] = 70;
    table[31] = 120;
    table[32] = 230;
    table[33] = 0x1012C; // only the low 16 bits are the word: 300
    table[kFlagsAWord] = 0x0400; // the word itself does not count
    EXPECT_EQ(ReserveThresholdsOf(table).boundary, (std::array<quint32, 4>{70, 120, 230, 300}));
    EXPECT_FALSE(ReserveThresholdsOf(table).rising);
    ASSERT_TRUE(SetShadowField(table, ConfigField::ReserveDirection, 1));
    EXPECT_TRUE(ReserveThresholdsOf(table).rising);
    EXPECT_EQ(ReserveLevel(100, ReserveThresholdsOf(table)), 2);
}

} // namespace
} // namespace zantrel::test
