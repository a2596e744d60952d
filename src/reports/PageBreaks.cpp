#include "reports/PageBreaks.h"

#include <algorithm>

namespace zantrel {

std::vector<PrintedPage> LayOutPages(std::span<const int> rows, int rowsPerPage)
{
    rowsPerPage = std::max(rowsPerPage, 1);
    std::vector<PrintedPage> pages(1);
    int used = 0;
    for (int line = 0; line < int(rows.size()); ++line) {
        const int height = std::max(rows[size_t(line)], 1);
        if (used > 0 && used + height > rowsPerPage) {
            pages.emplace_back();
            used = 0;
        }
        for (int first = 0; first < height;) {
            if (used == rowsPerPage) {
                pages.emplace_back();
                used = 0;
            }
            const int count = std::min(height - first, rowsPerPage - used);
            pages.back().push_back({line, first, count});
            used += count;
            first += count;
        }
    }
    return pages;
}

} // namespace zantrel
