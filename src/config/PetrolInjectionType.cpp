#include "config/PetrolInjectionType.h"

#include "config/ParameterConversions.h"
#include "live/LiveConversions.h"

#include <array>
#include <cmath>

namespace zantrel {

namespace {

constexpr std::array<float, kPetrolInjectionTypes> kItemMs{5.0f, 4.0f, 3.0f};
constexpr int kFullGroupItem = 2;

} // namespace

std::optional<qint32> PetrolInjectionWord(int item, bool fastClock)
{
    if (item < 0 || item >= kPetrolInjectionTypes)
        return std::nullopt;
    return TicksWord(kItemMs[size_t(item)], fastClock);
}

std::optional<int> PetrolInjectionItem(qint32 word, bool fastClock)
{
    const double wholeMs = std::ceil(double(SignedTicksToMs(word, fastClock)));
    for (int item = 0; item < kFullGroupItem; ++item)
        if (wholeMs == double(kItemMs[size_t(item)]))
            return item;
    if (wholeMs <= double(kItemMs[kFullGroupItem]))
        return kFullGroupItem;
    return std::nullopt;
}

} // namespace zantrel
