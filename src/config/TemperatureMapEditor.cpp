#include "config/TemperatureMapEditor.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/ParameterTransfer.h"
#include "config/TemperatureMap.h"
#include "image/ControllerImage.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

namespace zantrel {

TemperatureMapEditor::TemperatureMapEditor(ControllerImage& image, LinkGate& gate, EditorScreen& screen,
                                           Prompter& prompter, const LanguageStrings& texts)
    : image_(image)
    , gate_(gate)
    , screen_(screen)
    , prompter_(prompter)
    , texts_(texts)
{
}

bool TemperatureMapEditor::Read()
{
    if (gate_.Busy())
        return false;
    selectSwitch();
    auto read = std::make_shared<TemperatureReadout>();
    LinkJob job;
    AddTemperatureRead(job, read);
    return gate_.Start(std::move(job), &lifetime_, [this, read](JobOutcome) {
        const bool complete = StoreTemperatureRead(image_.Temperatures(), *read);
        emit image_.TemperaturesChanged();
        show(image_.Temperatures());
        screen_.SetText(kStatus, complete ? QString() : texts_[Text::TemperatureTableNotRead]);
    });
}

bool TemperatureMapEditor::Save()
{
    if (gate_.Busy())
        return false;
    TemperatureTexts typed;
    for (size_t k = 0; k < typed.points.size(); ++k)
        typed.points[k] = screen_.Text(kTempPointEdits[k]);
    for (size_t k = 0; k < typed.corrections.size(); ++k)
        typed.corrections[k] = screen_.Text(kTempCorrectionEdits[k]);
    const TemperatureEntry entry = CheckTemperatureTexts(typed);
    if (!entry.table) {
        prompter_.Inform(texts_[Text::ApplicationTitle],
                         texts_[Text::TemperatureNotANumber].arg(screen_.Text(entry.badEdit)));
        return false;
    }
    for (size_t k = 0; k < typed.points.size(); ++k)
        screen_.SetText(kTempPointEdits[k], entry.shown.points[k]);
    for (size_t k = 0; k < typed.corrections.size(); ++k)
        screen_.SetText(kTempCorrectionEdits[k], entry.shown.corrections[k]);

    LinkJob job;
    ParameterTable& table = image_.Parameters();
    // Word 47 carries other switches too: it goes out only as it was read.
    const bool wordKnown = table.Known(kFlagsBWord);
    if (wordKnown) {
        SetShadowField(table, ConfigField::TemperatureMap, screen_.Item(kSwitch) == 1 ? 1u : 0u);
        table.CommitShadow(ParameterTable::kShadow47);
        WriteParameter(job, quint8(kFlagsBWord), table.word(kFlagsBWord), ParameterTransfer::kEditorPauseMs);
    }
    AddTemperatureWrite(job, *entry.table);
    if (!gate_.Start(std::move(job), &lifetime_))
        return false;
    image_.Temperatures() = *entry.table;
    emit image_.TemperaturesChanged();
    screen_.SetText(kStatus, wordKnown ? QString() : texts_[Text::TemperatureSwitchNotWritten]);
    return true;
}

bool TemperatureMapEditor::Reset()
{
    if (gate_.Busy())
        return false;
    const TemperatureTexts texts = TemperatureResetTexts(ShadowField(image_.Parameters(), ConfigField::Fuel));
    for (size_t k = 0; k < texts.points.size(); ++k)
        screen_.SetText(kTempPointEdits[k], texts.points[k]);
    for (size_t k = 0; k < texts.corrections.size(); ++k)
        screen_.SetText(kTempCorrectionEdits[k], texts.corrections[k]);
    return Save();
}

void TemperatureMapEditor::ExitPoint(const char* edit)
{
    const QString text = screen_.Text(edit);
    const QString limited = PointTextOnExit(text);
    if (limited != text)
        screen_.SetText(edit, limited);
}

bool TemperatureMapEditor::ExitCorrection(const char* edit)
{
    const QString text = screen_.Text(edit);
    const CorrectionExit exit = CorrectionTextOnExit(text);
    if (exit.text != text)
        screen_.SetText(edit, exit.text);
    if (exit.refused)
        prompter_.Inform(texts_[Text::ApplicationTitle], texts_[Text::TemperatureFixValue]);
    return exit.refused;
}

void TemperatureMapEditor::LoadFuelPreset(quint32 fuel)
{
    image_.Temperatures() = FuelTemperaturePreset(fuel);
    emit image_.TemperaturesChanged();
    show(image_.Temperatures());
}

void TemperatureMapEditor::show(const TemperatureTable& table)
{
    const TemperatureTexts texts = TextsOf(table);
    for (size_t k = 0; k < texts.points.size(); ++k)
        screen_.SetText(kTempPointEdits[k], texts.points[k]);
    for (size_t k = 0; k < texts.corrections.size(); ++k)
        screen_.SetText(kTempCorrectionEdits[k], texts.corrections[k]);
}

// The switch shows word 47 only once it has been read.
void TemperatureMapEditor::selectSwitch()
{
    const ParameterTable& table = image_.Parameters();
    if (table.Known(kFlagsBWord))
        screen_.SelectItem(kSwitch, int(ShadowField(table, ConfigField::TemperatureMap)));
}

} // namespace zantrel
