#pragma once

#include <QString>
#include <QtGlobal>

namespace zantrel {

// The serial device under EcuLink. The production implementation wraps QSerialPort;
// tests and the in-process simulator provide their own.
class SerialIo {
public:
    virtual ~SerialIo() = default;

    // Exclusive open of an existing device at 57600 baud 8N1, DTR and RTS low, no flow
    // control.
    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Drives the transmitter-direction line. Returns false where the port has no modem
    // lines (a pseudo-terminal); callers treat that as harmless.
    virtual bool setRts(bool on) = 0;

    // Hands bytes to the driver; returns the count taken or -1 on failure.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // Blocks until everything written so far has left the transmitter.
    virtual void waitUntilSent() = 0;

    // Clears a pending line or time-out error so the next query starts clean.
    virtual void clearError() = 0;
    // Bytes received and waiting; never blocks.
    virtual qint64 bytesQueued() = 0;
    // Takes up to max queued bytes; never waits for bytes not yet queued. -1 on failure.
    virtual qint64 read(char* data, qint64 max) = 0;

    // The device has gone (an unplugged adapter, a closed pseudo-terminal): nothing but
    // closing it helps.
    virtual bool lost() const { return false; }
};

} // namespace zantrel
