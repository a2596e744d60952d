#pragma once

#include <QStringList>
#include <QtGlobal>

#include "base/LanguageStrings.h"

#include <array>
#include <optional>

namespace zantrel {

// The tank-level sensors that ComboBoxSzkielkoRezerwy offers for a fuel, and what each
// sets: the four thresholds of words 30..33 and the direction bit (10 of word 22), or
// nothing for the own definition, which shows ButtonSzkielkoDefiniuj instead.
struct ReserveSensorPreset {
    // The item's language string; AEB806 has none and shows `text`.
    std::optional<Text> name;
    const char* text;
    std::optional<std::array<qint32, 4>> thresholds;
    quint32 rising; // the direction bit, with the thresholds
};

constexpr int kReserveThresholdWords[] = {30, 31, 32, 33};

// The list of the fuel (bit 15 of word 47: 0 LPG, 1 CNG); nullptr for another value.
const ReserveSensorPreset* ReserveSensorPresetOf(quint32 fuel, int item);
QStringList ReserveSensorItems(quint32 fuel, const LanguageStrings& texts);
// Whether the own-definition button is shown for an item of the fuel's list.
bool ReserveOwnDefinition(quint32 fuel, int item);

} // namespace zantrel
