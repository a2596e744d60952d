#include "config/EmissionEditor.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/EditorScreen.h"
#include "config/EmissionConversions.h"
#include "config/EmissionDefaults.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "config/TemperatureMap.h"
#include "config/TemperatureMapDefaults.h"
#include "config/TemperatureMapEditor.h"
#include "image/ControllerImage.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

// Word 47 carries other switches too: it goes out only once it has been read.
bool addWord47(LinkJob& job, ParameterTable& table)
{
    if (!table.Known(kFlagsBWord))
        return false;
    table.CommitShadow(ParameterTable::kShadow47);
    WriteParameter(job, quint8(kFlagsBWord), table.word(kFlagsBWord), ParameterTransfer::kEditorPauseMs);
    return true;
}

} // namespace

EmissionEditor::EmissionEditor(ControllerImage& image, LinkGate& gate, EditorScreen& screen, Prompter& prompter,
                               const LanguageStrings& texts, QChar decimalSeparator)
    : image_(image)
    , gate_(gate)
    , screen_(screen)
    , prompter_(prompter)
    , texts_(texts)
    , decimalSeparator_(decimalSeparator)
{
}

bool EmissionEditor::Read()
{
    auto read = std::make_shared<EmissionReadout>();
    LinkJob job;
    AddEmissionRead(job, read);
    return gate_.Start(std::move(job), &lifetime_, [this, read](JobOutcome) {
        const bool complete = StoreEmissionRead(image_.Emission(), *read);
        emit image_.EmissionChanged();
        showBlock();
        selectSwitches();
        screen_.SetText(kStatus, complete ? QString() : texts_[Text::EmissionBlockNotRead]);
    });
}

bool EmissionEditor::Save()
{
    if (gate_.Busy())
        return false;
    ParameterTable& table = image_.Parameters();
    EmissionBlock block{};
    for (int i = 0; i < kEmissionWords; ++i) {
        const char* edit = EmissionRows()[size_t(i)].edit;
        const std::optional<quint16> word = EmissionWord(i, screen_.Text(edit), table, decimalSeparator_);
        if (!word) {
            prompter_.Inform(texts_[Text::ApplicationTitle], texts_[Text::EmissionNotANumber].arg(screen_.Text(edit)));
            return false;
        }
        block[size_t(i)] = *word;
    }
    LinkJob job;
    AddEmissionWrite(job, block);
    const bool known = table.Known(kFlagsBWord);
    if (known) {
        for (const EmissionSwitch& s : EmissionSwitches())
            SetShadowField(table, s.field, EmissionSwitchValue(screen_.Item(s.control)));
        (void)addWord47(job, table);
    }
    if (!gate_.Start(std::move(job), &lifetime_))
        return false;
    image_.Emission() = block;
    emit image_.EmissionChanged();
    // What was stored, as the edits show it: a plain number beyond the word is held.
    showBlock();
    screen_.SetText(kStatus, known ? QString() : texts_[Text::EmissionSwitchesNotWritten]);
    return true;
}

bool EmissionEditor::Reset()
{
    if (gate_.Busy())
        return false;
    ParameterTable& table = image_.Parameters();
    const EmissionBlock block = EmissionDefaults(FastClock(table), IgnitionType(table));
    LinkJob job;
    AddEmissionWrite(job, block);
    bool known = table.Known(kFlagsBWord);
    if (known) {
        for (const EmissionSwitch& s : EmissionSwitches())
            SetShadowField(table, s.field, 0);
        (void)addWord47(job, table);
        const int mapItem = screen_.Item(TemperatureMapEditor::kSwitch);
        SetShadowField(table, ConfigField::TemperatureMap, mapItem == 1 ? 1u : 0u);
        (void)addWord47(job, table);
    }
    const TemperatureTable temperatures{kDefaultTempBreakpoints, kDefaultTempCorrections};
    AddTemperatureWrite(job, temperatures);
    if (!gate_.Start(std::move(job), &lifetime_))
        return false;
    image_.Emission() = block;
    image_.Temperatures() = temperatures;
    emit image_.EmissionChanged();
    emit image_.TemperaturesChanged();
    screen_.SetText(kStatus, known ? QString() : texts_[Text::EmissionSwitchesNotWritten]);
    return true;
}

void EmissionEditor::showBlock()
{
    for (int i = 0; i < kEmissionWords; ++i)
        screen_.SetText(EmissionRows()[size_t(i)].edit,
                        EmissionText(i, image_.Emission()[size_t(i)], image_.Parameters(), decimalSeparator_));
}

// The switches show word 47 as the table holds it; it is not read again here.
void EmissionEditor::selectSwitches()
{
    const ParameterTable& table = image_.Parameters();
    if (!table.Known(kFlagsBWord))
        return;
    for (const EmissionSwitch& s : EmissionSwitches())
        screen_.SelectItem(s.control, int(ShadowField(table, s.field)));
}

} // namespace zantrel
