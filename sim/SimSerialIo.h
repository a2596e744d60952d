#pragma once

#include "link/SerialIo.h"
#include "link/VirtualClock.h"
#include "sim/SimDevice.h"

#include <QByteArray>

#include <deque>

namespace zantrel::sim {

// The simulated controller behind the SerialIo interface, on a virtual clock: a frame
// written reaches the model at once (or after its wire time), and the reply becomes
// readable at the virtual time it would arrive, so EcuLink's collector sees it as from
// a real device. Every write is recorded on the clock.
class SimSerialIo final : public SerialIo {
public:
    SimSerialIo(ControllerModel& model, VirtualClock& clock, const LineOptions& options = {});

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool setRts(bool) override { return true; }
    qint64 write(const char* data, qint64 size) override;
    // With wire time, the clock moves on until the bytes written have left.
    void waitUntilSent() override;
    void clearError() override {}
    qint64 bytesQueued() override;
    qint64 read(char* data, qint64 max) override;
    // Once the line has dropped and what came before it has been read.
    bool lost() const override
    {
        return open_ && device_.lineDown(clock_.nowUs()) && readable_.isEmpty() && inFlight_.empty();
    }

    SimDevice& device() { return device_; }

private:
    bool usable() const { return open_ && !device_.lineDown(clock_.nowUs()); }
    void release();

    VirtualClock& clock_;
    SimDevice device_;
    bool wireTime_;
    bool open_ = false;
    qint64 sentUs_ = 0; // when the last byte written has left
    std::deque<TimedBytes> inFlight_;
    QByteArray readable_;
};

} // namespace zantrel::sim
