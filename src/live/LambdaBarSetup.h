#pragma once

namespace zantrel {

class BarGauge;
struct LambdaScale;

// A lambda bar's range and its two sectors, split at the middle of the range, green and
// red as the probe type has them.
void ApplyLambdaScale(BarGauge& bar, const LambdaScale& scale);

} // namespace zantrel
