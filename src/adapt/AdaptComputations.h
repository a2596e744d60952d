#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace zantrel {

// The limits and thresholds of a run.
namespace adapt {
constexpr int kReducerReadyC = 50;
constexpr int kGasSwitchAboveRpm = 1500;
constexpr int kPetrolSwitchAboveRpm = 2000; // exclusive window for "B" at speed
constexpr int kPetrolSwitchBelowRpm = 2700;
constexpr int kSpeedGateRpm = 2300;
constexpr int kSpeedGateTicks = 50;
constexpr int kLoadSamples = 500;
constexpr int kSteadySamples = 300;
constexpr int kCorrectionMin = 85;
constexpr int kCorrectionMax = 150;
constexpr int kCurvePercentMin = -25;
constexpr float kPressureMinStartBar = 4.0f;
constexpr float kVacuumSwingBar = 0.65f;
} // namespace adapt

// The overall correction (percent + 100) from the base byte and the two load maxima:
// base x gas / petrol, cut toward zero, held to 85..150. None without a petrol maximum,
// for which the ratio means nothing.
std::optional<int> AdaptCorrection(int base, quint32 gasLoadMax, quint32 petrolLoadMax);
// "+32" for 132, "-15" for 85, "+0" for 100.
QString CorrectionText(int correction);

// The vacuum line and the two pressure thresholds from the pressures seen on gas: a wide
// swing means the reducer follows the manifold vacuum.
struct PressureSettings {
    int vacuumItem = 0; // 1: connected
    float beepBar = 0.0f;
    float cutoffBar = 0.0f;
};
PressureSettings AdaptPressureSettings(float pressureMaxBar, float pressureMinBar);

// The shift of the map and curve (correction - 100), held to at most `curveMax`.
int AdaptShift(int correction, int curveMax);
// Cell (row, column), both from 0, for a shift: its byte.
quint8 AdaptCellByte(int shift, int row, int column);
// Curve point k: its percentage, held to -25..curveMax.
int AdaptCurvePercent(int shift, int point, int curveMax);

// The bar ProgressAd: counted ticks of the load steps add 1/25, of the steady steps 1/15,
// each written cell 4/15; the bar shows the whole part, at most its 100.
class AdaptProgress {
public:
    void Reset() { value_ = 0.0f; }
    void LoadSample() { value_ += 1.0f / 25.0f; }
    void SteadySample() { value_ += 1.0f / 15.0f; }
    void CellWritten() { value_ += 4.0f / 15.0f; }
    int Shown() const;

private:
    float value_ = 0.0f;
};

// A running mean, shown after every sample.
class RunningMean {
public:
    void Reset()
    {
        sum_ = 0.0f;
        count_ = 0;
    }
    void Add(float value)
    {
        sum_ += value;
        ++count_;
    }
    int Count() const { return count_; }
    float Mean() const { return count_ ? sum_ / float(count_) : 0.0f; }

private:
    float sum_ = 0.0f;
    int count_ = 0;
};

} // namespace zantrel
