#include "config/ParameterEditors.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/TabTable.h"
#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/ParameterWords.h"
#include "config/ReserveSensorPresets.h"
#include "image/ParameterTable.h"

#include <algorithm>

#include <Qt>

namespace zantrel {

namespace {

// Enter in these controls goes to a control of the other tab.
struct TabJump {
    const char* from;
    TabId tab;
    const char* to;
};

constexpr TabJump kTabJumps[] = {
    {"ComboBoxSondaLambda2", TabId::TabSheet4, "ComboBoxPodcisnienieReduktora"},
    {"EditSignalInj", TabId::TabSheet3, "ComboBoxRodzajWtrysku"},
};

// After Enter has written a heating edit, the focus goes round the three of them.
struct EnterChain {
    const char* from;
    const char* to;
};

constexpr EnterChain kHeatingChain[] = {
    {"EditTempRozgrz", "EditCzasRozgrz"},
    {"EditCzasRozgrz", "EditInjRozgrz"},
    {"EditInjRozgrz", "EditTempRozgrz"},
};

bool isEnter(int qtKey) { return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter; }

FocusMove enterMove(const char* control)
{
    for (const TabJump& j : kTabJumps)
        if (qstrcmp(control, j.from) == 0)
            return {FieldMove::None, j.to, j.tab};
    return {FieldMove::Next, nullptr, std::nullopt};
}

} // namespace

ParameterEditors::ParameterEditors(ParameterTable& table, ParameterTransfer& transfer, EditorScreen& screen,
                                   Prompter& prompter, const LanguageStrings& texts, Separators separators)
    : table_(table)
    , transfer_(transfer)
    , screen_(screen)
    , prompter_(prompter)
    , texts_(texts)
    , separators_(separators)
{
}

void ParameterEditors::Enter(QStringView control)
{
    const std::optional<ParameterDescription> d = DescriptionOf(control);
    if (!d)
        return;
    screen_.SetText(DescriptionMemo(d->tab), DescriptionText(*d, texts_));
    (d->tab == EditorTab::Parameters ? parametersEntered_ : advancedEntered_) = true;
}

bool ParameterEditors::DescriptionShown(EditorTab tab) const
{
    return tab == EditorTab::Parameters ? parametersEntered_ : advancedEntered_;
}

void ParameterEditors::RefreshTexts()
{
    for (const EditorTab tab : {EditorTab::Parameters, EditorTab::Advanced})
        if (!DescriptionShown(tab))
            screen_.SetText(DescriptionMemo(tab), texts_[Text::DescriptionPrompt]);
    const char* reserve = "ComboBoxSzkielkoRezerwy";
    const int item = screen_.Item(reserve);
    screen_.SetItems(reserve, ReserveSensorItems(quint32(std::max(0, screen_.Item("ComboBoxCNGLPG"))), texts_));
    screen_.SelectItem(reserve, item);
}

// Leaving a control writes only what the user changed in it: a text or an item that the
// program put there (the refresh, a preset, a writer) is what the controller holds, and
// written back from its rounded text it would change the word.
void ParameterEditors::Exit(QStringView control)
{
    const EditorMember* m = MemberOf(control);
    if (m && screen_.Changed(m->control) && run(m->onExit, m->control))
        screen_.ClearChanged(m->control);
}

bool ParameterEditors::Write(QStringView control)
{
    const EditorMember* m = MemberOf(control);
    if (!m || !run(m->onExit, m->control))
        return false;
    screen_.ClearChanged(m->control);
    return true;
}

// A pick is the user's: it is written even when it picks the item shown.
void ParameterEditors::Choose(QStringView control)
{
    if (const EditorMember* m = MemberOf(control)) {
        run(m->onChoice, m->control);
        screen_.ClearChanged(m->control);
    }
}

void ParameterEditors::Click(QStringView control)
{
    if (const EditorMember* m = MemberOf(control))
        run(m->onClick, m->control);
}

// Enter writes a change as leaving the control does; an unchanged text is not written,
// and the focus goes on all the same.
FocusMove ParameterEditors::KeyUpEnter(QStringView control)
{
    const EditorMember* m = MemberOf(control);
    if (!m || m->onKeyUpEnter == EditorAction::None)
        return {};
    if (screen_.Changed(m->control)) {
        if (!run(m->onKeyUpEnter, m->control))
            return {};
        screen_.ClearChanged(m->control);
    }
    for (const EnterChain& c : kHeatingChain)
        if (qstrcmp(m->control, c.from) == 0)
            return {FieldMove::None, c.to, std::nullopt};
    return {};
}

std::optional<QChar> ParameterEditors::FilterKey(QStringView control, QChar key) const
{
    const EditorMember* m = MemberOf(control);
    if (!m)
        return key;
    return FilterEntryKey(m->entry, key, separators_);
}

FocusMove ParameterEditors::KeyDown(QStringView control, int qtKey) const
{
    const EditorMember* m = MemberOf(control);
    if (!m)
        return {};
    // The lists: Enter goes on as Tab would.
    if (m->entry == EntryKind::None)
        return isEnter(qtKey) ? enterMove(m->control) : FocusMove{};
    if (m->keyDown == KeyDownStep::No)
        return {};
    if (isEnter(qtKey))
        return enterMove(m->control);
    if (qtKey == Qt::Key_PageDown)
        return {FieldMove::Next, nullptr, std::nullopt};
    if (qtKey == Qt::Key_PageUp)
        return {FieldMove::Previous, nullptr, std::nullopt};
    return {};
}

bool ParameterEditors::run(EditorAction action, const char* control)
{
    using A = EditorAction;
    switch (action) {
    case A::None:
        return false;
    case A::Number:
        return writeNumber(control, ParameterTransfer::kEditorPauseMs);
    case A::HeatingNumber:
        return writeNumber(control, ParameterTransfer::kHeatingPauseMs);
    case A::Item:
        return writeItem(control);
    case A::IgnitionType:
        return writeIgnitionType(control);
    case A::Field:
        return writeListField(control);
    case A::Check:
        return writeCheckField(control);
    case A::HeatingSwitch:
        return switchHeating(control);
    case A::HeatingStrength:
        return writeHeatingStrength(control, false);
    case A::HeatingStrengthGroup:
        return writeHeatingStrength(control, true);
    case A::PetrolInjection:
        return writePetrolInjection(control);
    case A::TemperatureCutoff:
        return writeTemperatureCutoff(control);
    case A::Turbo:
        return writeTurbo(control, false);
    case A::TurboChosen:
        return writeTurbo(control, true);
    case A::ReturnPressure:
        return writePressurePair(control, "EditCisnienieBeep", kPressureStepBar);
    case A::WarningPressure:
        return writePressurePair(control, "EditCisnienieWylaczenia", -kPressureStepBar);
    case A::ReturnDelay:
        return writeReturnDelay(control);
    case A::SwitchMode:
        return chooseSwitchMode(control);
    case A::FallingDelta:
        return writeFallingDelta(screen_.Item(control));
    case A::ReserveSensor:
        return writeReserveSensor(control);
    case A::Fuel:
        return chooseFuel(control);
    case A::InjectorType:
        return chooseInjectorType(control);
    }
    return false;
}

std::optional<double> ParameterEditors::entry(const char* control)
{
    const QString text = screen_.Text(control);
    // An edit that holds nothing (before the first read, or cleared) has nothing to write.
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const EditorMember* m = MemberOf(QString::fromLatin1(control));
    const std::optional<double> value = ParseEntry(text, m ? m->entry : EntryKind::Decimal, separators_.decimal);
    if (!value)
        prompter_.Inform(texts_[Text::Error], texts_[Text::NotANumber].arg(text));
    return value;
}

// A value that the limits, the word's range or the unit's steps changed is shown as
// stored at once, so that the edit never shows what the controller does not hold.
bool ParameterEditors::storeEntry(const char* control, int index, double value)
{
    const std::optional<qint32> raw = RawFromUser(table_, index, value);
    if (!raw)
        return false;
    table_[index] = *raw;
    if (StoredShowsOtherThan(table_, index, value))
        setTextWithTwins(control, *ParameterText(table_, index, separators_.decimal));
    return true;
}

bool ParameterEditors::writeNumber(const char* control, int pauseMs)
{
    const std::optional<int> index = WordOfControl(QString::fromLatin1(control));
    const std::optional<double> value = entry(control);
    if (!index || !value || !storeEntry(control, *index, *value))
        return false;
    return transfer_.WriteWord(*index, pauseMs);
}

bool ParameterEditors::writeItem(const char* control)
{
    const std::optional<int> index = WordOfControl(QString::fromLatin1(control));
    const int item = screen_.Item(control);
    // Nothing chosen is nothing to store, rather than -1 as 0xFFFF.
    if (!index || item < 0)
        return false;
    table_[*index] = item;
    return transfer_.WriteWord(*index);
}

// The map's speed points and then the speeds in the edits are converted again with the
// new ignition type.
bool ParameterEditors::writeIgnitionType(const char* control)
{
    if (!writeItem(control))
        return false;
    const auto speedWords = [this] {
        const bool switchSpeed = writeNumber("EditRPMprzelNaLPG", ParameterTransfer::kEditorPauseMs);
        const bool maxSpeed = writeNumber("EditMaxRpm", ParameterTransfer::kEditorPauseMs);
        return switchSpeed && maxSpeed;
    };
    if (ignitionTypeWritten_ && ignitionTypeWritten_([speedWords] { static_cast<void>(speedWords()); }))
        return true;
    return speedWords();
}

bool ParameterEditors::writeField(const char* control, quint32 value)
{
    const BitField* field = FieldOfControl(QString::fromLatin1(control));
    if (!field || !SetShadowField(table_, field->field, value))
        return false;
    return transfer_.WriteShadow(*ParameterTable::ShadowOfWord(field->word));
}

bool ParameterEditors::writeListField(const char* control)
{
    const int item = screen_.Item(control);
    return item >= 0 && writeField(control, quint32(item));
}

bool ParameterEditors::writeCheckField(const char* control)
{
    return writeField(control, screen_.Checked(control) ? 1u : 0u);
}

void ParameterEditors::setTextWithTwins(const char* control, const QString& text)
{
    screen_.SetText(control, text);
    for (const TwinControl& t : TwinControls())
        if (t.sharesHandlers && qstrcmp(t.main, control) == 0)
            screen_.SetText(t.twin, text);
}

} // namespace zantrel
