// Feeds arbitrary byte chunks to the reply collector, one chunk per poll, and runs every
// acceptance test on what it collected. Sanitizers catch any write past the buffers.
#include "link/EcuLink.h"
#include "link/ReplyShapes.h"
#include "link/SerialIo.h"
#include "link/VirtualClock.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace zantrel;

// Input: [expected count][chunk length, bytes]..., a chunk per poll.
class ChunkedIo final : public SerialIo {
public:
    ChunkedIo(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool open(const QString&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    bool setRts(bool) override { return false; }
    qint64 write(const char*, qint64 size) override { return size; }
    void waitUntilSent() override {}
    void clearError() override {}
    qint64 bytesQueued() override
    {
        if (queued_.empty() && pos_ < size_) {
            const size_t want = size_t(data_[pos_]) * 8;
            ++pos_;
            const size_t n = std::min(want, size_ - pos_);
            queued_.assign(data_ + pos_, data_ + pos_ + n);
            pos_ += n;
        }
        return qint64(queued_.size());
    }
    qint64 read(char* out, qint64 max) override
    {
        const qint64 n = std::min<qint64>(max, qint64(queued_.size()));
        std::memcpy(out, queued_.data(), size_t(n));
        queued_.erase(queued_.begin(), queued_.begin() + n);
        return n;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    std::vector<uint8_t> queued_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    VirtualClock clock;
    clock.setRecording(false);
    ChunkedIo io(data + 2, size - 2);
    EcuLink link(io, clock);
    link.OpenPort();
    const quint32 expected = data[0];
    if (data[1] & 1) {
        link.BeginCollect(expected, nullptr, {});
        while (!link.CollectStep()) {}
    } else {
        link.CollectReply(expected);
    }
    if (link.PollCount() > EcuLink::kMaxPolls)
        std::abort();
    if (link.ReplyComplete() != (link.ReplyTotal() >= expected))
        std::abort();

    const Reply reply = link.CurrentReply();
    const int accepted = int(LiveChecksumOk(reply)) + int(AcceptIdentify(reply))
        + int(AcceptWord(reply, data[1])) + int(AcceptExtendedWord(reply, data[1]));
    // A reply has one first byte, so at most one shape can accept it.
    if (accepted > 1)
        std::abort();
    return 0;
}
