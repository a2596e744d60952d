#include "image/ParameterTable.h"

#include "image/ParameterWordIndex.h"

namespace zantrel {

namespace {

struct ShadowPair {
    int slot;
    int word;
};

constexpr std::array<ShadowPair, 4> kShadows{{
    {ParameterTable::kShadow22, kFlagsAWord},
    {ParameterTable::kShadow47, kFlagsBWord},
    {ParameterTable::kShadow54, kFlagsCWord},
    {ParameterTable::kShadow51, kExtraCorrectionWord},
}};

} // namespace

bool ParameterTable::StoreReceived(int index, quint16 raw)
{
    if (index < 0 || index >= kWords)
        return false;
    slots_[size_t(index)] = SlotValueOf(index, raw);
    known_.set(size_t(index));
    return true;
}

qint32 ParameterTable::SlotValueOf(int index, quint16 raw)
{
    return IsSignedWord(index) ? qint32(qint16(raw)) : qint32(raw);
}

bool ParameterTable::Known(int index) const
{
    return index >= 0 && index < kWords && known_.test(size_t(index));
}

int ParameterTable::KnownCount() const
{
    return int(known_.count());
}

void ParameterTable::ForgetKnown()
{
    known_.reset();
}

void ParameterTable::MarkAllKnown()
{
    known_.set();
}

bool ParameterTable::IsProgrammed() const
{
    const quint16 marker = word(kMarkerWord);
    return marker == kProgrammedMarker || marker == 0;
}

std::optional<int> ParameterTable::WordOfShadow(int slot)
{
    for (const ShadowPair& pair : kShadows)
        if (pair.slot == slot)
            return pair.word;
    return std::nullopt;
}

std::optional<int> ParameterTable::ShadowOfWord(int index)
{
    for (const ShadowPair& pair : kShadows)
        if (pair.word == index)
            return pair.slot;
    return std::nullopt;
}

bool ParameterTable::CommitShadow(int slot)
{
    const std::optional<int> index = WordOfShadow(slot);
    if (!index)
        return false;
    slots_[size_t(*index)] = slots_[size_t(slot)];
    return true;
}

} // namespace zantrel
