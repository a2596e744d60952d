#include "sim/EngineModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zantrel::sim {

namespace {

constexpr double kReducerWarmC = 80.0;   // coolant-heated reducer at running temperature
constexpr double kReducerTau = 90.0;     // s
constexpr double kGasWarmRise = 12.0;    // gas in the line ends a little above ambient
constexpr double kGasTau = 240.0;        // s
constexpr double kPressureOnGas = 1300.0; // counts, about 1.33 bar
constexpr double kPressureResidual = 150.0;
constexpr double kPressureTau = 0.3;     // s
constexpr double kPressureSagPerMs = 20.0; // counts per ms of petrol time above 3 ms
constexpr double kLevelStart = 2600.0;   // falling sender: about three quarters full
constexpr double kLevelPerGasSecond = 0.2;
constexpr double kLevelMax = 4095.0;
constexpr double kLambdaWarmSeconds = 20.0;
constexpr double kLambdaMid = 0.45;

// First-order approach of value to target over dt with time constant tau.
double approach(double value, double target, double dt, double tau)
{
    return target + (value - target) * std::exp(-dt / tau);
}

} // namespace

EngineModel::EngineModel(Scenario scenario, double ambientC)
    : scenario_(scenario)
    , ambientC_(ambientC)
    , demand_(DemandAt(scenario, 0.0))
    , reducerC_(ambientC)
    , gasC_(ambientC)
    , pressureCounts_(kPressureResidual)
    , levelCounts_(kLevelStart)
{
}

void EngineModel::step(double seconds, bool onGas)
{
    if (seconds <= 0.0)
        return;
    seconds_ += seconds;
    demand_ = scenario_ == Scenario::Adapt ? driver_.step(seconds, reducerC_, onGas) : DemandAt(scenario_, seconds_);
    reducerC_ = approach(reducerC_, kReducerWarmC, seconds, kReducerTau);
    gasC_ = approach(gasC_, ambientC_ + kGasWarmRise, seconds, kGasTau);
    const double sag = kPressureSagPerMs * std::max(0.0, demand_.petrolMs - 3.0);
    pressureCounts_ = approach(pressureCounts_, onGas ? kPressureOnGas - sag : kPressureResidual,
                               seconds, kPressureTau);
    if (onGas)
        levelCounts_ = std::min(kLevelMax, levelCounts_ + kLevelPerGasSecond * seconds);
}

// A cold probe sits at its bias voltage; a warm one swings around it as the mixture
// control hunts.
double EngineModel::probeVolts(double amplitude, double hz, double phase) const
{
    if (seconds_ < kLambdaWarmSeconds)
        return kLambdaMid;
    return kLambdaMid + amplitude * std::sin(2.0 * std::numbers::pi * hz * seconds_ + phase);
}

} // namespace zantrel::sim
