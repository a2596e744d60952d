#pragma once

#include "live/RecordingDialogs.h"
#include "live/RecordingPlayer.h"

#include <QObject>

class QSlider;
class QTimer;

namespace zantrel {

class ConnectionManager;
class LanguageStrings;
class LiveView;
class Prompter;
class ShellWindow;

// The player: "Odczytaj plik demo" opens a recording, TimerVizualizacjaDEMO shows a record
// of it every 40 ms as the live view shows a live one, and the slider TrackBarDEMO on the
// status bar is the position. Hidden unless the window shows the service features.
class ReplayControls final : public QObject {
    Q_OBJECT
public:
    ReplayControls(ShellWindow& window, QTimer& timerDemo, LiveView& live, const ConnectionManager& connection,
                   const LanguageStrings& texts, Prompter& prompter);

    QSlider* TrackBarDEMO = nullptr;

    // The menu item: asks for a file, then opens it.
    void OdczytajDemoClick();
    // Stops the replay so far and plays `path` from its first record.
    void OpenReplay(const QString& path);
    void TimerVizualizacjaDEMOTimer();

    const RecordingPlayer& Player() const { return player_; }
    // OpenDialogDEMO by default.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

private:
    ShellWindow& window_;
    QTimer& timer_;
    LiveView& live_;
    const ConnectionManager& connection_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    RecordingPlayer player_;
    FileChooser chooseFile_;
};

} // namespace zantrel
