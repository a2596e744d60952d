#pragma once

#include "live/LiveRecorder.h"
#include "live/RecordingDialogs.h"

#include <QDateTime>
#include <QObject>

#include <functional>

class QGroupBox;
class QToolButton;

namespace zantrel {

class ConnectionManager;
class LanguageStrings;
class LivePoll;
class LiveRecord;
class Prompter;
class ShellWindow;

// The recorder, GroupBoxZapiszRamke on the status bar: "Zapisz" starts a recording of
// every accepted live record, "Pauzuj" pauses and resumes it, "Zatrzymaj" ends it. Hidden
// unless the window shows the service features.
class RecorderControls final : public QObject {
    Q_OBJECT
public:
    RecorderControls(ShellWindow& window, LivePoll& poll, const LiveRecord& record,
                     const ConnectionManager& connection, const LanguageStrings& texts, Prompter& prompter);

    QGroupBox* GroupBoxZapiszRamke = nullptr;
    QToolButton* ButtonZapiszRamke = nullptr;
    QToolButton* ButtonPauzujRamke = nullptr;
    QToolButton* ButtonZatrzymajRamke = nullptr;

    void ButtonZapiszRamkeClick();
    void ButtonPauzujRamkeClick();
    void ButtonZatrzymajRamkeClick();

    const LiveRecorder& Recorder() const { return recorder_; }
    // ZapiszDaneRamkiDialog by default.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // The clock the header's date and time come from.
    void SetClock(std::function<QDateTime()> now) { now_ = std::move(now); }

private:
    void append();
    void showState();
    QString caption() const;

    ShellWindow& window_;
    const LiveRecord& record_;
    const ConnectionManager& connection_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    LiveRecorder recorder_;
    FileChooser chooseFile_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };
};

} // namespace zantrel
