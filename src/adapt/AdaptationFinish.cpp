#include "adapt/AdaptationFinish.h"

#include "adapt/AdaptComputations.h"
#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/ParameterConversions.h"
#include "config/ParameterEntry.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/PetrolInjectionType.h"
#include "image/InjectionMaps.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"
#include "maps/MapBands.h"
#include "maps/MapTransfer.h"

namespace zantrel {

namespace {

constexpr int kIdleCorrectionWord = 3;
constexpr int kCutoffWord = 18;
constexpr int kBeepWord = 24;

constexpr const char* kIdleCorrectionField = "EditPrzesuniecie";
constexpr const char* kVacuumField = "ComboBoxPodcisnienieReduktora";
constexpr const char* kCutoffField = "EditCisnienieWylaczenia";
constexpr const char* kBeepField = "EditCisnienieBeep";
constexpr const char* kPetrolInjectionField = "EditCzasWtryskuPrzyObciazeniu";

// As the numeric writers do: the field's text, held to the word's limits, stored, and
// shown as stored when that differs from what the field said.
bool storeFromField(FinishTargets& t, const char* control, int index, EntryKind kind)
{
    const std::optional<double> value = ParseEntry(t.screen.Text(control), kind, t.decimal);
    if (!value)
        return false;
    const std::optional<qint32> raw = RawFromUser(t.table, index, *value);
    if (!raw)
        return false;
    t.table[index] = *raw;
    if (StoredShowsOtherThan(t.table, index, *value))
        t.screen.SetText(control, *ParameterText(t.table, index, t.decimal));
    t.screen.ClearChanged(control);
    return true;
}

void addWord(LinkJob& job, const ParameterTable& table, int index)
{
    WriteParameter(job, quint8(index), table.word(index), ParameterTransfer::kEditorPauseMs);
}

} // namespace

EditStep AddFinishWrites(LinkJob& job, const FinishInputs& in, FinishTargets t,
                         std::function<void(bool cell)> entryWritten)
{
    t.screen.SetText(kIdleCorrectionField, EntryText(in.steadyDifferenceMs, 2, t.decimal));
    if (storeFromField(t, kIdleCorrectionField, kIdleCorrectionWord, EntryKind::SignedDecimal))
        addWord(job, t.table, kIdleCorrectionWord);

    const PressureSettings pressures = AdaptPressureSettings(in.pressureMaxBar, in.pressureMinBar);
    t.screen.SelectItem(kVacuumField, pressures.vacuumItem);
    t.screen.ClearChanged(kVacuumField);
    t.screen.SetText(kBeepField, EntryText(pressures.beepBar, 2, t.decimal));
    t.screen.SetText(kCutoffField, EntryText(pressures.cutoffBar, 2, t.decimal));
    // The other bits of word 22 are only sent when the controller's are known.
    if (t.table.Known(kFlagsAWord)) {
        SetShadowField(t.table, ConfigField::ReducerVacuum, quint32(pressures.vacuumItem));
        t.table.CommitShadow(ParameterTable::kShadow22);
        addWord(job, t.table, kFlagsAWord);
    }
    if (storeFromField(t, kCutoffField, kCutoffWord, EntryKind::Decimal))
        addWord(job, t.table, kCutoffWord);
    if (storeFromField(t, kBeepField, kBeepWord, EntryKind::Decimal))
        addWord(job, t.table, kBeepWord);
    if (const std::optional<qint32> word =
            PetrolInjectionWord(t.screen.Item(kPetrolInjectionField), FastClock(t.table))) {
        t.table[kPetrolInjectionWord] = *word;
        addWord(job, t.table, kPetrolInjectionWord);
    }

    const int curveMax = CurveMax(t.table);
    const int shift = AdaptShift(in.correction, curveMax);
    EditStep undo;
    for (int c = kMapColumns - 1; c >= 0; --c) {
        for (int r = kMapRows - 1; r >= 0; --r) {
            const int index = LoadRpmMap::Index(r, c);
            const quint8 byte = AdaptCellByte(shift, r, c);
            undo.push_back({EditTarget::MapCell, index, t.maps.map.bytes[size_t(index)], byte,
                            t.maps.map.known[size_t(index)]});
            AddCellWrite(job, t.maps, r, c, byte);
            job.Then([entryWritten] { entryWritten(true); });
        }
    }
    for (int k = 0; k < kCurvePoints; ++k) {
        const quint8 byte = quint8(AdaptCurvePercent(shift, k, curveMax) + kPercentOffset);
        undo.push_back({EditTarget::CurvePoint, k, t.maps.curve.bytes[size_t(k)], byte,
                        t.maps.curve.known[size_t(k)]});
        AddCurvePointWrite(job, t.maps, k, byte);
        job.Then([entryWritten] { entryWritten(false); });
    }
    return undo;
}

void ShowAdaptWords(const ParameterTable& table, EditorScreen& screen, QChar decimal)
{
    constexpr struct {
        int word;
        const char* field;
    } kNumbers[] = {{1, "EditWzbogacanieMieszanki"}, {kIdleCorrectionWord, kIdleCorrectionField},
                    {kCutoffWord, kCutoffField}, {kBeepWord, kBeepField}};
    for (const auto& n : kNumbers) {
        if (!table.Known(n.word))
            continue;
        if (const std::optional<QString> text = ParameterText(table, n.word, decimal)) {
            screen.SetText(n.field, *text);
            screen.ClearChanged(n.field);
        }
    }
    if (table.Known(kFlagsAWord)) {
        screen.SelectItem(kVacuumField, int(ShadowField(table, ConfigField::ReducerVacuum)));
        screen.ClearChanged(kVacuumField);
    }
    if (table.Known(kPetrolInjectionWord)) {
        if (const std::optional<int> item = PetrolInjectionItem(table[kPetrolInjectionWord], FastClock(table))) {
            screen.SelectItem(kPetrolInjectionField, *item);
            screen.ClearChanged(kPetrolInjectionField);
        }
    }
}

EditStep SnapshotAdaptWords(const ParameterTable& table)
{
    EditStep words;
    for (int index : kAdaptWords)
        words.push_back({EditTarget::ParameterWord, index, table.word(index), table.word(index), table.Known(index)});
    return words;
}

EditStep CompleteUndoStep(EditStep words, const ParameterTable& table, const EditStep& entries)
{
    EditStep step;
    for (EditChange& change : words) {
        change.after = table.word(change.index);
        if (change.after != change.before)
            step.push_back(change);
    }
    step.insert(step.end(), entries.begin(), entries.end());
    return step;
}

} // namespace zantrel
