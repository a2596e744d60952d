#pragma once

#include <cstddef>

namespace zantrel {

// For tables indexed by an enum: true when there is one row per enumerator up to
// `count`, row i holding enumerator i in `key`.
template <typename Row, typename Enum, std::size_t N>
constexpr bool RowsFollowEnumOrder(const Row (&rows)[N], Enum Row::*key, Enum count)
{
    if (N != std::size_t(count))
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].*key != Enum(i))
            return false;
    }
    return true;
}

} // namespace zantrel
