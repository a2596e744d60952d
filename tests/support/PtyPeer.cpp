#include "PtyPeer.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zantrel::test {

PtyPeer::PtyPeer(Responder respond)
    : respond_(std::move(respond))
{
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        return;
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
    path_ = QString::fromLocal8Bit(name);
    thread_ = std::thread([this] { run(); });
}

PtyPeer::~PtyPeer()
{
    stop();
    if (slave_ >= 0)
        ::close(slave_);
}

void PtyPeer::stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

void PtyPeer::run()
{
    QByteArray pending;
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char buf[256];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            continue;
        pending.append(buf, int(n));
        while (pending.size() >= 6) {
            const QByteArray frame = pending.left(6);
            pending.remove(0, 6);
            ++frames_;
            const QByteArray reply = respond_ ? respond_(frame) : QByteArray();
            if (!reply.isEmpty())
                [[maybe_unused]] const ssize_t w = ::write(master_, reply.constData(), size_t(reply.size()));
        }
    }
}

} // namespace zantrel::test
