#pragma once

#include <QSize>

#include <span>
#include <vector>

namespace zantrel {

// Groups of controls, in their order, put into side-by-side columns, each column as wide
// as its widest group with `spacing` between columns and between the groups of a column.
// The number of columns: the `designed` one when some sharing of the groups fits `room`;
// otherwise the nearest below it that fits (long captions make columns wider), then the
// nearest above it (too tall columns); when none fits, the most that fit the width (one
// when not even that). Of the sharings taken, the one whose tallest column is shortest.
struct ColumnArrangement {
    std::vector<int> starts; // the index of the first group of each column
    bool fits = true;        // within the room
    int width = 0;
    int tallest = 0;         // the height of the tallest column
};
ColumnArrangement ArrangeColumns(std::span<const QSize> groups, QSize room, int spacing, int designed);

} // namespace zantrel
