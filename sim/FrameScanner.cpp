#include "sim/FrameScanner.h"

namespace zantrel::sim {

namespace {

bool isFrame(const char* p)
{
    const auto b = [p](int i) { return quint8(p[i]); };
    return b(5) == CommandFrame::kTerminator && b(4) == CommandFrame::Checksum(b(0), b(1), b(2), b(3));
}

} // namespace

std::vector<CommandFrame> FrameScanner::feed(const QByteArray& bytes)
{
    pending_.append(bytes);
    std::vector<CommandFrame> frames;
    qsizetype at = 0;
    while (pending_.size() - at >= CommandFrame::kSize) {
        const char* p = pending_.constData() + at;
        if (!isFrame(p)) {
            ++at;
            ++skipped_;
            continue;
        }
        frames.push_back(CommandFrame::Make(p[0], quint8(p[1]), quint8(p[2]), quint8(p[3])));
        at += CommandFrame::kSize;
    }
    pending_.remove(0, at);
    return frames;
}

} // namespace zantrel::sim
