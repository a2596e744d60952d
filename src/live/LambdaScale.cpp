#include "live/LambdaScale.h"

#include <array>

namespace zantrel {

namespace {

// "Odlaczona", "0 - 1V", "0,8 - 1,6V", "1,5 - 4V", "0 - 5V", "1 - 0V", "5 - 0V".
constexpr std::array<LambdaScale, 7> kScales{{
    {false, 0.0, 1.1, true},
    {true, 0.0, 1.1, true},
    {true, 0.5, 2.0, true},
    {true, 1.5, 4.0, true},
    {true, 0.0, 5.0, true},
    {true, 0.0, 1.1, false},
    {true, 0.0, 5.0, false},
}};

// A type the list does not have: the probe's whole range.
constexpr LambdaScale kUnknownType{true, 0.0, 5.0, true};

} // namespace

LambdaScale LambdaScaleOf(qint32 probeType)
{
    if (probeType < 0 || probeType >= qint32(kScales.size()))
        return kUnknownType;
    return kScales[size_t(probeType)];
}

} // namespace zantrel
