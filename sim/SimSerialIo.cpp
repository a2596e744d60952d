#include "sim/SimSerialIo.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zantrel::sim {

SimSerialIo::SimSerialIo(ControllerModel& model, VirtualClock& clock, const LineOptions& options)
    : clock_(clock)
    , device_(model, options)
    , wireTime_(options.wireTime)
{
}

bool SimSerialIo::open(const QString&)
{
    open_ = true;
    return true;
}

void SimSerialIo::close()
{
    open_ = false;
    inFlight_.clear();
    readable_.clear();
}

qint64 SimSerialIo::write(const char* data, qint64 size)
{
    if (!usable())
        return -1;
    const QByteArray bytes(data, qsizetype(size));
    clock_.recordFrame(bytes);
    const qint64 wireUs = wireTime_ ? qint64(std::llround(double(size) * kByteWireUs)) : 0;
    sentUs_ = std::max(sentUs_, clock_.nowUs()) + wireUs;
    for (TimedBytes& t : device_.receive(bytes, sentUs_))
        inFlight_.push_back(std::move(t));
    return size;
}

void SimSerialIo::waitUntilSent()
{
    if (sentUs_ > clock_.nowUs())
        clock_.advanceUs(sentUs_ - clock_.nowUs());
}

void SimSerialIo::release()
{
    const qint64 now = clock_.nowUs();
    while (!inFlight_.empty() && inFlight_.front().atUs <= now) {
        readable_ += inFlight_.front().bytes;
        inFlight_.pop_front();
    }
}

// What reached this end before the line dropped can still be read.
qint64 SimSerialIo::bytesQueued()
{
    if (!open_)
        return 0;
    release();
    return readable_.size();
}

qint64 SimSerialIo::read(char* data, qint64 max)
{
    if (!open_)
        return -1;
    release();
    if (readable_.isEmpty() && !usable())
        return -1;
    const qint64 n = std::min<qint64>(max, readable_.size());
    std::memcpy(data, readable_.constData(), size_t(n));
    readable_.remove(0, qsizetype(n));
    return n;
}

} // namespace zantrel::sim
