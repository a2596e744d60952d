#pragma once

namespace zantrel::sim {

// The fuel mode commanded by "B", "A" and "G".
enum class FuelMode { Petrol, Automatic, Gas };

// What the change-over looks at, in the controller's own units.
struct ChangeOverInputs {
    int reducerC;            // reducer temperature as the controller measures it
    int minReducerC;         // parameter 5
    double rpm;
    int changeOverRpm;       // parameter 14 as a speed
    bool lowPressureStored;  // remembered error 1: gas stays off until "X"
    bool lowPressureNow;     // current error 1
};

// The controller changes over to gas when the reducer is warm enough (at least
// parameter 5) and the engine turns faster than parameter 14, unless a low pressure
// is remembered. Once on gas it stays there, at idle too, until the engine stops, the
// pressure is too low, or petrol is commanded.
class FuelSwitch {
public:
    void command(FuelMode mode);
    void step(const ChangeOverInputs& in);

    bool onGas() const { return onGas_; }

private:
    FuelMode mode_ = FuelMode::Automatic;
    bool onGas_ = false;
};

bool MayChangeOverToGas(const ChangeOverInputs& in);

} // namespace zantrel::sim
