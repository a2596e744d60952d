#include "config/ParameterEditors.h"

#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/FallingSwitchDelta.h"
#include "config/InjectorHeating.h"
#include "config/InjectorPresets.h"
#include "config/ParameterConversions.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/ParameterWords.h"
#include "config/PetrolInjectionType.h"
#include "config/ReserveSensorPresets.h"
#include "config/TemperatureCutoffs.h"
#include "image/ParameterTable.h"

#include <iterator>

namespace zantrel {

namespace {

constexpr int kBoostPositionWithoutTurbo = 0;

// Below this delay the edits are set to 0.1 s before the write.
constexpr double kShortestReturnDelay = 0.1;

// Falling mode: "300 obr./min" is chosen at once, and a switch-over speed up to 500 RPM
// stores no drop.
constexpr int kFallingModeItem = 1;
constexpr int kDefaultDropItem = 3;
constexpr int kSlowestFallingSwitchRpm = 500;
constexpr int kFallingDeltaTailPauseMs = 20;

// The strength controls that follow each heating switch.
struct HeatingSwitch {
    const char* control;
    const char* followers[2];
};

constexpr HeatingSwitch kHeatingSwitches[] = {
    {"ComboBoxRozgrzewanieWtryskiwacza", {"LabelSilaRozgrzewaniaWtrysku", "ComboBoxSilaRozgrzewaniaWtrysku"}},
    {"ComboBoxRozgrzewanieWtryskiwaczaTervo", {"ComboBoxSilaRozgrzewaniaWtryskuTervo", nullptr}},
};

// The control word that the injector type with timing by hand sets to "STANDARD".
constexpr int kControlModeWord = 58;
constexpr int kStandardControlMode = 0;

// The writers a chosen injector type runs, in this order, and those of the settings
// dialog's OK.
constexpr const char* kPresetWriters[] = {"EditOpoznienieWtryskiwaczy", "EditProcentowePodtrzymanie",
                                          "EditPelneOtwarcie", "EditMinimalnyCzasWtrysku"};
constexpr const char* kSettingsWriters[] = {"EditParametryMaxInj", "EditMinimalnyCzasWtrysku", "EditPelneOtwarcie",
                                            "EditProcentowePodtrzymanie", "EditOpoznienieWtryskiwaczy"};

// The threshold fields of the reserve sensor, for words 30..33 in order.
constexpr const char* kReserveThresholdFields[] = {"EditSzkloR", "EditRez14", "EditRez12", "EditRez34"};

} // namespace

bool ParameterEditors::switchHeating(const char* control)
{
    const int item = screen_.Item(control);
    if (item < 0)
        return false;
    for (const HeatingSwitch& s : kHeatingSwitches)
        if (qstrcmp(s.control, control) == 0)
            for (const char* follower : s.followers)
                if (follower)
                    screen_.SetEnabled(follower, item == 1);
    return writeField(control, quint32(item));
}

bool ParameterEditors::writeHeatingStrength(const char* control, bool group)
{
    const int item = screen_.Item(control);
    const HeatingStrength* strength = HeatingStrengthOf(item);
    // With no strength chosen the word takes 0 at once, not -1.
    table_[kHeatingStrengthWord] = strength ? item : 0;
    transfer_.WriteWord(kHeatingStrengthWord, ParameterTransfer::kEditorPauseMs, ParameterTransfer::kHeatingPauseMs);
    if (strength && group) {
        QString pulse = QString::fromLatin1(strength->pulseText);
        pulse.replace(u',', separators_.decimal);
        screen_.SetText("EditCzasRozgrz", QString::fromLatin1(strength->timeText));
        screen_.SetText("EditInjRozgrz", pulse);
        return writeNumber("EditInjRozgrz", ParameterTransfer::kHeatingPauseMs)
               && writeNumber("EditCzasRozgrz", ParameterTransfer::kHeatingPauseMs);
    }
    table_[kHeatingTimeWord] = strength ? strength->timeWord : kHeatingDefaultTime;
    table_[kHeatingPulseWord] = strength ? strength->pulseWord : kHeatingDefaultPulse;
    return transfer_.WriteWord(kHeatingPulseWord, ParameterTransfer::kHeatingPauseMs)
           && transfer_.WriteWord(kHeatingTimeWord, ParameterTransfer::kHeatingPauseMs);
}

bool ParameterEditors::writePetrolInjection(const char* control)
{
    const std::optional<qint32> word = PetrolInjectionWord(screen_.Item(control), FastClock(table_));
    if (!word)
        return false;
    table_[kPetrolInjectionWord] = *word;
    return transfer_.WriteWord(kPetrolInjectionWord);
}

bool ParameterEditors::writeTemperatureCutoff(const char* control)
{
    const TemperatureCutoff* cutoff = TemperatureCutoffOf(QString::fromLatin1(control));
    const int item = screen_.Item(control);
    if (!cutoff || item < 0)
        return false;
    table_[cutoff->word] = CutoffWord(*cutoff, item);
    SetShadowField(table_, cutoff->active, item > 0 ? 1u : 0u);
    return transfer_.WriteWord(cutoff->word) && transfer_.WriteShadow(ParameterTable::kShadow47);
}

bool ParameterEditors::writeTurbo(const char* control, bool chosen)
{
    const int item = screen_.Item(control);
    if (item < 0 || !writeField(control, quint32(item)))
        return false;
    const bool turbo = item == 1;
    if (chosen)
        screen_.SetShown("ButtonTURBO", turbo);
    if (turbo)
        return true;
    table_[kBoostWord] = *RawFromUser(table_, kBoostWord, kBoostPositionWithoutTurbo);
    return transfer_.WriteWord(kBoostWord);
}

// The partner follows at `offsetBar` from the number typed, before either limit.
bool ParameterEditors::writePressurePair(const char* control, const char* partner, double offsetBar)
{
    const std::optional<int> index = WordOfControl(QString::fromLatin1(control));
    const std::optional<double> value = entry(control);
    if (!index || !value || !storeEntry(control, *index, *value) || !transfer_.WriteWord(*index))
        return false;
    const int decimals = ParameterWordAt(*index).decimals;
    screen_.SetText(partner, EntryText(*value + offsetBar, decimals, separators_.decimal));
    return writeNumber(partner, ParameterTransfer::kEditorPauseMs);
}

bool ParameterEditors::writeReturnDelay(const char* control)
{
    const std::optional<double> value = entry(control);
    if (!value)
        return false;
    if (*value < kShortestReturnDelay)
        setTextWithTwins(control, EntryText(kShortestReturnDelay, 1, separators_.decimal));
    return writeNumber(control, ParameterTransfer::kEditorPauseMs);
}

std::optional<int> ParameterEditors::switchRpm()
{
    const std::optional<double> rpm = entry("EditRPMprzelNaLPG");
    if (!rpm)
        return std::nullopt;
    return TruncateToInt(*rpm);
}

bool ParameterEditors::chooseSwitchMode(const char* control)
{
    const bool falling = screen_.Item(control) == kFallingModeItem;
    screen_.SetEnabled("ComboBoxDeltaRpm", falling);
    screen_.SetEnabled("LabelDeltaRpm", falling);
    screen_.SelectItem("ComboBoxDeltaRpm", falling ? kDefaultDropItem : -1);
    if (!falling)
        return writeFallingDelta(0);
    const std::optional<int> rpm = switchRpm();
    if (!rpm)
        return false;
    return writeFallingDelta(*rpm > kSlowestFallingSwitchRpm ? kDefaultDropItem : 0);
}

bool ParameterEditors::writeFallingDelta(int deltaItem)
{
    qint32 word = 0;
    if (deltaItem > 0) {
        const std::optional<int> rpm = switchRpm();
        if (!rpm)
            return false;
        word = FallingDeltaWord(*rpm, deltaItem, IgnitionType(table_));
    }
    table_[kFallingDeltaWord] = word;
    return transfer_.WriteWord(kFallingDeltaWord, 0, kFallingDeltaTailPauseMs);
}

bool ParameterEditors::writeReserveSensor(const char* control)
{
    const int item = screen_.Item(control);
    const quint32 fuel = ShadowField(table_, ConfigField::Fuel);
    const ReserveSensorPreset* preset = ReserveSensorPresetOf(fuel, item);
    if (!preset)
        return false;
    SetShadowField(table_, ConfigField::ReserveSensor, quint32(item));
    if (preset->thresholds) {
        for (size_t i = 0; i < preset->thresholds->size(); ++i)
            table_[kReserveThresholdWords[i]] = (*preset->thresholds)[i];
        SetShadowField(table_, ConfigField::ReserveDirection, preset->rising);
    }
    screen_.SetShown("ButtonSzkielkoDefiniuj", !preset->thresholds);
    bool written = transfer_.WriteShadow(ParameterTable::kShadow22);
    for (const int word : kReserveThresholdWords)
        written = written && transfer_.WriteWord(word);
    showReserveThresholds();
    return written;
}

void ParameterEditors::showReserveThresholds()
{
    for (size_t i = 0; i < std::size(kReserveThresholdWords); ++i)
        screen_.SetText(kReserveThresholdFields[i],
                        *ParameterText(table_, kReserveThresholdWords[i], separators_.decimal));
    screen_.SelectItem("ComboBoxSzkloRosMal", int(ShadowField(table_, ConfigField::ReserveDirection)));
}

bool ParameterEditors::chooseFuel(const char* control)
{
    const int item = screen_.Item(control);
    if (item < 0 || !writeField(control, quint32(item)))
        return false;
    const quint32 fuel = quint32(item);
    screen_.SetItems("ComboBoxSzkielkoRezerwy", ReserveSensorItems(fuel, texts_));
    screen_.SelectItem("ComboBoxSzkielkoRezerwy", 0);
    screen_.SetShown("ButtonSzkielkoDefiniuj", ReserveOwnDefinition(fuel, 0));
    if (fuelShown_)
        fuelShown_(fuel);
    return true;
}

// The type goes into word 22 first; its timing follows. For a type without a preset
// the four writers take what the edits hold.
bool ParameterEditors::chooseInjectorType(const char* control)
{
    const int item = screen_.Item(control);
    if (item < 0 || !writeField(control, quint32(item)))
        return false;
    screen_.SetShown("ButtonRodzajWtryskiwaczy", item == kOwnTimingInjector);
    if (item == kOwnTimingInjector) {
        table_[kControlModeWord] = kStandardControlMode;
        screen_.SelectItem("ComboBoxMocnoZaawansowane", kStandardControlMode);
        screen_.ClearChanged("ComboBoxMocnoZaawansowane");
        return transfer_.WriteWord(kControlModeWord);
    }
    if (const std::optional<InjectorPreset> p = InjectorPresetOf(item)) {
        const std::pair<const char*, const char*> texts[] = {{"EditMinimalnyCzasWtrysku", p->minimalOpening},
                                                              {"EditPelneOtwarcie", p->fullOpening},
                                                              {"EditProcentowePodtrzymanie", p->holding},
                                                              {"EditOpoznienieWtryskiwaczy", p->delay}};
        for (const auto& [edit, text] : texts)
            setTextWithTwins(edit, PresetText(text, separators_.decimal));
    }
    bool all = true;
    for (const char* writer : kPresetWriters)
        all = Write(QString::fromLatin1(writer)) && all;
    return all;
}

bool ParameterEditors::WriteInjectorSettings()
{
    bool all = true;
    for (const char* writer : kSettingsWriters)
        all = Write(QString::fromLatin1(writer)) && all;
    return all;
}

} // namespace zantrel
