#include "sim/AdaptDriver.h"

#include <cmath>
#include <numbers>

namespace zantrel::sim {

namespace {

constexpr double kFastIdleRpm = 1700.0; // past the change-over speed: gas comes by itself
constexpr double kFastIdleMs = 3.0;
constexpr double kStabCycle = 2.0;      // s
constexpr double kPedalDown = 0.5;      // s of each cycle with the pedal down
constexpr double kStabLowRpm = 1000.0;
constexpr double kStabHighRpm = 3600.0;
constexpr double kStabLowMs = 2.6;
constexpr double kStabHighMs = 14.0;    // held while the pedal is down, so every sample sees it
constexpr double kHoldRpm = 2600.0;
constexpr double kHoldMs = 5.0;

double wave(double seconds, double periodSeconds)
{
    return std::sin(2.0 * std::numbers::pi * seconds / periodSeconds);
}

EngineDemand stab(double t)
{
    const double u = std::fmod(t, kStabCycle);
    if (u < kPedalDown)
        return {kStabLowRpm + (kStabHighRpm - kStabLowRpm) * u / kPedalDown, kStabHighMs};
    const double s = u - kPedalDown;
    return {kStabLowRpm + (kStabHighRpm - kStabLowRpm) * std::exp(-s / 0.3), kStabLowMs};
}

} // namespace

EngineDemand AdaptDriver::step(double seconds, double reducerC, bool onGas)
{
    total_ += seconds;
    inPhase_ += seconds;
    const auto enter = [this](Phase phase) {
        phase_ = phase;
        inPhase_ = 0.0;
    };
    switch (phase_) {
    case Phase::Warm:
        if (reducerC >= kReducerReadyC && !onGas)
            enter(Phase::StabOnPetrol);
        break;
    case Phase::StabOnPetrol:
        if (onGas)
            enter(Phase::StabOnGas);
        break;
    case Phase::StabOnGas:
        if (inPhase_ >= kStabOnGasSeconds)
            enter(Phase::Hold);
        break;
    case Phase::Hold:
        break;
    }
    EngineDemand demand{};
    switch (phase_) {
    case Phase::Warm:
        demand = {kFastIdleRpm + 20.0 * wave(total_, 1.7), kFastIdleMs};
        break;
    case Phase::StabOnPetrol:
    case Phase::StabOnGas:
        demand = stab(inPhase_);
        break;
    case Phase::Hold:
        demand = {kHoldRpm + 20.0 * wave(total_, 1.3), kHoldMs + 0.05 * wave(total_, 0.9)};
        break;
    }
    if (onGas)
        demand.petrolMs *= kGasLoadRatio;
    return demand;
}

} // namespace zantrel::sim
