#pragma once

#include "image/EmissionBlock.h"

namespace zantrel {

// The emission (lambda correction) block's defaults, which the factory reset and
// "Zresetuj wszystko" write with "Q": thresholds 0.75 V and 0.4 V, correction limits,
// rise rates and durations, the load window 2..12 ms and the speed window 2000..5000 RPM
// (the last four in ticks and periods of the current clock and ignition type).
EmissionBlock EmissionDefaults(bool fastClock, int ignitionType);

} // namespace zantrel
