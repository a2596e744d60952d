#pragma once

#include "live/LiveWords.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace zantrel {

// Writes accepted live records to a recording file: idle, then recording and paused in
// turn, then idle again. Every record goes out as one line, flushed at once, so a program
// that ends without stopping leaves every record it had.
class LiveRecorder {
public:
    enum class State { Idle, Recording, Paused };

    // Creates `path` (an existing file is replaced) with the header; false, and still
    // idle, when the file cannot be written.
    [[nodiscard]] bool Start(const QString& path, const QByteArray& header);
    // Writes the record under the next number while recording; false when the write
    // failed, and the recording is then stopped.
    [[nodiscard]] bool Append(const LiveWords& words);
    // Recording to paused and back; the numbers go on without a gap.
    void TogglePause();
    void Stop();

    State CurrentState() const { return state_; }
    bool Running() const { return state_ != State::Idle; }
    quint32 NextNumber() const { return nextNumber_; }
    QString Path() const { return file_.fileName(); }

private:
    QFile file_;
    State state_ = State::Idle;
    quint32 nextNumber_ = 1;
};

class LanguageStrings;

// The caption that recording and replay extend and go back to: the one with the
// controller's identity, or the base caption while no controller has been identified.
QString CaptionToExtend(const QString& captionWithIdentity, const LanguageStrings& texts);

// The caption while recording or paused: the caption, the label and the file, then "]".
QString RecordingCaption(const QString& caption, const QString& label, const QString& path);

} // namespace zantrel
