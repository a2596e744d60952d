#pragma once

#include "adapt/AdaptComputations.h"
#include "adapt/AdaptProfiles.h"
#include "adapt/AdaptationView.h"
#include "maps/EditHistory.h"

#include <QChar>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace zantrel {

class ControllerImage;
class EcuCommands;
class EcuLink;
class EditorScreen;
class LanguageStrings;
class LinkGate;
class LivePoll;
class LiveRecord;
class ParameterEditors;
class Prompter;
enum class JobOutcome;
enum class Text;

// What a run works with: the link and its live poll, the fuel commands, the image it
// measures against and writes, the parameter editors that write words 1 and 3 from
// their fields, the map undo history that takes the finish as one step.
struct AdaptationParts {
    EcuLink& link;
    EcuCommands& commands;
    LivePoll& poll;
    const LiveRecord& record;
    LinkGate& gate;
    ControllerImage& image;
    ParameterEditors& editors;
    EditorScreen& screen;
    EditHistory& history;
    Prompter& prompter;
    const LanguageStrings& texts;
    QChar decimal;
};

// The guided calibration run: eleven steps, each ticked by its own timer, and the finish
// that writes the words, the map and the curve as one job. Every tick first decides on
// the live record that the previous tick's poll brought, then acts, then polls again
// (the shared live poll and its judgement). A tick whose poll brought no accepted record
// decides nothing: the step waits and the memo says the link is lost, so a dead link
// never feeds an old record into the measurements.
class AdaptationRun final : public QObject {
    Q_OBJECT
public:
    AdaptationRun(const AdaptationParts& parts, AdaptationView& view);

    // ButtonRozpocznijAuto: starts a run while idle, aborts it while one runs. Nothing
    // while the finish writes.
    void ButtonPressed();
    void Start();
    // Stops the step timers and shows the idle state; what was written stays. The live
    // timer runs again unless `liveRestarted` says the caller has done so.
    void Abort(bool liveRestarted = false);
    // One tick of the step's timer; a tick of another step than the current is ignored.
    void Tick(AdaptStep step);

    bool Running() const { return step_ != AdaptStep::Idle || writing_; }
    bool Writing() const { return writing_; }
    AdaptStep Step() const { return step_; }

    // The measurements, as the fields show them.
    quint32 PetrolLoadMax() const { return petrolLoadMax_; }
    quint32 GasLoadMax() const { return gasLoadMax_; }
    float PressureMax() const { return pressureMax_; }
    float PressureMin() const { return pressureMin_; }
    float PetrolSteady() const { return petrolSteady_.Mean(); }
    float GasSteady() const { return gasSteady_.Mean(); }
    std::optional<int> Correction() const { return correction_; }
    int Samples() const { return samples_; }

private:
    struct Reading {
        int rpm;
        bool onGas;
        int reducerC;
        quint16 load; // word 12, ticks
        float loadMs;
        float pressureBar;
    };
    Reading read() const;
    bool fastClock() const;
    QString ms(float value) const;
    QString bar(float value) const;

    void enter(AdaptStep step);
    void message(Text text);
    void pollLive();
    void stopRun(Text memo);
    void decide(const Reading& r);

    void waitReducer(const Reading& r);
    void loadOnPetrol(const Reading& r);
    void toGasFirst(const Reading& r);
    void loadOnGas(const Reading& r);
    void toPetrolAtSpeed(const Reading& r);
    void speedGate(const Reading& r, AdaptStep next);
    void steadyOnPetrol(const Reading& r);
    void steadyOnGas(const Reading& r);

    void applyCorrection();
    void clearIdleCorrection();
    void finish();
    void finished(JobOutcome outcome);

    AdaptationParts parts_;
    AdaptationView& view_;
    AdaptStep step_ = AdaptStep::Idle;
    bool writing_ = false;
    bool fresh_ = false;
    bool linkLost_ = false;
    QString lastMessage_;

    quint32 petrolLoadMax_ = 0;
    quint32 gasLoadMax_ = 0;
    float pressureMax_ = 0.0f;
    float pressureMin_ = adapt::kPressureMinStartBar;
    RunningMean petrolSteady_;
    RunningMean gasSteady_;
    std::optional<int> correction_;
    int samples_ = 0;
    int gate_ = adapt::kSpeedGateTicks;
    AdaptProgress progress_;
    // The words the run writes as they were before it, for the undo step.
    EditStep wordsBefore_;
    EditStep finishUndo_;
};

} // namespace zantrel
