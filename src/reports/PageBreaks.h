#pragma once

#include <span>
#include <vector>

namespace zantrel {

// A run of printed rows of one line: a line wider than the page is wrapped into rows.
struct PageSlice {
    int line;
    int firstRow;
    int rowCount;
    friend bool operator==(const PageSlice&, const PageSlice&) = default;
};
using PrintedPage = std::vector<PageSlice>;

// Lays the lines out on pages: `rows[i]` is how many rows line i takes. A page takes whole
// lines, so no break cuts a line; only a line taller than a whole page is split, and it
// starts on a page of its own. No lines make one empty page.
std::vector<PrintedPage> LayOutPages(std::span<const int> rows, int rowsPerPage);

} // namespace zantrel
