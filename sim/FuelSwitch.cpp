#include "sim/FuelSwitch.h"

namespace zantrel::sim {

bool MayChangeOverToGas(const ChangeOverInputs& in)
{
    return in.reducerC >= in.minReducerC && in.rpm > in.changeOverRpm && !in.lowPressureStored
        && !in.lowPressureNow;
}

void FuelSwitch::command(FuelMode mode)
{
    mode_ = mode;
    if (mode == FuelMode::Petrol)
        onGas_ = false;
}

void FuelSwitch::step(const ChangeOverInputs& in)
{
    if (mode_ == FuelMode::Petrol)
        onGas_ = false;
    else if (onGas_)
        onGas_ = in.rpm > 0.0 && !in.lowPressureNow;
    else
        onGas_ = MayChangeOverToGas(in);
}

} // namespace zantrel::sim
