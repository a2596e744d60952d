#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel {

class ParameterTable;

// The tank level 1 (reserve) .. 5 (full) of the reserve sensor reading (live word 17),
// by the four thresholds of parameter words 30..33 and the sensor's direction; 0 when
// no band holds the reading. The tank picture shows the picture of this index.
struct ReserveThresholds {
    std::array<quint32, 4> boundary{}; // words 30..33
    bool rising = false;               // bit 10 of word 22: the reading rises as the tank fills
};

int ReserveLevel(quint32 reading, const ReserveThresholds& thresholds);
ReserveThresholds ReserveThresholdsOf(const ParameterTable& table);

} // namespace zantrel
