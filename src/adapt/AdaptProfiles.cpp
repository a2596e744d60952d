#include "adapt/AdaptProfiles.h"

namespace zantrel {

const AdaptMapProfileTable& AdaptMapProfile()
{
    static const AdaptMapProfileTable table{{
        {0, -2, -4, -4, -4, -4, -3},
        {0, -1, -2, -2, -2, -2, -2},
        {0, -1, -1, -1, -1, -1, -1},
        {0, 0, 0, 0, 0, 0, 0},
        {2, 1, 1, 1, 1, 1, 1},
        {3, 2, 2, 2, 2, 2, 1},
        {3, 3, 3, 3, 3, 3, 2},
        {2, 2, 2, 2, 2, 2, 1},
        {2, 2, 2, 2, 2, 2, 1},
        {1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1},
    }};
    return table;
}

const std::array<int, kCurvePoints>& AdaptCurveProfile()
{
    static const std::array<int, kCurvePoints> profile{-4, -2, 0, 0, 0, 2, 3, 5, 6, 6, 5, 4};
    return profile;
}

const std::array<AdaptStepTimer, kAdaptSteps>& AdaptStepTimers()
{
    using S = AdaptStep;
    static const std::array<AdaptStepTimer, kAdaptSteps> timers{{
        {S::WaitReducer, "TimerAutoTemp", 100},
        {S::ToPetrolFirst, "TimerNaBenz1", 100},
        {S::LoadOnPetrol, "TimerWdepniecieBenzyna", 50},
        {S::ToGasFirst, "TimerNaGaz1", 100},
        {S::LoadOnGas, "TimerWdepniecieLPG", 50},
        {S::ToPetrolAtSpeed, "TimerNaBenz2", 100},
        {S::SpeedGatePetrol, "TimerOpoznienie1", 100},
        {S::SteadyOnPetrol, "TimerWolneRpmBenz", 50},
        {S::ToGasSecond, "TimerNaGaz2", 100},
        {S::SpeedGateGas, "TimerOpoznienie2", 100},
        {S::SteadyOnGas, "TimerWolneRpmLPG", 50},
    }};
    return timers;
}

const AdaptStepTimer* StepTimerOf(AdaptStep step)
{
    for (const AdaptStepTimer& row : AdaptStepTimers())
        if (row.step == step)
            return &row;
    return nullptr;
}

} // namespace zantrel
