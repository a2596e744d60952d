#include "live/SpeedMeterScale.h"

#include "widgets/InstrumentColours.h"
#include "widgets/RoundGauge.h"

namespace zantrel {

namespace {

constexpr double kRpmScale = 8.0;
constexpr double kRedZoneFrom = 6.5;
constexpr int kDivisions = 5;

} // namespace

void SetUpSpeedMeter(RoundGauge& meter)
{
    meter.setScale(0.0, kRpmScale, 1.0, kDivisions);
    meter.setCaption(QStringLiteral("RPM\nx 1000"));
    meter.setSectors({{kRedZoneFrom, kRpmScale, instrument::kAlarm}});
}

} // namespace zantrel
