#include "link/QtSerialIo.h"

#include <QFileInfo>

namespace zantrel {

namespace {

// Long enough for a 6-byte frame at 57600 baud many times over; bounded so that a
// vanished adapter cannot hang the window.
constexpr int kWriteTimeoutMs = 200;

} // namespace

bool QtSerialIo::open(const QString& device)
{
    if (port_.isOpen())
        port_.close();
    // The port's lock is keyed by its name: a link (such as the simulator's) is opened by
    // the device it points to, so a second program cannot reach it under another name.
    const QString target = QFileInfo(device).canonicalFilePath();
    port_.setPortName(target.isEmpty() ? device : target);
    if (!port_.open(QIODevice::ReadWrite)) {
        lastOpenError_ = port_.error();
        port_.clearError();
        return false;
    }
    lastOpenError_ = QSerialPort::NoError;
    port_.setBaudRate(QSerialPort::Baud57600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Both modem lines start low: opening raises them, and a raised RTS would reach the
    // controller before the link ever asks for it. A port without modem lines refuses.
    port_.setDataTerminalReady(false);
    port_.setRequestToSend(false);
    port_.clearError();
    return true;
}

void QtSerialIo::close()
{
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

bool QtSerialIo::isOpen() const
{
    return port_.isOpen();
}

bool QtSerialIo::usable() const
{
    return port_.isOpen() && !lost();
}

// A resource error is what the port reports once its device is gone; a write error
// means the driver no longer takes bytes. Either way only closing helps.
bool QtSerialIo::lost() const
{
    const QSerialPort::SerialPortError error = port_.error();
    return error == QSerialPort::ResourceError || error == QSerialPort::WriteError;
}

bool QtSerialIo::setRts(bool on)
{
    if (!usable())
        return false;
    const bool ok = port_.setRequestToSend(on);
    if (!ok)
        port_.clearError();
    return ok;
}

qint64 QtSerialIo::write(const char* data, qint64 size)
{
    if (!usable())
        return -1;
    const qint64 taken = port_.write(data, size);
    if (taken < 0)
        port_.clearError();
    return taken;
}

void QtSerialIo::waitUntilSent()
{
    if (!usable())
        return;
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(kWriteTimeoutMs))
            break;
    }
    if (port_.error() == QSerialPort::TimeoutError)
        port_.clearError();
    DrainTransmitter(port_);
}

void QtSerialIo::clearError()
{
    if (!lost())
        port_.clearError();
}

qint64 QtSerialIo::bytesQueued()
{
    if (!usable())
        return 0;
    // Without an event loop the port only sees new bytes after a zero wait, which
    // leaves a time-out error behind.
    port_.waitForReadyRead(0);
    if (port_.error() == QSerialPort::TimeoutError)
        port_.clearError();
    return port_.bytesAvailable();
}

qint64 QtSerialIo::read(char* data, qint64 max)
{
    if (!usable())
        return -1;
    return port_.read(data, max);
}

} // namespace zantrel
