#include "layout/ColumnArrangement.h"

#include <algorithm>
#include <limits>

namespace zantrel {

namespace {

struct Split {
    int tallest = std::numeric_limits<int>::max();
    std::vector<int> starts;
};

// The split of groups [from, end) into `columns` columns with the shortest tallest column.
Split shortestSplit(std::span<const QSize> groups, int from, int columns, int spacing)
{
    const int n = int(groups.size());
    Split best;
    if (columns == 1) {
        int height = 0;
        for (int g = from; g < n; ++g)
            height += groups[size_t(g)].height() + (g > from ? spacing : 0);
        best.tallest = height;
        best.starts = {from};
        return best;
    }
    int height = 0;
    for (int end = from + 1; end <= n - (columns - 1); ++end) {
        height += groups[size_t(end - 1)].height() + (end - 1 > from ? spacing : 0);
        Split rest = shortestSplit(groups, end, columns - 1, spacing);
        const int tallest = std::max(height, rest.tallest);
        if (tallest < best.tallest) {
            best.tallest = tallest;
            best.starts = {from};
            best.starts.insert(best.starts.end(), rest.starts.begin(), rest.starts.end());
        }
    }
    return best;
}

int widthOf(std::span<const QSize> groups, const std::vector<int>& starts, int spacing)
{
    int width = spacing * (int(starts.size()) - 1);
    for (size_t c = 0; c < starts.size(); ++c) {
        const int end = c + 1 < starts.size() ? starts[c + 1] : int(groups.size());
        int widest = 0;
        for (int g = starts[c]; g < end; ++g)
            widest = std::max(widest, groups[size_t(g)].width());
        width += widest;
    }
    return width;
}

} // namespace

ColumnArrangement ArrangeColumns(std::span<const QSize> groups, QSize room, int spacing, int designed)
{
    const int n = int(groups.size());
    if (n == 0)
        return {};
    std::vector<Split> splits(size_t(n) + 1);
    std::vector<int> widths(size_t(n) + 1);
    for (int columns = 1; columns <= n; ++columns) {
        splits[size_t(columns)] = shortestSplit(groups, 0, columns, spacing);
        widths[size_t(columns)] = widthOf(groups, splits[size_t(columns)].starts, spacing);
    }
    const auto fits = [&](int columns) {
        return widths[size_t(columns)] <= room.width() && splits[size_t(columns)].tallest <= room.height();
    };
    designed = std::clamp(designed, 1, n);
    const auto arrangement = [&](int columns) {
        return ColumnArrangement{splits[size_t(columns)].starts, fits(columns), widths[size_t(columns)],
                                 splits[size_t(columns)].tallest};
    };
    for (int columns = designed; columns >= 1; --columns)
        if (fits(columns))
            return arrangement(columns);
    for (int columns = designed + 1; columns <= n; ++columns)
        if (fits(columns))
            return arrangement(columns);
    for (int columns = n; columns > 1; --columns)
        if (widths[size_t(columns)] <= room.width())
            return arrangement(columns);
    return arrangement(1);
}

} // namespace zantrel
