#include "live/ReserveLevel.h"

#include "config/ConfigBitFields.h"
#include "config/ReserveSensorPresets.h"
#include "image/ParameterTable.h"

#include <iterator>

namespace zantrel {

int ReserveLevel(quint32 v, const ReserveThresholds& thresholds)
{
    const auto& [t30, t31, t32, t33] = thresholds.boundary;
    // The bands are tested in this order and the last that holds wins, so overlapping
    // thresholds give the higher level.
    int level = 0;
    if (thresholds.rising) {
        if (v < t30)
            level = 1;
        if (t30 <= v && v < t31)
            level = 2;
        if (t31 <= v && v < t32)
            level = 3;
        if (t32 <= v && v < t33)
            level = 4;
        if (v >= t33)
            level = 5;
    } else {
        if (v >= t30)
            level = 1;
        if (t31 < v && v < t30)
            level = 2;
        if (t32 < v && v <= t31)
            level = 3;
        if (t33 < v && v <= t32)
            level = 4;
        if (v <= t33)
            level = 5;
    }
    return level;
}

ReserveThresholds ReserveThresholdsOf(const ParameterTable& table)
{
    ReserveThresholds thresholds;
    static_assert(std::size(kReserveThresholdWords) == std::tuple_size_v<decltype(thresholds.boundary)>);
    for (size_t i = 0; i < thresholds.boundary.size(); ++i)
        thresholds.boundary[i] = table.word(kReserveThresholdWords[i]);
    thresholds.rising = ShadowField(table, ConfigField::ReserveDirection) != 0;
    return thresholds;
}

} // namespace zantrel
