#include "config/ConfigBitFields.h"

#include "config/ParameterWords.h"
#include "image/ParameterTable.h"

#include <QString>

#include <array>

namespace zantrel {

namespace {

using F = ConfigField;

constexpr std::array<BitField, 34> kFields{{
    {F::InjectorType, kFlagsAWord, 4, 4, "ComboBoxRodzajWtrysku", nullptr, "", "gas injector type; chooses the injector presets"},
    {F::ReserveSensor, kFlagsAWord, 8, 2, "ComboBoxSzkielkoRezerwy", nullptr, "", "reserve sensor type"},
    {F::ReserveDirection, kFlagsAWord, 10, 1, "ComboBoxSzkloRosMal", nullptr, "", "direction of the reserve sensor"},
    {F::RpmSignalLevel, kFlagsAWord, 11, 1, "ComboBoxSygnalObrotow", nullptr, "", "RPM signal level"},
    {F::TickClock, kFlagsAWord, 12, 1, nullptr, nullptr, "", "tick clock of the controller, set by the controller: 0 230 400/s, 1 1 843 200/s"},
    {F::InjectorHeating, kFlagsAWord, 13, 1, "ComboBoxRozgrzewanieWtryskiwacza", "ComboBoxRozgrzewanieWtryskiwaczaTervo", "", "injector heating"},
    {F::MaxRpmFunction, kFlagsAWord, 14, 1, "ComboBoxMaxRpm", "ComboBoxMaxRpmQuillon", "", "maximal-RPM function"},
    {F::ReducerVacuum, kFlagsAWord, 15, 1, "ComboBoxPodcisnienieReduktora", nullptr, "", "vacuum line of the reducer"},

    {F::ReducerFreezeCutoff, kFlagsBWord, 0, 1, "ComboBoxMrozRed", nullptr, "", "reducer-freezing cut-off active"},
    {F::ColdGasCutoff, kFlagsBWord, 1, 1, "ComboBoxMrozGaz", nullptr, "", "cold-gas cut-off active"},
    {F::MapKind, kFlagsBWord, 2, 2, "ComboBoxMapa", nullptr, "", "map kind"},
    {F::FuelChangeBuzzer, kFlagsBWord, 4, 1, "ComboBoxBuzzer", nullptr, "", "buzzer at fuel change"},
    {F::LowRpmFilter, kFlagsBWord, 5, 1, "ComboBoxFiltr", nullptr, "", "low-RPM filter active"},
    {F::TemperatureMap, kFlagsBWord, 6, 1, "ComboBoxMapaTemp", nullptr, "", "temperature enrichment map active"},
    {F::InertialFilter, kFlagsBWord, 7, 1, "ComboBoxFiltrIner", nullptr, "", "inertial filter"},
    {F::LambdaReaction, kFlagsBWord, 8, 1, "ComboBoxInercLambda", nullptr, "", "lambda reaction"},
    {F::RpmLimitation, kFlagsBWord, 9, 1, "ComboBoxInercRPM", nullptr, "", "RPM limitation of the correction"},
    {F::LoadLimitation, kFlagsBWord, 10, 1, "ComboBoxObcKorekt", nullptr, "", "load (injection time) limitation of the correction"},
    {F::SlowCorrection, kFlagsBWord, 11, 1, "ComboBoxWolnozmienna", nullptr, "", "slow-changing correction"},
    {F::ReducerSensorKind, kFlagsBWord, 13, 1, "ComboBoxRodzajCzTemp", nullptr, "", "reducer temperature sensor kind"},
    {F::Turbo, kFlagsBWord, 14, 1, "ComboBoxTURBO", "ComboBoxTURBOQuillon", "", "turbocharged engine"},
    {F::Fuel, kFlagsBWord, 15, 1, "ComboBoxCNGLPG", nullptr, "", "fuel"},

    {F::ReleaseValve, kFlagsCWord, 0, 1, "ComboBoxSpuscPsys", nullptr, "", "pressure release valve"},
    {F::LowRpmFilterVariant, kFlagsCWord, 3, 1, "ComboBoxFiltr", nullptr, "", "second variant of the low-RPM filter"},
    {F::DynamicCorrection, kFlagsCWord, 7, 1, "ComboBoxKorSkacz", nullptr, "", "dynamic correction active"},
    {F::GasStart, kFlagsCWord, 8, 1, "CheckBoxLpgStart", nullptr, "", "gas start"},

    {F::ExtraCorrection1, kExtraCorrectionWord, 0, 1, "CheckBox1", nullptr, "Wtrysk1", "extra correction on injector 1"},
    {F::ExtraCorrection2, kExtraCorrectionWord, 1, 1, "CheckBox2", nullptr, "Wtrysk2", "extra correction on injector 2"},
    {F::ExtraCorrection3, kExtraCorrectionWord, 2, 1, "CheckBox3", nullptr, "Wtrysk3", "extra correction on injector 3"},
    {F::ExtraCorrection4, kExtraCorrectionWord, 3, 1, "CheckBox4", nullptr, "Wtrysk4", "extra correction on injector 4"},
    {F::ExtraCorrection5, kExtraCorrectionWord, 4, 1, "CheckBox5", nullptr, "Wtrysk5", "extra correction on injector 5"},
    {F::ExtraCorrection6, kExtraCorrectionWord, 5, 1, "CheckBox6", nullptr, "Wtrysk6", "extra correction on injector 6"},
    {F::ExtraCorrection7, kExtraCorrectionWord, 6, 1, "CheckBox7", nullptr, "Wtrysk7", "extra correction on injector 7"},
    {F::ExtraCorrection8, kExtraCorrectionWord, 7, 1, "CheckBox8", nullptr, "Wtrysk8", "extra correction on injector 8"},
}};

constexpr bool InFieldOrder()
{
    for (size_t i = 0; i < kFields.size(); ++i)
        if (size_t(kFields[i].field) != i)
            return false;
    return true;
}
static_assert(InFieldOrder(), "one row per field, in the order of ConfigField");

} // namespace

std::span<const BitField> BitFields()
{
    return kFields;
}

const BitField& FieldOf(ConfigField field)
{
    return kFields[size_t(field)];
}

const BitField* FieldOfControl(QStringView control)
{
    for (const BitField& f : kFields)
        if ((f.control && control == QLatin1String(f.control)) || (f.twin && control == QLatin1String(f.twin)))
            return &f;
    return nullptr;
}

quint32 FieldMask(const BitField& field)
{
    return ((1u << field.width) - 1u) << field.firstBit;
}

quint32 FieldValue(qint32 word, const BitField& field)
{
    return (quint32(word) & FieldMask(field)) >> field.firstBit;
}

bool SetFieldValue(qint32& word, const BitField& field, quint32 value)
{
    if (value >= (1u << field.width))
        return false;
    word = qint32((quint32(word) & ~FieldMask(field)) | (value << field.firstBit));
    return true;
}

quint32 ShadowField(const ParameterTable& table, ConfigField field)
{
    const BitField& f = FieldOf(field);
    return FieldValue(table[*ParameterTable::ShadowOfWord(f.word)], f);
}

bool SetShadowField(ParameterTable& table, ConfigField field, quint32 value)
{
    const BitField& f = FieldOf(field);
    return SetFieldValue(table[*ParameterTable::ShadowOfWord(f.word)], f, value);
}

} // namespace zantrel
