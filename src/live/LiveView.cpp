#include "live/LiveView.h"

#include "base/LanguageStrings.h"
#include "base/ShellWindow.h"
#include "live/AdaptationSpeedMeter.h"
#include "live/DiagnosticTimes.h"
#include "live/OscilloscopeTab.h"
#include "live/ReadingsTab.h"
#include "live/StatusPanel.h"

#include <QAction>
#include <QLineEdit>

namespace zantrel {

LiveView::LiveView(ShellWindow& window, EcuLink& link, EcuCommands& commands, const ParameterTable& parameters,
                   const LanguageStrings& texts, StatusPanel& panel)
    : QObject(&window.Widget())
    , window_(window)
    , parameters_(parameters)
    , texts_(texts)
    , panel_(panel)
    , poll_(link, commands, record_, texts)
{
    readings_ = new ReadingsTab(window.Tab(TabId::TabSheet1));
    diagnostics_ = new DiagnosticTimes(window.Tab(TabId::TabSheet10));
    adaptation_ = new AdaptationSpeedMeter(window.Tab(TabId::TabSheet5));
    oscilloscope_ = new OscilloscopeTab(window.Tab(TabId::TabSheet2), record_, parameters_, window.EntrySeparators());
    connect(this, &LiveView::TraceStep, oscilloscope_, &OscilloscopeTab::DrawTraces);

    // Queued: a record may be accepted inside another handler's link operation.
    connect(&poll_, &LivePoll::RecordAccepted, this, &LiveView::UpdateLiveView, Qt::QueuedConnection);
    connect(&poll_, &LivePoll::StatusText, panel_.EditStatus, &QLineEdit::setText, Qt::QueuedConnection);
    connect(window.MenuItem(QStringLiteral("slupkiwtrysku")), &QAction::toggled, this,
            &LiveView::ShowInjectionBars);
    applyLambdaScales(LambdaScalesOf(parameters_));
}

void LiveView::UpdateLiveView()
{
    const LiveViewModel view = ComputeLiveView(record_, parameters_, window_.EntrySeparators().decimal, state_);
    applyLambdaScales(view.lambdaScale);
    panel_.Show(view, texts_);
    readings_->Show(view);
    diagnostics_->Show(view);
    adaptation_->Show(view);
    if (window_.Tab(TabId::TabSheet7)->isVisible())
        emit MapBandStep();
    emit TraceStep();
    emit GasLevelShown(view.levelVoltsText);
}

void LiveView::ShowInjectionBars(bool shown)
{
    readings_->ShowInjectionBars(shown);
}

void LiveView::applyLambdaScales(const std::array<LambdaScale, kLambdaProbes>& scales)
{
    for (int p = 0; p < kLambdaProbes; ++p) {
        const LambdaScale& scale = scales[size_t(p)];
        if (appliedScale_[size_t(p)] == scale)
            continue;
        appliedScale_[size_t(p)] = scale;
        panel_.ShowLambdaProbe(p, scale, texts_);
        readings_->ShowLambdaProbe(p, scale, texts_);
    }
}

} // namespace zantrel
