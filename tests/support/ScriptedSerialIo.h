#pragma once

#include "link/SerialIo.h"
#include "link/VirtualClock.h"

#include <QByteArray>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace zantrel::test {

// A fake device on the virtual clock: bytes become readable at scheduled virtual times,
// every write is recorded on the clock, and a responder may answer frames.
class ScriptedSerialIo final : public SerialIo {
public:
    explicit ScriptedSerialIo(VirtualClock& clock) : clock_(clock) {}

    // Bytes that become readable `afterUs` from now.
    void deliver(const QByteArray& bytes, qint64 afterUs = 0);
    // Called for every frame written; may deliver a reply.
    std::function<void(const QByteArray& frame)> onWrite;

    QStringList openedDevices;
    QStringList absentDevices; // open() fails for these
    bool failWrites = false;
    bool rtsSupported = true;
    std::vector<bool> rtsChanges;
    int clearErrorCalls = 0;
    int waitUntilSentCalls = 0;

    void vanish(); // the device goes away: reads and writes fail and it reports itself lost

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool setRts(bool on) override;
    qint64 write(const char* data, qint64 size) override;
    void waitUntilSent() override { ++waitUntilSentCalls; }
    void clearError() override { ++clearErrorCalls; }
    qint64 bytesQueued() override;
    qint64 read(char* data, qint64 max) override;
    bool lost() const override { return open_ && vanished_; }

private:
    struct Pending { qint64 atUs; QByteArray bytes; };
    void release();

    VirtualClock& clock_;
    bool open_ = false;
    bool vanished_ = false;
    std::deque<Pending> pending_;
    QByteArray readable_;
};

} // namespace zantrel::test
