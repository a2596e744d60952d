#include "layout/ColumnArrangement.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zantrel;

// Groups 100 wide unless said; 10 between columns and between the groups of a column.
TEST(ColumnArrangementTest, KeepsTheDesignedColumnsWhileTheyFitAndEvensTheirHeights)
{
    const std::vector<QSize> groups = {{100, 150}, {100, 80}, {100, 60}, {100, 120}, {100, 40}};
    const struct {
        QSize room;
        int designed;
        std::vector<int> starts;
        bool fits = true;
    } cases[] = {
        {{1000, 1000}, 3, {0, 1, 3}},       // 150 | 80 + 60 | 120 + 40, 320 wide
        {{1000, 160}, 3, {0, 1, 3, 4}},     // three columns are 170 tall: four, 150 tall
        {{1000, 160}, 5, {0, 1, 2, 3, 4}},
        {{319, 1000}, 3, {0, 2}},           // three are 320 wide: two, 240 tall
        {{209, 1000}, 3, {0}},              // two are 210 wide: one, 490 tall
        {{209, 100}, 3, {0}, false},        // nothing fits: the most columns that fit the width
        {{430, 100}, 3, {0, 1, 3, 4}, false},
        {{50, 100}, 3, {0}, false},
    };
    for (const auto& c : cases) {
        const ColumnArrangement arranged = ArrangeColumns(groups, c.room, 10, c.designed);
        EXPECT_EQ(arranged.starts, c.starts) << c.room.width() << "x" << c.room.height() << " " << c.designed;
        EXPECT_EQ(arranged.fits, c.fits) << c.room.width() << "x" << c.room.height() << " " << c.designed;
    }
    // 150 | 80 + 60 | 120 + 40: three columns 100 wide, 10 apart, the last 170 tall.
    const ColumnArrangement three = ArrangeColumns(groups, {1000, 1000}, 10, 3);
    EXPECT_EQ(three.width, 320);
    EXPECT_EQ(three.tallest, 170);
}

// A column is as wide as its widest group, so a wide group decides where the split goes.
TEST(ColumnArrangementTest, CountsAColumnAsWideAsItsWidestGroup)
{
    const std::vector<QSize> groups = {{300, 50}, {100, 50}, {100, 50}, {100, 50}};
    EXPECT_EQ(ArrangeColumns(groups, {410, 1000}, 10, 4).starts, (std::vector<int>{0, 2}));
    EXPECT_EQ(ArrangeColumns(groups, {520, 1000}, 10, 4).starts, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(ArrangeColumns({}, {500, 500}, 10, 3).starts.empty());
    // The most even sharing puts the wide group beside the second one, 510 wide; the wide
    // group's own column beside the last one is 410 wide and fits.
    const std::vector<QSize> wideThird = {{200, 100}, {100, 100}, {300, 100}, {100, 100}};
    const ColumnArrangement fitting = ArrangeColumns(wideThird, {420, 1000}, 10, 2);
    EXPECT_EQ(fitting.starts, (std::vector<int>{0, 3}));
    EXPECT_TRUE(fitting.fits);
    EXPECT_EQ(fitting.width, 410);
}
