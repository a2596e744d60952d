#pragma once

#include "live/LambdaScale.h"
#include "live/LiveWords.h"
#include "service/ErrorLamp.h"
#include "service/FuelModeIndicator.h"

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace zantrel {

class LiveRecord;
class ParameterTable;

constexpr int kLambdaProbes = 2;

// What the live view keeps from one record to the next.
struct LiveViewState {
    int shownLevelImage = 0;
    // Largest petrol time of cylinder 1 seen on petrol and on gas, in ms; the
    // auto-adaptation sets them back to 0.
    float petrolMaxOnPetrol = 0.0f;
    float petrolMaxOnGas = 0.0f;
    FuelModeIndicator fuelMode;
};

struct LambdaReading {
    float volts = 0.0f;
    QString text;
};

// Everything the live displays show of one record, in display units and texts.
struct LiveViewModel {
    // The probes' bar ranges; a probe that is not connected is hidden.
    std::array<LambdaScale, kLambdaProbes> lambdaScale{};
    std::optional<int> tankPicture; // set when another picture is to be shown
    FuelModeDisplay fuel{};
    std::optional<ErrorLamp> lamp;  // none: the lamp stays as it is

    int rpm = 0;
    double rpmThousands = 0.0;
    QString rpmText;   // "1500rpm"; empty while the ignition type is not known
    QString rpmNumber; // "1500"; likewise

    float pressure = 0.0f;
    QString pressureNumber;
    QString pressureText;

    // Cylinders 1..8; cylinder 1 is also the engine's time in the status panel.
    std::array<QString, live::kCylinders> petrolTimes;
    std::array<int, live::kCylinders> petrolBars{};
    std::optional<QString> petrolMaxOnPetrol; // a new maximum to show
    std::optional<QString> petrolMaxOnGas;
    std::array<QString, live::kCylinders> gasTimes;
    std::array<int, live::kCylinders> gasBars{};
    QString correctionText;
    int injectionBarScale = 0; // ticks: the maximum injection time, parameter word 8

    int reducerTemperature = 0;
    int gasTemperature = 0;
    QString reducerTemperatureText;
    QString gasTemperatureText;

    // Only for a connected probe; a probe that is not is neither shown nor updated.
    std::array<std::optional<LambdaReading>, kLambdaProbes> lambda;

    QString levelVoltsText;
};

// The bar ranges of the two lambda probes by their types, parameters 55 and 56.
std::array<LambdaScale, kLambdaProbes> LambdaScalesOf(const ParameterTable& table);

// The live view of a record, in the order the view is updated: lambda panels, tank
// picture, fuel mode, error lamp, engine speed, pressure, petrol times and their
// maxima, gas times and correction, temperatures, lambda voltages, gas level.
LiveViewModel ComputeLiveView(const LiveRecord& record, const ParameterTable& table, QChar decimalSeparator,
                              LiveViewState& state);

} // namespace zantrel
