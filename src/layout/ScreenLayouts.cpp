#include "layout/ScreenLayouts.h"

namespace zantrel {

namespace {

// 1024 x 768 is the design: the window as it was drawn. 800 x 600 is made to hold the
// whole window, every tab in sight; 1280 x 1024 gives its room to larger instruments,
// grids and texts.
constexpr ScreenLayoutSpec kLayouts[] = {
    {Resolution::R800x600, {800, 600}, 0.85, 0.9, 4, {140, 140}, {54, 130}, {9, 56}, {10, 30}, 520, {40, 18}, 3, 3, 3},
    {Resolution::R1024x768, {1024, 768}, 1.0, 0.9, 6, {190, 190}, {56, 170}, {12, 90}, {12, 38}, 700, {56, 26}, 5, 6, 5},
    {Resolution::R1280x1024, {1280, 1024}, 1.15, 0.9, 8, {260, 260}, {72, 240}, {16, 150}, {14, 46}, 768, {72, 36}, 6, 8, 7},
};

} // namespace

std::span<const ScreenLayoutSpec> ScreenLayouts()
{
    return kLayouts;
}

const ScreenLayoutSpec& ScreenLayoutOf(Resolution resolution)
{
    for (const ScreenLayoutSpec& spec : kLayouts)
        if (spec.resolution == resolution)
            return spec;
    return kLayouts[0];
}

} // namespace zantrel
