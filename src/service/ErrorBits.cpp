#include "service/ErrorBits.h"

namespace zantrel {

namespace {

constexpr int kNoInjectors = -1;
constexpr int kGasInjectorByte = 0;
constexpr int kPetrolInjectorByte = 8;

constexpr ErrorBit kBits[] = {
    // A low pressure or an empty tank is reported as remembered only.
    {0, std::nullopt, Text::ErrorLowPressure, kNoInjectors},
    {1, Text::ErrorHighPressure, Text::ErrorHighPressure, kNoInjectors},
    {2, Text::ErrorPressureSensorShorted, Text::ErrorPressureSensorShorted, kNoInjectors},
    {3, Text::ErrorPressureSensorOpen, Text::ErrorPressureSensorOpen, kNoInjectors},
    {4, Text::ErrorReducerSensorShorted, Text::ErrorReducerSensorShorted, kNoInjectors},
    {5, Text::ErrorReducerSensorOpen, Text::ErrorReducerSensorOpen, kNoInjectors},
    {6, Text::ErrorGasSensorShorted, Text::ErrorGasSensorShorted, kNoInjectors},
    {7, Text::ErrorGasSensorOpen, Text::ErrorGasSensorOpen, kNoInjectors},
    {9, Text::ErrorGasTooCold, Text::ErrorGasTooCold, kNoInjectors},
    {8, Text::ErrorReducerTooCold, Text::ErrorReducerTooCold, kNoInjectors},
    {10, Text::ErrorGasInjector, Text::ErrorGasInjector, kGasInjectorByte},
    {11, Text::ErrorPetrolSignal, Text::ErrorPetrolInjector, kPetrolInjectorByte},
};

} // namespace

std::span<const ErrorBit> ErrorBitsInReportOrder()
{
    return kBits;
}

} // namespace zantrel
