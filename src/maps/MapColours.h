#pragma once

namespace zantrel {

struct Rgb {
    int red = 255;
    int green = 255;
    int blue = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour of a correction in the grid, the strip and the curve bars: white at 0,
// towards red for a positive value (green and blue 255 - 3v, v held to 50), towards
// blue for a negative one (red and green 255 - 4|v|). Below -63 % that would go under 0:
// the channels stay at 0 there, so the colour is full blue, the deepest it gets.
Rgb ValueColour(int percent);

constexpr Rgb kLiveCellColour{255, 255, 0};  // yellow
constexpr Rgb kLiveBandColour{255, 0, 0};    // red
constexpr Rgb kGraphFrameColour{128, 128, 128};
constexpr Rgb kGraphBarOutline{192, 192, 192};
constexpr Rgb kDialogColour{0xD4, 0xD0, 0xC8};

} // namespace zantrel
