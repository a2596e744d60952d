#include "adapt/AdaptationRun.h"

#include "adapt/AdaptationFinish.h"
#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ConfigBitFields.h"
#include "config/EditorScreen.h"
#include "config/ParameterEditors.h"
#include "config/ParameterEntry.h"
#include "config/ParameterUnits.h"
#include "image/ControllerImage.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "live/LiveConversions.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "service/FuelCommands.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace zantrel {

namespace {

constexpr const char* kEnrichmentField = "EditWzbogacanieMieszanki";
constexpr const char* kIdleCorrectionField = "EditPrzesuniecie";
constexpr int kFinishEntries = kMapCells + kCurvePoints;

// The base of the correction by the map kind the controller applies.
int CorrectionBase(const ParameterTable& table, const InjectionMaps& maps)
{
    switch (ShadowField(table, ConfigField::MapKind)) {
    case 1:
        return maps.map.Cell(3, 1);
    case 2:
        return maps.curve.bytes[2];
    default:
        return table.word(1);
    }
}

} // namespace

AdaptationRun::AdaptationRun(const AdaptationParts& parts, AdaptationView& view)
    : parts_(parts)
    , view_(view)
{
    // Direct: the flag must be set before the next tick looks at it.
    connect(&parts_.poll, &LivePoll::RecordAccepted, this, [this] { fresh_ = true; });
}

void AdaptationRun::ButtonPressed()
{
    if (writing_)
        return;
    if (step_ == AdaptStep::Idle)
        Start();
    else
        Abort();
}

void AdaptationRun::Start()
{
    if (Running())
        return;
    if (!parts_.link.Connected()) {
        parts_.prompter.Inform(QString(), parts_.texts[Text::NoConnection]);
        return;
    }
    petrolLoadMax_ = 0;
    gasLoadMax_ = 0;
    pressureMax_ = 0.0f;
    pressureMin_ = adapt::kPressureMinStartBar;
    petrolSteady_.Reset();
    gasSteady_.Reset();
    correction_.reset();
    samples_ = 0;
    gate_ = adapt::kSpeedGateTicks;
    progress_.Reset();
    linkLost_ = false;
    wordsBefore_ = SnapshotAdaptWords(parts_.image.Parameters());
    view_.RunStepTimer(AdaptStep::Idle);
    view_.HoldLiveTimers(true);

    // The live poll's last reply decides the first test; it must have been a record.
    parts_.link.CompleteInFlight();
    const bool recordGood = parts_.poll.PollFailures() == 0;
    fresh_ = false;
    enter(AdaptStep::WaitReducer);
    if (recordGood)
        waitReducer(read());

    view_.ShowOverallProgress(0);
    for (int f = 0; f < kAdaptFields; ++f)
        view_.ShowField(AdaptField(f), QString());
    view_.ShowRunning(true, parts_.texts[Text::AdaptAbort], true);
    pollLive();
}

void AdaptationRun::Abort(bool liveRestarted)
{
    if (step_ == AdaptStep::Idle)
        return;
    stopRun(Text::AdaptIdleInstruction);
    if (!liveRestarted)
        view_.HoldLiveTimers(false);
}

void AdaptationRun::stopRun(Text memo)
{
    step_ = AdaptStep::Idle;
    view_.RunStepTimer(AdaptStep::Idle);
    view_.ShowRunning(false, parts_.texts[Text::AdaptStart], true);
    view_.ShowStepProgress(1, 0);
    view_.ShowOverallProgress(0);
    message(memo);
}

void AdaptationRun::Tick(AdaptStep step)
{
    if (step != step_ || step_ == AdaptStep::Idle)
        return;
    // The previous tick's poll is judged before anything is decided on it.
    parts_.link.CompleteInFlight();
    if (!std::exchange(fresh_, false)) {
        if (!linkLost_)
            view_.ShowMessage(parts_.texts[Text::AdaptLinkLost]);
        linkLost_ = true;
        pollLive();
        return;
    }
    if (std::exchange(linkLost_, false))
        view_.ShowMessage(lastMessage_);
    decide(read());
    if (step_ != AdaptStep::Idle)
        pollLive();
}

void AdaptationRun::decide(const Reading& r)
{
    using S = AdaptStep;
    switch (step_) {
    case S::Idle:
        return;
    case S::WaitReducer:
        return waitReducer(r);
    case S::ToPetrolFirst:
        if (r.onGas)
            SendFuelCommand(parts_.commands, parts_.record, FuelCommand::Petrol);
        else
            enter(S::LoadOnPetrol);
        return;
    case S::LoadOnPetrol:
        return loadOnPetrol(r);
    case S::ToGasFirst:
        return toGasFirst(r);
    case S::LoadOnGas:
        return loadOnGas(r);
    case S::ToPetrolAtSpeed:
        return toPetrolAtSpeed(r);
    case S::SpeedGatePetrol:
        return speedGate(r, S::SteadyOnPetrol);
    case S::SteadyOnPetrol:
        return steadyOnPetrol(r);
    case S::ToGasSecond:
        if (r.onGas) {
            enter(S::SpeedGateGas);
        } else {
            message(Text::AdaptHoldSpeed);
            SendFuelCommand(parts_.commands, parts_.record, FuelCommand::Gas);
        }
        return;
    case S::SpeedGateGas:
        return speedGate(r, S::SteadyOnGas);
    case S::SteadyOnGas:
        return steadyOnGas(r);
    }
}

void AdaptationRun::waitReducer(const Reading& r)
{
    if (r.reducerC < adapt::kReducerReadyC) {
        message(Text::AdaptWaitReducer);
        return;
    }
    message(Text::AdaptReducerReached);
    enter(AdaptStep::ToPetrolFirst);
}

void AdaptationRun::loadOnPetrol(const Reading& r)
{
    if (r.onGas) {
        message(Text::AdaptSwitchToPetrol);
        return;
    }
    if (samples_ >= adapt::kLoadSamples) {
        // Without any petrol injection seen the ratio means nothing: nothing is written.
        if (petrolLoadMax_ == 0) {
            stopRun(Text::AdaptNoPetrolLoad);
            view_.HoldLiveTimers(false);
            return;
        }
        enter(AdaptStep::ToGasFirst);
        return;
    }
    message(Text::AdaptStabPedal);
    ++samples_;
    petrolLoadMax_ = std::max<quint32>(petrolLoadMax_, r.load);
    progress_.LoadSample();
    view_.ShowStepProgress(adapt::kLoadSamples, samples_);
    view_.ShowOverallProgress(progress_.Shown());
    view_.ShowField(AdaptField::PetrolLoad, ms(TicksToMs(petrolLoadMax_, fastClock())));
}

void AdaptationRun::toGasFirst(const Reading& r)
{
    if (r.onGas) {
        enter(AdaptStep::LoadOnGas);
        return;
    }
    if (r.rpm <= adapt::kGasSwitchAboveRpm)
        message(Text::AdaptRaiseSpeed);
    else
        SendFuelCommand(parts_.commands, parts_.record, FuelCommand::Gas);
}

void AdaptationRun::loadOnGas(const Reading& r)
{
    if (!r.onGas) {
        message(Text::AdaptSwitchToGas);
        return;
    }
    if (samples_ >= adapt::kLoadSamples) {
        enter(AdaptStep::ToPetrolAtSpeed);
        return;
    }
    message(Text::AdaptStabPedal);
    ++samples_;
    gasLoadMax_ = std::max<quint32>(gasLoadMax_, r.load);
    pressureMax_ = std::max(pressureMax_, r.pressureBar);
    progress_.LoadSample();
    view_.ShowStepProgress(adapt::kLoadSamples, samples_);
    view_.ShowOverallProgress(progress_.Shown());
    view_.ShowField(AdaptField::GasLoad, ms(TicksToMs(gasLoadMax_, fastClock())));
    view_.ShowField(AdaptField::PressureMax, bar(pressureMax_));
}

void AdaptationRun::toPetrolAtSpeed(const Reading& r)
{
    if (!r.onGas) {
        applyCorrection();
        enter(AdaptStep::SpeedGatePetrol);
        return;
    }
    message(Text::AdaptHoldSpeed);
    if (r.rpm > adapt::kPetrolSwitchAboveRpm && r.rpm < adapt::kPetrolSwitchBelowRpm)
        SendFuelCommand(parts_.commands, parts_.record, FuelCommand::Petrol);
}

void AdaptationRun::speedGate(const Reading& r, AdaptStep next)
{
    message(Text::AdaptHoldSpeed);
    if (r.rpm < adapt::kSpeedGateRpm)
        return;
    if (gate_ > 0) {
        --gate_;
        return;
    }
    if (next == AdaptStep::SteadyOnPetrol)
        clearIdleCorrection();
    enter(next);
}

void AdaptationRun::steadyOnPetrol(const Reading& r)
{
    if (r.onGas) {
        message(Text::AdaptSwitchToPetrol);
        return;
    }
    message(Text::AdaptHoldSpeed);
    const bool last = samples_ >= adapt::kSteadySamples;
    petrolSteady_.Add(r.loadMs);
    ++samples_;
    progress_.SteadySample();
    view_.ShowStepProgress(adapt::kSteadySamples, std::min(samples_, adapt::kSteadySamples));
    view_.ShowOverallProgress(progress_.Shown());
    view_.ShowField(AdaptField::PetrolSteady, ms(petrolSteady_.Mean()));
    if (last)
        enter(AdaptStep::ToGasSecond);
}

void AdaptationRun::steadyOnGas(const Reading& r)
{
    if (!r.onGas) {
        message(Text::AdaptSwitchToGas);
        return;
    }
    message(Text::AdaptHoldSpeed);
    const bool last = samples_ >= adapt::kSteadySamples;
    gasSteady_.Add(r.loadMs);
    pressureMin_ = std::min(pressureMin_, r.pressureBar);
    ++samples_;
    progress_.SteadySample();
    view_.ShowStepProgress(adapt::kSteadySamples, std::min(samples_, adapt::kSteadySamples));
    view_.ShowOverallProgress(progress_.Shown());
    view_.ShowField(AdaptField::GasSteady, ms(gasSteady_.Mean()));
    view_.ShowField(AdaptField::PressureMin, bar(pressureMin_));
    if (last)
        finish();
}

void AdaptationRun::applyCorrection()
{
    const ParameterTable& table = parts_.image.Parameters();
    correction_ = AdaptCorrection(CorrectionBase(table, parts_.image.Maps()), gasLoadMax_, petrolLoadMax_);
    if (!correction_)
        return;
    const QString text = CorrectionText(*correction_);
    view_.ShowField(AdaptField::Correction, text);
    parts_.screen.SetText(kEnrichmentField, text);
    parts_.editors.Write(u"EditWzbogacanieMieszanki");
}

void AdaptationRun::clearIdleCorrection()
{
    parts_.screen.SetText(kIdleCorrectionField, EntryText(0.0, 2, parts_.decimal));
    parts_.editors.Write(u"EditPrzesuniecie");
}

void AdaptationRun::finish()
{
    step_ = AdaptStep::Idle;
    view_.RunStepTimer(AdaptStep::Idle);
    const float difference = gasSteady_.Mean() - petrolSteady_.Mean();
    view_.ShowField(AdaptField::SteadyDifference, ms(difference));
    const FinishInputs in{difference, pressureMax_, pressureMin_, correction_.value_or(kPercentOffset)};
    LinkJob job;
    auto written = std::make_shared<int>(0);
    EditStep entries = AddFinishWrites(
        job, in, {parts_.image.Parameters(), parts_.image.Maps(), parts_.screen, parts_.decimal},
        [this, written](bool cell) {
            if (cell)
                progress_.CellWritten();
            view_.ShowStepProgress(kFinishEntries, ++*written);
            view_.ShowOverallProgress(progress_.Shown());
        });
    finishUndo_ = CompleteUndoStep(std::move(wordsBefore_), parts_.image.Parameters(), entries);
    wordsBefore_.clear();
    writing_ = true;
    view_.ShowRunning(true, parts_.texts[Text::AdaptAbort], false);
    view_.ShowStepProgress(kFinishEntries, 0);
    if (!parts_.gate.Start(std::move(job), this, [this](JobOutcome outcome) { finished(outcome); }))
        finished(JobOutcome::Cancelled);
}

void AdaptationRun::finished(JobOutcome outcome)
{
    writing_ = false;
    // The run has replaced the maps as a whole, so the undo history starts afresh, with
    // the run as its step. Even a write cut short has changed entries that it restores.
    emit parts_.image.MapsChanged();
    emit parts_.image.ParametersChanged();
    parts_.history.Record(std::move(finishUndo_));
    finishUndo_.clear();
    view_.FinishWritten();
    view_.HoldLiveTimers(false);
    stopRun(outcome == JobOutcome::Completed ? Text::AdaptFinished : Text::AdaptWritesIncomplete);
}

void AdaptationRun::enter(AdaptStep step)
{
    step_ = step;
    samples_ = 0;
    switch (step) {
    case AdaptStep::LoadOnPetrol:
        progress_.Reset();
        view_.ShowOverallProgress(0);
        view_.ShowStepProgress(adapt::kLoadSamples, 0);
        break;
    case AdaptStep::LoadOnGas:
        view_.ShowStepProgress(adapt::kLoadSamples, 0);
        break;
    case AdaptStep::SteadyOnPetrol:
    case AdaptStep::SteadyOnGas:
        view_.ShowStepProgress(adapt::kSteadySamples, 0);
        break;
    case AdaptStep::SpeedGatePetrol:
    case AdaptStep::SpeedGateGas:
        gate_ = adapt::kSpeedGateTicks;
        break;
    default:
        break;
    }
    view_.RunStepTimer(step);
}

void AdaptationRun::message(Text text)
{
    lastMessage_ = parts_.texts[text];
    view_.ShowMessage(lastMessage_);
}

void AdaptationRun::pollLive()
{
    parts_.poll.Tick();
}

AdaptationRun::Reading AdaptationRun::read() const
{
    const LiveRecord& record = parts_.record;
    const quint16 load = record[live::kPetrolAverage];
    return {
        PeriodToRpm(record[live::kSpeedPeriod], IgnitionType(parts_.image.Parameters())),
        record.OnGas(),
        TemperatureFromWord(record[live::kReducerTemperature]),
        load,
        TicksToMs(load, fastClock()),
        PressureFromCountsAdapt(record[live::kPressure]),
    };
}

bool AdaptationRun::fastClock() const
{
    return FastClock(parts_.image.Parameters());
}

QString AdaptationRun::ms(float value) const
{
    return EntryText(value, 2, parts_.decimal) + QStringLiteral(" ms");
}

QString AdaptationRun::bar(float value) const
{
    return EntryText(value, 2, parts_.decimal) + QStringLiteral(" bar");
}

} // namespace zantrel
