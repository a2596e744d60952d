#include "config/FallingSwitchDelta.h"

#include "config/ParameterConversions.h"
#include "live/LiveConversions.h"

namespace zantrel {

namespace {

// RpmToPeriod takes speeds in steps of 50 RPM; below the first step there is no period.
constexpr int kSlowestSpeed = 50;

} // namespace

qint32 FallingDeltaWord(int switchRpm, int deltaItem, int ignitionType)
{
    if (deltaItem <= 0)
        return 0;
    const qint64 lowerRpm = qint64(switchRpm) - qint64(deltaItem) * kFallingDeltaRpmPerItem;
    if (lowerRpm < kSlowestSpeed)
        return 0;
    const qint64 delta = qint64(RpmToPeriod(int(lowerRpm), ignitionType))
                         - qint64(RpmToPeriod(switchRpm, ignitionType));
    return FitWord(delta, false);
}

} // namespace zantrel
