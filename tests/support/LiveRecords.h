#pragma once

#include "live/LiveRecord.h"

#include <initializer_list>
#include <utility>

namespace zantrel::test {

// Live words with the given entries set, the rest 0.
inline LiveWords WordsOf(std::initializer_list<std::pair<int, quint16>> set)
{
    LiveWords w{};
    for (const auto& [index, value] : set)
        w[size_t(index)] = value;
    return w;
}

inline LiveRecord RecordOf(std::initializer_list<std::pair<int, quint16>> set)
{
    LiveRecord r;
    r.Assign(WordsOf(set));
    return r;
}

// Record n of a run in which every record differs from the others in every word and the
// words use every hexadecimal digit.
inline LiveWords DistinctRecord(int n)
{
    LiveWords w{};
    for (int i = 0; i < kLiveWords; ++i)
        w[size_t(i)] = quint16(n * 7919 + i * 4099);
    return w;
}

} // namespace zantrel::test
