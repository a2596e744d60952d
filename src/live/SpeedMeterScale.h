#pragma once

namespace zantrel {

class RoundGauge;

// An engine-speed meter in thousands of rpm, 0..8, numbered every thousand, red from
// 6500 rpm.
void SetUpSpeedMeter(RoundGauge& meter);

} // namespace zantrel
