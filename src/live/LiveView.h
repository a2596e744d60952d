#pragma once

#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "live/LiveViewModel.h"

#include <QObject>

#include <array>
#include <optional>

namespace zantrel {

class AdaptationSpeedMeter;
class DiagnosticTimes;
class EcuCommands;
class EcuLink;
class LanguageStrings;
class OscilloscopeTab;
class ParameterTable;
class ReadingsTab;
class StatusPanel;
class ShellWindow;

// The live data of the main window: the live record, its poll on the 25 ms timer, and
// the live view update that shows each accepted record on the status panel, the
// readings tab, the diagnostics times, the adaptation tab's meter and the traces.
class LiveView final : public QObject {
    Q_OBJECT
public:
    LiveView(ShellWindow& window, EcuLink& link, EcuCommands& commands, const ParameterTable& parameters,
             const LanguageStrings& texts, StatusPanel& panel);

    LiveRecord& Record() { return record_; }
    LivePoll& Poll() { return poll_; }
    // The on-gas flag of the fuel toggles and the petrol maxima the adaptation resets.
    LiveViewState& State() { return state_; }
    StatusPanel& Panel() { return panel_; }
    ReadingsTab& Readings() { return *readings_; }
    DiagnosticTimes& Diagnostics() { return *diagnostics_; }
    AdaptationSpeedMeter& AdaptationMeter() { return *adaptation_; }
    OscilloscopeTab& Oscilloscope() { return *oscilloscope_; }

    // Shows the live record on every live display. Runs after each accepted record, from
    // the event loop, and for each replayed one.
    void UpdateLiveView();
    // The menu item "pokaz slupki wtrysku".
    void ShowInjectionBars(bool shown);

signals:
    // The steps of the update that other displays take, in its order: the band of the
    // injection-map tab (only while that tab is shown), then the three traces, then the
    // gas-level voltage text for the reserve gauge dialog.
    void MapBandStep();
    void TraceStep();
    void GasLevelShown(const QString& text);

private:
    // Ranges, colours and visibility of the lambda displays, when a probe type changes.
    void applyLambdaScales(const std::array<LambdaScale, kLambdaProbes>& scales);

    ShellWindow& window_;
    const ParameterTable& parameters_;
    const LanguageStrings& texts_;
    StatusPanel& panel_;
    LiveRecord record_;
    LivePoll poll_;
    LiveViewState state_;
    ReadingsTab* readings_ = nullptr;
    DiagnosticTimes* diagnostics_ = nullptr;
    AdaptationSpeedMeter* adaptation_ = nullptr;
    OscilloscopeTab* oscilloscope_ = nullptr;
    std::array<std::optional<LambdaScale>, kLambdaProbes> appliedScale_;
};

} // namespace zantrel
