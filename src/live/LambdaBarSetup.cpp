#include "live/LambdaBarSetup.h"

#include "live/LambdaScale.h"
#include "widgets/BarGauge.h"
#include "widgets/InstrumentColours.h"

namespace zantrel {

void ApplyLambdaScale(BarGauge& bar, const LambdaScale& scale)
{
    const double middle = (scale.minimum + scale.maximum) / 2.0;
    const QColor low = scale.lowGreen ? instrument::kGood : instrument::kAlarm;
    const QColor high = scale.lowGreen ? instrument::kAlarm : instrument::kGood;
    bar.setRange(scale.minimum, scale.maximum);
    bar.setSectors({{scale.minimum, middle, low}, {middle, scale.maximum, high}});
}

} // namespace zantrel
