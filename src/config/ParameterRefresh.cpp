#include "config/ParameterEditors.h"

#include "base/LanguageStrings.h"
#include "base/TabTable.h"
#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/ParameterWords.h"
#include "config/PetrolInjectionType.h"
#include "config/ReserveSensorPresets.h"
#include "config/TemperatureCutoffs.h"
#include "image/ControllerIdentity.h"
#include "image/ParameterTable.h"
#include "live/LiveConversions.h"

namespace zantrel {

namespace {

constexpr quint32 kMatrixInjector = 1;
constexpr quint32 kVacuumConnected = 1;
constexpr quint32 kLoadRpmMap = 1;
constexpr int kRefreshProgressMaximum = 61;

// The reducer sensor kind is offered from this hardware variant and firmware on.
constexpr int kSensorKindVariantAbove = 1;
constexpr int kSensorKindFirmwareAbove = 20;
// The low-RPM filter exists from this firmware on.
constexpr int kLowRpmFilterFirmware = 35;

constexpr ConfigField kExtraCorrections[] = {
    ConfigField::ExtraCorrection1, ConfigField::ExtraCorrection2, ConfigField::ExtraCorrection3,
    ConfigField::ExtraCorrection4, ConfigField::ExtraCorrection5, ConfigField::ExtraCorrection6,
    ConfigField::ExtraCorrection7, ConfigField::ExtraCorrection8,
};

constexpr const char* kHeatingStrengthControls[] = {
    "LabelSilaRozgrzewaniaWtrysku", "ComboBoxSilaRozgrzewaniaWtrysku", "ComboBoxSilaRozgrzewaniaWtryskuTervo"};

} // namespace

bool ParameterEditors::shows(int word) const
{
    return !refreshingAfterRead_ || table_.Known(word);
}

// The steps that need the maps, the curve editor, the device data, the car data, the
// temperature map and the turbo dialog are theirs to add.
std::vector<int> ParameterEditors::Refresh(bool afterRead, const ControllerIdentity& identity)
{
    refreshingAfterRead_ = afterRead;
    std::vector<int> writeBack;
    screen_.SetText("EditStatus", texts_[Text::ParametersShown]);

    if (shows(kFlagsAWord))
        screen_.SetShown("ButtonRodzajWtryskiwaczy", ShadowField(table_, ConfigField::InjectorType) == kMatrixInjector);
    refreshField(ConfigField::InjectorType);
    refreshItem(kIgnitionTypeWord);
    refreshItem(46);
    // The control setting is shown as well, so that no list on the tabs is left stale.
    refreshItem(58);
    refreshField(ConfigField::MaxRpmFunction);

    // This edition always runs with the vacuum line connected.
    if (shows(kFlagsAWord)) {
        SetShadowField(table_, ConfigField::ReducerVacuum, kVacuumConnected);
        refreshField(ConfigField::ReducerVacuum);
        if (afterRead) {
            table_.CommitShadow(ParameterTable::kShadow22);
            writeBack.push_back(kFlagsAWord);
        }
    }

    refreshField(ConfigField::InjectorHeating);
    refreshItem(kHeatingStrengthWord);
    refreshEdits({8, 2, 5, 14, 4, 18, 24, 1, 3, 52});

    if (shows(kExtraCorrectionWord)) {
        table_[ParameterTable::kShadow51] = table_[kExtraCorrectionWord];
        for (const ConfigField field : kExtraCorrections)
            screen_.SetChecked(FieldOf(field).control, ShadowField(table_, field) != 0);
    }

    refreshEdits({44});
    const std::optional<int> petrolItem = PetrolInjectionItem(WordValue(table_, kPetrolInjectionWord), FastClock(table_));
    if (petrolItem && shows(kPetrolInjectionWord))
        screen_.SelectItem("EditCzasWtryskuPrzyObciazeniu", *petrolItem);
    refreshEdits({13, 16, 20});
    refreshItem(55);
    refreshItem(56);
    refreshEdits({13, 7, 6});

    if (shows(kFlagsBWord))
        table_[ParameterTable::kShadow47] = table_[kFlagsBWord];
    for (const char* control : {"ComboBoxMrozGaz", "ComboBoxMrozRed"}) {
        const TemperatureCutoff& cutoff = *TemperatureCutoffOf(QString::fromLatin1(control));
        if (!shows(cutoff.word) || !shows(kFlagsBWord))
            continue;
        const std::optional<int> item =
            CutoffItem(cutoff, WordValue(table_, cutoff.word), ShadowField(table_, cutoff.active) != 0);
        screen_.SelectItem(control, item.value_or(-1));
    }
    refreshField(ConfigField::MapKind);
    screen_.SetTabShown(TabId::TabSheet6, true);
    screen_.SetTabShown(TabId::TabSheet7, false);
    if (shows(kFlagsBWord)) {
        SetShadowField(table_, ConfigField::MapKind, kLoadRpmMap);
        table_.CommitShadow(ParameterTable::kShadow47);
        if (afterRead)
            writeBack.push_back(kFlagsBWord);
    }
    refreshField(ConfigField::FuelChangeBuzzer);

    // With the signal strength of word 50 goes that of word 40, which the device data
    // refresh also shows.
    refreshEdits({50, 40});
    screen_.SetRange("ProgressBar1", 0, kRefreshProgressMaximum);
    refreshField(ConfigField::ReducerSensorKind);
    refreshField(ConfigField::Fuel);
    if (fuelShown_ && shows(FieldOf(ConfigField::Fuel).word))
        fuelShown_(ShadowField(table_, ConfigField::Fuel));

    refreshEdits({34});
    if (shows(FieldOf(ConfigField::Fuel).word) && shows(FieldOf(ConfigField::ReserveSensor).word)) {
        const quint32 fuel = ShadowField(table_, ConfigField::Fuel);
        const int reserve = int(ShadowField(table_, ConfigField::ReserveSensor));
        screen_.SetItems("ComboBoxSzkielkoRezerwy", ReserveSensorItems(fuel, texts_));
        screen_.SelectItem("ComboBoxSzkielkoRezerwy", reserve);
        screen_.SetShown("ButtonSzkielkoDefiniuj", ReserveOwnDefinition(fuel, reserve));
    }

    const bool sensorKind = (identity.HardwareByte & 0x0F) > kSensorKindVariantAbove
                            && identity.SoftwareByte > kSensorKindFirmwareAbove;
    screen_.SetShown("ComboBoxRodzajCzTemp", sensorKind);
    screen_.SetShown("LambaRodzajCzTemp", sensorKind);

    refreshField(ConfigField::Turbo);
    if (shows(FieldOf(ConfigField::Turbo).word)) {
        const bool turbo = ShadowField(table_, ConfigField::Turbo) != 0;
        screen_.SetShown("ButtonTURBO", turbo);
        screen_.SetShown("ButtonTURBOQuillon", turbo);
    }

    refreshField(ConfigField::RpmSignalLevel);
    if (shows(kFlagsCWord)) {
        table_[ParameterTable::kShadow54] = table_[kFlagsCWord];
        screen_.SetChecked("CheckBoxLpgStart", ShadowField(table_, ConfigField::GasStart) != 0);
    }
    refreshEdits({41, 42, 43});
    refreshField(ConfigField::ReleaseValve);

    if (shows(kFallingDeltaWord) && shows(14) && shows(kIgnitionTypeWord))
        refreshFallingDelta();

    if (shows(FieldOf(ConfigField::InjectorHeating).word)) {
        const bool heating = ShadowField(table_, ConfigField::InjectorHeating) != 0;
        for (const char* control : kHeatingStrengthControls)
            screen_.SetEnabled(control, heating);
    }

    ShowLowRpmFilter(identity.SoftwareByte >= kLowRpmFilterFirmware);
    refreshingAfterRead_ = false;
    return writeBack;
}

// The tab holds the filter's group alone: without it, or before its controls exist, the
// tab would be shown empty.
void ParameterEditors::ShowLowRpmFilter(bool shown)
{
    screen_.SetShown(kLowRpmFilterGroup, shown);
    screen_.SetTabShown(TabId::TabSheet11, shown && screen_.Has(kLowRpmFilterGroup));
}

void ParameterEditors::refreshEdits(std::initializer_list<int> words)
{
    for (const int word : words) {
        if (!shows(word))
            continue;
        const std::optional<QString> text = ParameterText(table_, word, separators_.decimal);
        for (const ParameterControl& c : ParameterWordAt(word).controls)
            if (c.name && text)
                screen_.SetText(c.name, *text);
    }
}

void ParameterEditors::refreshField(ConfigField field)
{
    const BitField& f = FieldOf(field);
    if (!shows(f.word))
        return;
    const int item = int(ShadowField(table_, field));
    screen_.SelectItem(f.control, item);
    if (f.twin)
        screen_.SelectItem(f.twin, item);
}

void ParameterEditors::refreshItem(int word)
{
    if (!shows(word))
        return;
    for (const ParameterControl& c : ParameterWordAt(word).controls)
        if (c.name)
            screen_.SelectItem(c.name, WordValue(table_, word));
}

// A drop is shown as the delta item it was stored from, computed back from the periods.
void ParameterEditors::refreshFallingDelta()
{
    const qint32 delta = WordValue(table_, kFallingDeltaWord);
    const bool falling = delta != 0;
    screen_.SelectItem("ComboBoxDeltaObrotow", falling ? 1 : 0);
    screen_.SetEnabled("ComboBoxDeltaRpm", falling);
    screen_.SetEnabled("LabelDeltaRpm", falling);
    if (!falling) {
        screen_.SelectItem("ComboBoxDeltaRpm", -1);
        return;
    }
    const quint32 period = quint32(WordValue(table_, 14));
    const int ignition = IgnitionType(table_);
    const int switchSpeed = PeriodToRpm(period, ignition);
    const int lowerRpm = PeriodToRpm(period + quint32(delta), ignition);
    screen_.SelectItem("ComboBoxDeltaRpm", int((switchSpeed - lowerRpm) * 0.01));
}

} // namespace zantrel
