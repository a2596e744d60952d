#include "config/ParameterTransfer.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ConfigBitFields.h"
#include "config/EmissionConversions.h"
#include "config/EmissionDefaults.h"
#include "config/FactoryParameters.h"
#include "config/ParameterUnits.h"
#include "config/TemperatureMap.h"
#include "config/TemperatureMapDefaults.h"
#include "image/ControllerImage.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/ReadSequences.h"
#include "link/WriteSequences.h"
#include "maps/MapTransfer.h"

#include <memory>

namespace zantrel {

namespace {

// The flags the factory reset clears before it writes word 47 a second time: the
// temperature map and the five emission switches.
constexpr ConfigField kClearedAfterEmission[] = {
    ConfigField::TemperatureMap, ConfigField::InertialFilter, ConfigField::LambdaReaction,
    ConfigField::RpmLimitation,  ConfigField::LoadLimitation, ConfigField::SlowCorrection,
};

// The shadows that a read fills from the words it received.
constexpr int kShadowsOfRead[] = {ParameterTable::kShadow22, ParameterTable::kShadow47};

} // namespace

void StoreParameterRead(ParameterTable& table, const ParameterReadout& words)
{
    for (int i = 0; i < kParameterWords; ++i)
        if (const std::optional<quint16> word = words[size_t(i)])
            table.StoreReceived(i, *word);
    // The bit-field shadows follow the words this read received, and only those.
    for (const int slot : kShadowsOfRead) {
        const int word = *ParameterTable::WordOfShadow(slot);
        if (table.Known(word))
            table[slot] = table[word];
    }
}

ParameterTransfer::ParameterTransfer(LinkGate& gate, ControllerImage& image, ParameterTransferView& view,
                                     Prompter& prompter, const LanguageStrings& texts)
    : gate_(gate)
    , image_(image)
    , table_(image.Parameters())
    , view_(view)
    , prompter_(prompter)
    , texts_(texts)
{
}

bool ParameterTransfer::Busy() const
{
    return gate_.Busy();
}

void ParameterTransfer::AddAfterRead(std::function<void(LinkJob&)> steps, std::function<void()> ended)
{
    afterRead_.push_back(std::move(steps));
    if (ended)
        afterReadEnded_.push_back(std::move(ended));
}

bool ParameterTransfer::start(LinkJob job, std::function<void(JobOutcome)> finished)
{
    return gate_.Start(std::move(job), &lifetime_, std::move(finished));
}

bool ParameterTransfer::ReadAll()
{
    if (Busy())
        return false;
    table_.ForgetKnown();
    view_.SetProgressMaximum(ParameterTable::kWords - 1);
    auto words = std::make_shared<ParameterReadout>();
    LinkJob job;
    ReadAllParameterWords(job, words, [this](int index) { view_.SetProgressPosition(index); });
    job.Then([this, words] { StoreParameterRead(table_, *words); });
    return start(std::move(job), [this](JobOutcome outcome) { wordsRead(outcome); });
}

void ParameterTransfer::wordsRead(JobOutcome outcome)
{
    emit image_.ParametersChanged();
    const bool unprogrammed = table_.Known(kMarkerWord) && !table_.IsProgrammed();
    if (outcome == JobOutcome::Completed && unprogrammed
        && prompter_.AskYesNo(texts_[Text::NotProgrammedCaption], texts_[Text::NotProgrammed])) {
        LinkJob reset;
        addFactoryReset(reset);
        if (start(std::move(reset), [this, outcome](JobOutcome) { refreshAndWriteBack(outcome); }))
            return;
    }
    refreshAndWriteBack(outcome);
}

void ParameterTransfer::refreshAndWriteBack(JobOutcome readOutcome)
{
    const int received = table_.KnownCount();
    const QString status = received < ParameterTable::kWords
        ? texts_[Text::ParametersPartlyRead].arg(received).arg(ParameterTable::kWords)
        : QString();
    const std::vector<int> writeBack = view_.RefreshAfterRead();
    if (readOutcome != JobOutcome::Completed) {
        view_.ShowNote(status);
        return;
    }
    LinkJob job;
    for (const int word : writeBack)
        WriteParameter(job, quint8(word), table_.word(word), kEditorPauseMs);
    for (const std::function<void(LinkJob&)>& steps : afterRead_)
        steps(job);
    // The after-read steps may show texts of their own; the count of unanswered words
    // comes last so that it stays in sight.
    job.Then([this, status] {
        if (!status.isEmpty())
            view_.ShowNote(status);
    });
    start(std::move(job), [this](JobOutcome outcome) {
        if (outcome != JobOutcome::Completed)
            return;
        for (const std::function<void()>& ended : afterReadEnded_)
            ended();
    });
}

bool ParameterTransfer::WriteWord(int index, int leadingPauseMs, int trailingPauseMs)
{
    if (index < 0 || index >= ParameterTable::kWords || Busy())
        return false;
    LinkJob job;
    WriteParameter(job, quint8(index), table_.word(index), leadingPauseMs);
    job.Pause(trailingPauseMs);
    return gate_.RunNow(std::move(job)) == JobOutcome::Completed;
}

bool ParameterTransfer::WriteShadow(int slot, int leadingPauseMs)
{
    const std::optional<int> index = ParameterTable::WordOfShadow(slot);
    if (!index || Busy())
        return false;
    table_.CommitShadow(slot);
    return WriteWord(*index, leadingPauseMs);
}

bool ParameterTransfer::WriteAll()
{
    if (Busy())
        return false;
    LinkJob job;
    WriteAllParameters(job, table_.values(), [this] { view_.StepProgress(); });
    return start(std::move(job), [this](JobOutcome outcome) {
        if (outcome == JobOutcome::Completed)
            table_.MarkAllKnown();
    });
}

bool ParameterTransfer::FactoryReset()
{
    if (Busy())
        return false;
    LinkJob job;
    addFactoryReset(job);
    return start(std::move(job));
}

bool ParameterTransfer::MenuReset()
{
    if (Busy() || !prompter_.AskYesNo(texts_[Text::ResetCaption], texts_[Text::ResetQuestion]))
        return false;
    LinkJob job;
    addFactoryReset(job);
    return start(std::move(job), [this](JobOutcome) {
        table_[kFallingDeltaWord] = 0;
        ReadAll();
    });
}

// The table takes the factory values at once; the steps write them out.
void ParameterTransfer::addFactoryReset(LinkJob& job)
{
    ApplyFactoryValues(table_);
    table_.MarkAllKnown();
    emit image_.ParametersChanged();
    WriteAllParameters(job, table_.values(), [this] { view_.StepProgress(); });
    addResetMaps(job);
    addResetEmission(job);
    for (const ConfigField field : kClearedAfterEmission)
        SetShadowField(table_, field, 0);
    table_.CommitShadow(ParameterTable::kShadow47);
    WriteParameter(job, quint8(kFlagsBWord), table_.word(kFlagsBWord), kEditorPauseMs);
    addResetTemperatureMap(job);
}

// The maps take their factory values at once, as the table does; the steps write them
// out, the progress bar running over each phase.
void ParameterTransfer::addResetMaps(LinkJob& job)
{
    AddFactoryMapUpload(job, image_.Maps(), table_,
                        {[this](int maximum) { view_.SetProgressMaximum(maximum); },
                         [this](int position) { view_.SetProgressPosition(position); }});
    emit image_.MapsChanged();
}

void ParameterTransfer::addResetEmission(LinkJob& job)
{
    image_.Emission() = EmissionDefaults(FastClock(table_), IgnitionType(table_));
    AddEmissionWrite(job, image_.Emission());
    emit image_.EmissionChanged();
}

// The corrections first, then the temperature points.
void ParameterTransfer::addResetTemperatureMap(LinkJob& job)
{
    image_.Temperatures() = {kDefaultTempBreakpoints, kDefaultTempCorrections};
    AddTemperatureWrite(job, image_.Temperatures());
    emit image_.TemperaturesChanged();
}

} // namespace zantrel
