#include "ecusim/PtyLoop.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace zantrel::sim {

namespace {

// Bytes due within this much are sent together: the program polls every 2 ms, so it
// cannot tell, and the loop need not spin between the bytes of a reply.
constexpr qint64 kSendAheadUs = 1'000;
constexpr int kIdlePollMs = 100;
// A program that writes without ever reading would otherwise fill memory with replies.
constexpr qint64 kMaxQueuedBytes = 64 * 1024;
constexpr int kReadChunk = 4096;
// Bytes written to the master reach the slave's queue a little later, so the queue is
// looked at only after a moment; a program that never reads gets the grace period.
constexpr qint64 kDropSettleUs = 20'000;
constexpr qint64 kDropGraceUs = 250'000;

} // namespace

PtyLoop::PtyLoop(PseudoTerminal& pty, SimDevice& device)
    : pty_(pty)
    , master_(pty.master())
    , device_(device)
{
    clock_.start();
}

PtyLoop::End PtyLoop::run(const volatile std::sig_atomic_t& stop)
{
    while (!stop) {
        sendDue();
        if (lineGone())
            return End::LineDropped;
        pollfd p{master_, short(POLLIN | (blocked_ ? POLLOUT : 0)), 0};
        const int ready = ::poll(&p, 1, pollTimeoutMs());
        if (ready > 0 && (p.revents & POLLIN))
            receive();
        else if (ready < 0 && errno != EINTR)
            return End::Stopped;
    }
    return End::Stopped;
}

bool PtyLoop::lineGone() const
{
    const std::optional<qint64> dropsAt = device_.lineDropsAtUs();
    if (!dropsAt || !out_.empty() || nowUs() < *dropsAt + kDropSettleUs)
        return false;
    return pty_.unreadBySlave() == 0 || nowUs() >= *dropsAt + kDropGraceUs;
}

void PtyLoop::receive()
{
    char buffer[kReadChunk];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return;
    for (TimedBytes& t : device_.receive(QByteArray(buffer, qsizetype(n)), nowUs())) {
        if (queuedBytes_ + t.bytes.size() > kMaxQueuedBytes)
            continue;
        queuedBytes_ += t.bytes.size();
        out_.push_back(std::move(t));
    }
}

void PtyLoop::sendDue()
{
    const qint64 horizon = nowUs() + kSendAheadUs;
    QByteArray batch;
    while (!out_.empty() && out_.front().atUs <= horizon) {
        batch += out_.front().bytes;
        out_.pop_front();
    }
    if (batch.isEmpty())
        return;
    const ssize_t written = ::write(master_, batch.constData(), size_t(batch.size()));
    const qsizetype taken = written > 0 ? qsizetype(written) : 0;
    queuedBytes_ -= taken;
    blocked_ = taken < batch.size();
    if (blocked_)
        out_.push_front({nowUs(), batch.mid(taken)});
}

int PtyLoop::pollTimeoutMs() const
{
    // A blocked write waits for the slave side to read; POLLOUT ends that wait.
    if (out_.empty() || blocked_)
        return kIdlePollMs;
    const qint64 waitUs = out_.front().atUs - kSendAheadUs - nowUs();
    return int(std::clamp<qint64>((waitUs + 999) / 1000, 0, kIdlePollMs));
}

} // namespace zantrel::sim
