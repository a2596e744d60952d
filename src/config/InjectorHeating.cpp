#include "config/InjectorHeating.h"

#include <array>

namespace zantrel {

namespace {

constexpr std::array<HeatingStrength, 4> kStrengths{{
    {20, 200, "100", "1,0"},
    {30, 300, "140", "2,0"},
    {35, 400, "200", "3,0"},
    {40, 500, "250", "4,0"},
}};

} // namespace

const HeatingStrength* HeatingStrengthOf(int item)
{
    if (item < 0 || size_t(item) >= kStrengths.size())
        return nullptr;
    return &kStrengths[size_t(item)];
}

} // namespace zantrel
