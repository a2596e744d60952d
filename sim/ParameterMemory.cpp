#include "sim/ParameterMemory.h"

namespace zantrel::sim {

void ParameterMemory::select(int index)
{
    if (contains(index))
        progress_[size_t(index)] = {Step::Selected, 0};
}

void ParameterMemory::offer(int index, quint16 value)
{
    if (!contains(index))
        return;
    Progress& p = progress_[size_t(index)];
    p = p.step == Step::Selected ? Progress{Step::Offered, value} : Progress{};
}

bool ParameterMemory::confirm(int index, quint16 value)
{
    if (!contains(index))
        return false;
    Progress& p = progress_[size_t(index)];
    const bool taken = p.step == Step::Offered && p.value == value;
    p = {};
    if (taken)
        words_[size_t(index)] = value;
    return taken;
}

void ParameterMemory::set(int index, quint16 value)
{
    if (contains(index))
        words_[size_t(index)] = value;
}

} // namespace zantrel::sim
