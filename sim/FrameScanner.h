#pragma once

#include "link/CommandFrame.h"

#include <QByteArray>

#include <vector>

namespace zantrel::sim {

// Splits the bytes arriving on the line into command frames: six bytes ending ";"
// whose checksum is right. Anything else is skipped a byte at a time, so the scanner
// finds the next frame after any junk, and never keeps more than five bytes waiting.
class FrameScanner {
public:
    std::vector<CommandFrame> feed(const QByteArray& bytes);

    qint64 skippedBytes() const { return skipped_; }

private:
    QByteArray pending_;
    qint64 skipped_ = 0;
};

} // namespace zantrel::sim
