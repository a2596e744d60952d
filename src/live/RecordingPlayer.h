#pragma once

#include "live/LiveWords.h"
#include "live/RecordingFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QFile>
#include <QString>

#include <optional>

namespace zantrel {

// Plays a recording back a record per tick, from the position the slider shows; after
// the last but one record it starts again from the first.
class RecordingPlayer {
public:
    enum class Opened { Playing, CannotOpen, Refused };

    // Closes the recording played so far and opens `path`; a file of 1200 bytes or fewer,
    // or one without a first or last record, is refused.
    [[nodiscard]] Opened Open(const QString& path);
    bool Playing() const { return layout_.has_value(); }
    int Records() const { return layout_ ? layout_->records : 0; }
    // The file shown in the caption, without its folder.
    const QString& FileName() const { return fileName_; }

    struct Step {
        bool restart = false; // the position goes back to 0 and nothing is shown
        int index = 0;
        std::optional<LiveWords> words; // none for a record the file does not hold whole
    };
    // One tick at slider position `position`.
    Step Tick(int position) const;

    // The caption of record `index`: "'file' [i / n] [t s. / total s.]  " after `caption`.
    QString Caption(const QString& caption, int index, QChar separator) const;

private:
    void close();

    QFile file_;
    QByteArray contents_; // when the file cannot be mapped
    QByteArrayView data_;
    std::optional<RecordingLayout> layout_;
    QString fileName_ = kDefaultRecordingName;
};

// Seconds on the player's time base, with two decimals: "8,25".
QString RecordingSecondsText(qint64 records, QChar separator);

} // namespace zantrel
