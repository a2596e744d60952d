#include "maps/CurveGraph.h"

#include <cmath>

namespace zantrel {

namespace {

constexpr double kMsBeyondLastLimit = 2.0;
constexpr double kZeroLineShare = 2.0 / 3.0;
constexpr double kScaleOverLimit = 1.6;
constexpr int kLastBarGap = 2;

} // namespace

CurveGraph::CurveGraph(const MapPoints& points, int width, int height, int curveMax)
    : width_(width)
    , zeroY_(height * kZeroLineShare)
    , perPercent_(height / (kScaleOverLimit * curveMax))
{
    const double lastMs = points.values[size_t(kMapPoints - 1)] / 10.0;
    const double perMs = width / (lastMs + kMsBeyondLastLimit);
    for (int k = 1; k < kCurvePoints; ++k)
        limits_[size_t(k)] = points.values[size_t(kFirstLoadPoint + k - 1)] / 10.0 * perMs;
}

double CurveGraph::BarRight(int k) const
{
    return k + 1 < kCurvePoints ? limits_[size_t(k + 1)] : double(width_ - kLastBarGap);
}

int CurveGraph::BandAt(double x) const
{
    int band = 0;
    for (int k = 1; k < kCurvePoints; ++k)
        if (x >= limits_[size_t(k)])
            band = k;
    return band;
}

int CurveGraph::PercentAt(double y) const
{
    return int(std::trunc((zeroY_ - y) / perPercent_));
}

} // namespace zantrel
