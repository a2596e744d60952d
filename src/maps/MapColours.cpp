#include "maps/MapColours.h"

#include <algorithm>

namespace zantrel {

namespace {

constexpr int kFull = 255;
constexpr int kPositiveLimit = 50;
constexpr int kPositiveStep = 3;
constexpr int kNegativeStep = 4;

} // namespace

Rgb ValueColour(int percent)
{
    if (percent > 0) {
        const int fade = kFull - kPositiveStep * std::min(percent, kPositiveLimit);
        return {kFull, fade, fade};
    }
    const int fade = std::max(0, kFull + kNegativeStep * percent);
    return {fade, fade, kFull};
}

} // namespace zantrel
