#pragma once

#include "link/SerialIo.h"

#include <QSerialPort>

namespace zantrel {

// SerialIo over QSerialPort. Works without an event loop: received bytes are pulled in
// with a zero wait. A port without modem lines (a pseudo-terminal) still works; its
// failing RTS and DTR calls are ignored.
class QtSerialIo final : public SerialIo {
public:
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    bool setRts(bool on) override;
    qint64 write(const char* data, qint64 size) override;
    void waitUntilSent() override;
    void clearError() override;
    qint64 bytesQueued() override;
    qint64 read(char* data, qint64 max) override;
    bool lost() const override;

    // The last open failure, for messages ("busy", "absent").
    QSerialPort::SerialPortError lastOpenError() const { return lastOpenError_; }

private:
    bool usable() const;

    QSerialPort port_;
    QSerialPort::SerialPortError lastOpenError_ = QSerialPort::NoError;
};

// Blocks until the driver's transmitter is empty (tcdrain / FlushFileBuffers).
void DrainTransmitter(QSerialPort& port);

} // namespace zantrel
