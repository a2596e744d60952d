#include "layout/ColumnArrangement.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace zantrel {

namespace {

ColumnArrangement measured(std::span<const QSize> groups, const std::vector<int>& starts, QSize room, int spacing)
{
    ColumnArrangement arranged{starts, false, spacing * (int(starts.size()) - 1), 0};
    for (size_t c = 0; c < starts.size(); ++c) {
        const int end = c + 1 < starts.size() ? starts[c + 1] : int(groups.size());
        int widest = 0;
        int height = 0;
        for (int g = starts[c]; g < end; ++g) {
            widest = std::max(widest, groups[size_t(g)].width());
            height += groups[size_t(g)].height() + (g > starts[c] ? spacing : 0);
        }
        arranged.width += widest;
        arranged.tallest = std::max(arranged.tallest, height);
    }
    arranged.fits = arranged.width <= room.width() && arranged.tallest <= room.height();
    return arranged;
}

// Every way of sharing the groups, in order, into `columns` columns, the first split first.
void eachSplit(int groups, int columns, const std::function<void(const std::vector<int>&)>& visit)
{
    std::vector<int> starts{0};
    const std::function<void()> next = [&] {
        if (int(starts.size()) == columns) {
            visit(starts);
            return;
        }
        const int left = columns - int(starts.size());
        for (int start = starts.back() + 1; start <= groups - left; ++start) {
            starts.push_back(start);
            next();
            starts.pop_back();
        }
    };
    next();
}

// Of the splits into `columns` columns that `acceptable` takes, the one with the shortest
// tallest column (the first of equals).
std::optional<ColumnArrangement> shortest(std::span<const QSize> groups, int columns, QSize room, int spacing,
                                          bool (*acceptable)(const ColumnArrangement&, QSize))
{
    std::optional<ColumnArrangement> best;
    eachSplit(int(groups.size()), columns, [&](const std::vector<int>& starts) {
        ColumnArrangement tried = measured(groups, starts, room, spacing);
        if (acceptable(tried, room) && (!best || tried.tallest < best->tallest))
            best = std::move(tried);
    });
    return best;
}

bool fitsRoom(const ColumnArrangement& arranged, QSize)
{
    return arranged.fits;
}

bool fitsWidth(const ColumnArrangement& arranged, QSize room)
{
    return arranged.width <= room.width();
}

} // namespace

ColumnArrangement ArrangeColumns(std::span<const QSize> groups, QSize room, int spacing, int designed)
{
    const int n = int(groups.size());
    if (n == 0)
        return {};
    designed = std::clamp(designed, 1, n);
    for (int columns = designed; columns >= 1; --columns)
        if (auto arranged = shortest(groups, columns, room, spacing, fitsRoom))
            return *arranged;
    for (int columns = designed + 1; columns <= n; ++columns)
        if (auto arranged = shortest(groups, columns, room, spacing, fitsRoom))
            return *arranged;
    for (int columns = n; columns > 1; --columns)
        if (auto arranged = shortest(groups, columns, room, spacing, fitsWidth))
            return *arranged;
    return measured(groups, {0}, room, spacing);
}

} // namespace zantrel
