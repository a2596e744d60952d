#include "live/RecordingPlayer.h"

#include "live/LiveTexts.h"

#include <QFileInfo>

namespace zantrel {

namespace {

constexpr int kSecondsDecimals = 2;

} // namespace

RecordingPlayer::Opened RecordingPlayer::Open(const QString& path)
{
    close();
    fileName_ = QFileInfo(path).fileName();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return Opened::CannotOpen;
    // Mapped, so a long drive is not read in whole; read when the file system cannot map.
    const qint64 size = file_.size();
    if (const uchar* mapped = size > 0 ? file_.map(0, size) : nullptr) {
        data_ = QByteArrayView(reinterpret_cast<const char*>(mapped), size);
    } else {
        contents_ = file_.readAll();
        data_ = contents_;
    }
    const RecordingScan scan = ScanRecording(data_);
    if (!scan.layout) {
        close();
        return Opened::Refused;
    }
    layout_ = scan.layout;
    return Opened::Playing;
}

void RecordingPlayer::close()
{
    layout_.reset();
    data_ = {};
    contents_.clear();
    file_.close(); // unmaps
}

RecordingPlayer::Step RecordingPlayer::Tick(int position) const
{
    if (!layout_ || position < 0 || position >= layout_->records - 1)
        return {true, 0, std::nullopt};
    return {false, position, ReadRecord(data_, *layout_, position)};
}

QString RecordingPlayer::Caption(const QString& caption, int index, QChar separator) const
{
    return caption + QLatin1Char('\'') + fileName_ + QStringLiteral("' [") + QString::number(index)
        + QStringLiteral(" / ") + QString::number(Records()) + QStringLiteral("] [")
        + RecordingSecondsText(index, separator) + QStringLiteral(" s. / ") + RecordingSecondsText(Records(), separator)
        + QStringLiteral(" s.]  ");
}

QString RecordingSecondsText(qint64 records, QChar separator)
{
    return FixedText(double(records) * kRecordSeconds, kSecondsDecimals, separator);
}

} // namespace zantrel
