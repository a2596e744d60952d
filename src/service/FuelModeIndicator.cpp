#include "service/FuelModeIndicator.h"

#include "live/LiveRecord.h"

namespace zantrel {

namespace {

FuelModeDisplay FuelModeOf(const LiveRecord& record)
{
    if (record.OnGas())
        return {true, Text::Lpg, Text::FuelGas, FuelFace::Menu, FuelFace::Menu, FuelFace::Gas};
    return {false, Text::Petrol, Text::FuelPetrol, FuelFace::Petrol, FuelFace::Menu, FuelFace::Menu};
}

} // namespace

FuelModeIndicator::FuelModeIndicator()
    : shown_(FuelModeOf(LiveRecord{}))
{
}

FuelModeDisplay FuelModeIndicator::Show(const LiveRecord& record)
{
    shown_ = FuelModeOf(record);
    return shown_;
}

FuelModeDisplay FuelModeIndicator::AutomaticCommanded() const
{
    FuelModeDisplay display = shown_;
    display.petrol = FuelFace::Menu;
    display.automatic = FuelFace::Automatic;
    display.gas = FuelFace::Menu;
    return display;
}

} // namespace zantrel
