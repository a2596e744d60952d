#pragma once

#include "image/InjectionMaps.h"

#include <array>

namespace zantrel {

// The shape of the written map and curve relative to the run's correction, in percent:
// rows are the load bands, columns the speed bands, both from 0.
using AdaptMapProfileTable = std::array<std::array<int, kMapColumns>, kMapRows>;
const AdaptMapProfileTable& AdaptMapProfile();
const std::array<int, kCurvePoints>& AdaptCurveProfile();

// The steps of a run in their order; each has its own timer.
enum class AdaptStep {
    Idle,
    WaitReducer,
    ToPetrolFirst,
    LoadOnPetrol,
    ToGasFirst,
    LoadOnGas,
    ToPetrolAtSpeed,
    SpeedGatePetrol,
    SteadyOnPetrol,
    ToGasSecond,
    SpeedGateGas,
    SteadyOnGas,
};
constexpr int kAdaptSteps = 11;

struct AdaptStepTimer {
    AdaptStep step;
    const char* timer; // the shell's timer that drives the step
    int intervalMs;
};
// One row per step, in step order.
const std::array<AdaptStepTimer, kAdaptSteps>& AdaptStepTimers();
const AdaptStepTimer* StepTimerOf(AdaptStep step);

} // namespace zantrel
