#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel {

// The twelve lambda-correction words the controller keeps besides its parameter words:
// thresholds, rise rates, durations, limits and the load and speed window.
constexpr int kEmissionWords = 12;
using EmissionBlock = std::array<quint16, kEmissionWords>;

} // namespace zantrel
