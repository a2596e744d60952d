#pragma once

#include <QStringView>
#include <QtGlobal>

#include <span>

namespace zantrel {

class ParameterTable;

// The bit fields of the packed words 22 (flags A), 47 (flags B), 54 (flags C) and 51
// (extra-correction injectors). Editors change a field in the word's shadow slot, copy
// the shadow into the word and write the word. Bits not listed are carried along.
enum class ConfigField {
    // word 22
    InjectorType,
    ReserveSensor,
    ReserveDirection,
    RpmSignalLevel,
    TickClock,
    InjectorHeating,
    MaxRpmFunction,
    ReducerVacuum,
    // word 47
    ReducerFreezeCutoff,
    ColdGasCutoff,
    MapKind,
    FuelChangeBuzzer,
    LowRpmFilter,
    TemperatureMap,
    InertialFilter,
    LambdaReaction,
    RpmLimitation,
    LoadLimitation,
    SlowCorrection,
    ReducerSensorKind,
    Turbo,
    Fuel,
    // word 54
    ReleaseValve,
    LowRpmFilterVariant,
    DynamicCorrection,
    GasStart,
    // word 51, one bit per injector
    ExtraCorrection1,
    ExtraCorrection2,
    ExtraCorrection3,
    ExtraCorrection4,
    ExtraCorrection5,
    ExtraCorrection6,
    ExtraCorrection7,
    ExtraCorrection8,
};

struct BitField {
    ConfigField field;
    int word;
    int firstBit;
    int width;
    const char* control; // objectName of the control that edits it; nullptr when none
    const char* twin;    // its hidden or heating-group twin; nullptr when none
    const char* label;   // the check box caption; "" for combo boxes
    const char* meaning;
};

// One row per field, in the order of ConfigField.
std::span<const BitField> BitFields();
const BitField& FieldOf(ConfigField field);
// The field a control (or its twin) edits; nullptr for a control of none.
const BitField* FieldOfControl(QStringView control);

quint32 FieldMask(const BitField& field);
quint32 FieldValue(qint32 word, const BitField& field);
// False, with the word unchanged, when `value` does not fit the field.
bool SetFieldValue(qint32& word, const BitField& field, quint32 value);

// The same through the table: a field is read from and set in its word's shadow slot.
quint32 ShadowField(const ParameterTable& table, ConfigField field);
bool SetShadowField(ParameterTable& table, ConfigField field, quint32 value);

// Fuel field: 0 "LPG", 1 "CNG".
constexpr quint32 kFuelLpg = 0;

} // namespace zantrel
