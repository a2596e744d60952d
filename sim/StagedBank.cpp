#include "sim/StagedBank.h"

namespace zantrel::sim {

void StagedBank::select(int index)
{
    selected_ = contains(index) ? std::optional<int>(index) : std::nullopt;
}

bool StagedBank::store(int index, quint16 value)
{
    const bool taken = selected_ == index;
    selected_.reset();
    if (taken)
        words_[size_t(index)] = value;
    return taken;
}

quint16 StagedBank::word(int index) const
{
    return contains(index) ? words_[size_t(index)] : 0;
}

void StagedBank::set(int index, quint16 value)
{
    if (contains(index))
        words_[size_t(index)] = value;
}

} // namespace zantrel::sim
