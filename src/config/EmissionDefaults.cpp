#include "config/EmissionDefaults.h"

#include "config/ParameterConversions.h"

namespace zantrel {

namespace {

constexpr quint16 kUpperLambdaCode = 614; // 0.75 V
constexpr quint16 kLowerLambdaCode = 327; // 0.4 V
constexpr quint16 kMaxCorrection = 10100;
constexpr quint16 kMinCorrection = 10000;
constexpr quint16 kRiseRate = 100;
constexpr quint16 kCorrectionTime = 100;
constexpr float kMinLoadMs = 2.0f;
constexpr float kMaxLoadMs = 12.0f;
constexpr int kMinRpm = 2000;
constexpr int kMaxRpm = 5000;

} // namespace

EmissionBlock EmissionDefaults(bool fastClock, int ignitionType)
{
    return {
        kUpperLambdaCode, kLowerLambdaCode, kMaxCorrection, kMinCorrection,
        kRiseRate, kRiseRate, kCorrectionTime, kCorrectionTime,
        TicksWord(kMinLoadMs, fastClock), TicksWord(kMaxLoadMs, fastClock),
        PeriodWord(kMinRpm, ignitionType), PeriodWord(kMaxRpm, ignitionType),
    };
}

} // namespace zantrel
