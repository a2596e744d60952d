#include "live/LiveRecorder.h"

#include "base/LanguageStrings.h"
#include "live/RecordingFile.h"

namespace zantrel {

bool LiveRecorder::Start(const QString& path, const QByteArray& header)
{
    Stop();
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate) || file_.write(header) != header.size()
        || !file_.flush()) {
        file_.close();
        return false;
    }
    nextNumber_ = 1;
    state_ = State::Recording;
    return true;
}

bool LiveRecorder::Append(const LiveWords& words)
{
    if (state_ != State::Recording)
        return true;
    const QByteArray line = RecordLine(nextNumber_, words);
    if (file_.write(line) != line.size() || !file_.flush()) {
        Stop();
        return false;
    }
    ++nextNumber_;
    return true;
}

void LiveRecorder::TogglePause()
{
    if (state_ == State::Recording)
        state_ = State::Paused;
    else if (state_ == State::Paused)
        state_ = State::Recording;
}

void LiveRecorder::Stop()
{
    // Records are written whole on the one thread, so none can be half written here.
    state_ = State::Idle;
    file_.close();
}

QString CaptionToExtend(const QString& captionWithIdentity, const LanguageStrings& texts)
{
    return captionWithIdentity.isEmpty() ? BaseCaption(texts) : captionWithIdentity;
}

QString RecordingCaption(const QString& caption, const QString& label, const QString& path)
{
    return caption + QLatin1Char(' ') + label + QLatin1Char(' ') + path + QLatin1Char(']');
}

} // namespace zantrel
