#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace zantrel::test {

// A device on the master side of a raw pseudo-terminal: it reads 6-byte frames written
// to the slave path and answers each with whatever `respond` returns, at once.
class PtyPeer {
public:
    using Responder = std::function<QByteArray(const QByteArray& frame)>;

    explicit PtyPeer(Responder respond);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // Closes the master side: the device is gone.
    void stop();
    const QString& path() const { return path_; }
    int frames() const { return frames_; }

private:
    void run();

    Responder respond_;
    int master_ = -1;
    int slave_ = -1;
    QString path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> frames_{0};
};

} // namespace zantrel::test
