#include "layout/ScreenLayouts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zantrel;

// A row per resolution, in the order of the stored byte, each for its own screen; every
// size grows (or stays) from one screen to the next larger one.
TEST(ScreenLayoutsTest, ARowPerResolutionGrowingWithTheScreen)
{
    const std::vector<QSize> screens = {{800, 600}, {1024, 768}, {1280, 1024}};
    ASSERT_EQ(ScreenLayouts().size(), screens.size());
    for (size_t i = 0; i < screens.size(); ++i) {
        const ScreenLayoutSpec& row = ScreenLayouts()[i];
        EXPECT_EQ(int(row.resolution), int(i));
        EXPECT_EQ(row.screen, screens[i]);
        EXPECT_EQ(&ScreenLayoutOf(row.resolution), &row);
        if (i == 0)
            continue;
        const ScreenLayoutSpec& smaller = ScreenLayouts()[i - 1];
        EXPECT_GE(row.fontScale, smaller.fontScale);
        for (const auto& [big, small] : {std::pair{row.meter, smaller.meter}, {row.thermometer, smaller.thermometer},
                                         {row.injectionBar, smaller.injectionBar},
                                         {row.panelLambdaBar, smaller.panelLambdaBar}, {row.mapCell, smaller.mapCell}}) {
            EXPECT_GE(big.width(), small.width()) << i;
            EXPECT_GE(big.height(), small.height()) << i;
        }
        EXPECT_GE(row.traceWidth, smaller.traceWidth);
    }
}

// Tabs whose captions each take `widths[t]` on one line and, wrapped, the widest of
// their words or the wrap, whichever is more.
TEST(ScreenLayoutsTest, CaptionWrapIsTheWidestThatFits)
{
    const std::vector<int> widths = {100, 200, 150};
    const std::vector<int> words = {40, 60, 50};
    const auto lineWidth = [&](int tab, int wrap) {
        return widths[size_t(tab)] <= wrap ? widths[size_t(tab)] : std::max(words[size_t(tab)], wrap);
    };
    const struct {
        int room;
        std::optional<int> wrap;
    } cases[] = {
        {480, 200}, // one line each: 100 + 200 + 150 + 3 x 10
        {479, 199}, // 100 + 199 + 150 + 30
        {300, 90},  // 90 + 90 + 90 + 30
        {210, 60},  // the widest word, 60 + 60 + 60 + 30
        {209, std::nullopt}, // not even at the widest word
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionWrapWidth(3, c.room, 10, 60, 200, lineWidth), c.wrap) << c.room;
}
