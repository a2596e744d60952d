#include "base/TabTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace zantrel;

TEST(NeighbourTab, WrapsAndSkipsTabsThatCannotBeSelected)
{
    const std::set<int> hidden = {2, 3};
    const auto selectable = [&](int i) { return !hidden.count(i); };
    EXPECT_EQ(NeighbourTab(0, 5, 1, selectable), 1);
    EXPECT_EQ(NeighbourTab(1, 5, 1, selectable), 4);
    EXPECT_EQ(NeighbourTab(4, 5, 1, selectable), 0);
    EXPECT_EQ(NeighbourTab(0, 5, -1, selectable), 4);
    EXPECT_EQ(NeighbourTab(4, 5, -1, selectable), 1);
}

TEST(NeighbourTab, NoneWhenNoOtherTabCanBeSelected)
{
    EXPECT_EQ(NeighbourTab(0, 3, 1, [](int i) { return i == 0; }), -1);
    EXPECT_EQ(NeighbourTab(0, 1, 1, [](int) { return true; }), -1);
    EXPECT_EQ(NeighbourTab(0, 0, 1, [](int) { return true; }), -1);
}
