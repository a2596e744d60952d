#include "live/ReplayControls.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "link/ConnectionManager.h"
#include "live/LiveRecorder.h"
#include "live/LiveView.h"

#include <QAction>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

namespace zantrel {

namespace {

constexpr int kSliderWidth = 220;
const QString kMenuItem = QStringLiteral("OdczytajDemo");

} // namespace

ReplayControls::ReplayControls(ShellWindow& window, QTimer& timerDemo, LiveView& live,
                               const ConnectionManager& connection, const LanguageStrings& texts, Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , timer_(timerDemo)
    , live_(live)
    , connection_(connection)
    , texts_(texts)
    , prompter_(prompter)
    , chooseFile_([this] { return ChooseRecordingToOpen(&window_.Widget()); })
{
    TrackBarDEMO = new QSlider(Qt::Horizontal, &window.Widget());
    TrackBarDEMO->setObjectName(QStringLiteral("TrackBarDEMO"));
    TrackBarDEMO->setFixedWidth(kSliderWidth);
    TrackBarDEMO->setRange(0, 0);
    TrackBarDEMO->setEnabled(false);
    // Hidden, and out of the status bar, whose height it would change.
    if (window.ServiceView())
        window.StatusBar().addPermanentWidget(TrackBarDEMO);
    else
        TrackBarDEMO->hide();
    window.ShowMenuItem(kMenuItem, window.ServiceView());

    connect(window.MenuItem(kMenuItem), &QAction::triggered, this, &ReplayControls::OdczytajDemoClick);
    connect(&timer_, &QTimer::timeout, this, &ReplayControls::TimerVizualizacjaDEMOTimer);
}

void ReplayControls::OdczytajDemoClick()
{
    const QString path = chooseFile_();
    if (!path.isEmpty())
        OpenReplay(path);
}

void ReplayControls::OpenReplay(const QString& path)
{
    timer_.stop();
    TrackBarDEMO->setValue(0);
    switch (player_.Open(path)) {
    case RecordingPlayer::Opened::Playing:
        TrackBarDEMO->setRange(0, player_.Records() - 1);
        TrackBarDEMO->setEnabled(true);
        timer_.start();
        return;
    case RecordingPlayer::Opened::CannotOpen:
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
        break;
    case RecordingPlayer::Opened::Refused:
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileTooShort]);
        break;
    }
    TrackBarDEMO->setEnabled(false);
}

void ReplayControls::TimerVizualizacjaDEMOTimer()
{
    const RecordingPlayer::Step step = player_.Tick(TrackBarDEMO->value());
    if (step.restart) {
        TrackBarDEMO->setValue(0);
        return;
    }
    TrackBarDEMO->setValue(step.index + 1);
    // A record the file does not hold whole is passed over; the display keeps the last.
    if (step.words) {
        live_.Record().Assign(*step.words);
        live_.UpdateLiveView();
    }
    window_.SetCaption(player_.Caption(CaptionToExtend(connection_.CaptionWithIdentity(), texts_), step.index,
                                       window_.EntrySeparators().decimal));
}

} // namespace zantrel
