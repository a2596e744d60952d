#pragma once

#include "adapt/AdaptProfiles.h"

#include <QString>

namespace zantrel {

// The eight read-only result fields of the tab, in their order.
enum class AdaptField {
    PetrolLoad,
    GasLoad,
    PressureMax,
    PetrolSteady,
    GasSteady,
    PressureMin,
    SteadyDifference,
    Correction,
};
constexpr int kAdaptFields = 8;

// What a run shows and drives on the window: the tab's memo, fields, button and bars,
// the step timers and the live-data and autodetection timers. The tab implements it; a
// test records it.
class AdaptationView {
public:
    virtual ~AdaptationView() = default;
    // Idle stops every step timer; another step starts its own timer and stops the rest.
    virtual void RunStepTimer(AdaptStep step) = 0;
    // Held: the live-data and autodetection timers stop; released: the live-data timer
    // runs again.
    virtual void HoldLiveTimers(bool held) = 0;
    virtual void ShowMessage(const QString& text) = 0;
    virtual void ShowField(AdaptField field, const QString& text) = 0;
    // The button's text, whether it can be pressed, and the shell's running flag.
    virtual void ShowRunning(bool running, const QString& buttonText, bool buttonEnabled) = 0;
    // ProgressBar1: the samples of a measuring step, the entries of the finish.
    virtual void ShowStepProgress(int maximum, int position) = 0;
    // ProgressAd, 0..100.
    virtual void ShowOverallProgress(int value) = 0;
    // The finish's writes have ended; the maps and the parameter fields show them.
    virtual void FinishWritten() = 0;
};

} // namespace zantrel
