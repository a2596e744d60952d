#pragma once

#include "sim/Scenario.h"

namespace zantrel::sim {

// The driver of the `adapt` scenario, who does what the adaptation asks for as the car
// shows it: a fast idle while the reducer warms; once it is past 50 °C and the car runs
// on petrol, a stab of the throttle every two seconds; on gas, the same for a while;
// then a steady 2600 rpm to the end. On gas the controller sees the petrol injection
// time longer by `kGasLoadRatio`, the difference the adaptation measures.
class AdaptDriver {
public:
    static constexpr double kGasLoadRatio = 1.15;
    static constexpr double kReducerReadyC = 50.0;
    static constexpr double kStabOnGasSeconds = 27.0;

    enum class Phase { Warm, StabOnPetrol, StabOnGas, Hold };

    // The demand after `seconds` more, with the reducer and fuel as they are.
    EngineDemand step(double seconds, double reducerC, bool onGas);
    Phase phase() const { return phase_; }

private:
    Phase phase_ = Phase::Warm;
    double inPhase_ = 0.0;
    double total_ = 0.0;
};

} // namespace zantrel::sim
