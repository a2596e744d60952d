#pragma once

#include "image/InjectionMaps.h"
#include "maps/MapTexts.h"

#include <QtGlobal>

namespace zantrel {

class ParameterTable;

// The bands of the map by the points the editor shows. A speed or a time equal to a
// point belongs to the band below it: column c is the first whose speed point is at or
// above the speed (6 above the last), row r the first whose time point is at or above
// the time (11 above the last).
int SpeedBand(const MapPoints& points, int rpm);
int LoadBand(const MapPoints& points, float ms);

// The cell of a live record: its speed period (live word 13) and petrol time (word 0).
LiveMapCell LocateLiveCell(const MapPoints& points, quint16 speedPeriod, quint16 petrolTicks, PointCoding coding);
// The curve band of a raw petrol time against the raw time words the controller holds.
LiveCurveSegment LocateCurveSegment(const MapPoints& points, quint16 petrolTicks);

// The upper limit of a curve point: 90 % with the turbo flag of word 47, 50 % without.
int CurveMax(const ParameterTable& table);

} // namespace zantrel
