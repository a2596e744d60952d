#pragma once

#include "image/InjectionMaps.h"

#include <array>

namespace zantrel {

// The geometry of the curve graph on an image of a given size: the band limits T1..T11
// along x at width / (T11 + 2 ms) pixels per ms, the zero line at two thirds of the
// height, height / (1.6 x curve limit) pixels per percent, positive upward.
class CurveGraph {
public:
    CurveGraph(const MapPoints& points, int width, int height, int curveMax);

    // Left edge of bar k (0..11); x of limit k is LimitX(k), k = 1..11, LimitX(0) = 0.
    double LimitX(int k) const { return limits_[size_t(k)]; }
    // Right edge of bar k: the next limit, and for the last bar 2 pixels short of the
    // right edge.
    double BarRight(int k) const;
    double ZeroY() const { return zeroY_; }
    double PixelsPerPercent() const { return perPercent_; }
    // Height of a percentage above the zero line, in y.
    double YOf(int percent) const { return zeroY_ - percent * perPercent_; }

    // The band under x: 0 left of the first limit, k between limits k and k + 1, 11
    // right of the last.
    int BandAt(double x) const;
    // The percentage at y, cut toward zero (not yet held to the curve's limits).
    int PercentAt(double y) const;

private:
    std::array<double, kCurvePoints> limits_{};
    int width_;
    double zeroY_;
    double perPercent_;
};

} // namespace zantrel
