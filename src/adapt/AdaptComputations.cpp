#include "adapt/AdaptComputations.h"

#include "adapt/AdaptProfiles.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

std::optional<int> AdaptCorrection(int base, quint32 gasLoadMax, quint32 petrolLoadMax)
{
    if (petrolLoadMax == 0)
        return std::nullopt;
    const double ratio = double(gasLoadMax) / double(petrolLoadMax);
    const double correction = std::trunc(double(base) * ratio);
    return int(std::clamp(correction, double(adapt::kCorrectionMin), double(adapt::kCorrectionMax)));
}

QString CorrectionText(int correction)
{
    if (correction < kPercentOffset)
        return QStringLiteral("-%1").arg(kPercentOffset - correction);
    return QStringLiteral("+%1").arg(correction - kPercentOffset);
}

PressureSettings AdaptPressureSettings(float pressureMaxBar, float pressureMinBar)
{
    if (std::fabs(pressureMaxBar - pressureMinBar) >= adapt::kVacuumSwingBar)
        return {1, pressureMinBar - 0.30f, pressureMinBar - 0.35f};
    return {0, pressureMinBar - 0.40f, pressureMinBar - 0.45f};
}

int AdaptShift(int correction, int curveMax)
{
    return std::min(correction - kPercentOffset, curveMax);
}

quint8 AdaptCellByte(int shift, int row, int column)
{
    const int percent = shift + AdaptMapProfile()[size_t(row)][size_t(column)];
    return quint8(std::clamp(percent + kPercentOffset, 0, 255));
}

int AdaptCurvePercent(int shift, int point, int curveMax)
{
    return std::clamp(AdaptCurveProfile()[size_t(point)] + shift, adapt::kCurvePercentMin, curveMax);
}

int AdaptProgress::Shown() const
{
    return std::min(int(value_), 100);
}

} // namespace zantrel
