#include "ScriptedSerialIo.h"

#include <algorithm>
#include <cstring>

namespace zantrel::test {

void ScriptedSerialIo::deliver(const QByteArray& bytes, qint64 afterUs)
{
    pending_.push_back({clock_.nowUs() + afterUs, bytes});
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.atUs < b.atUs; });
}

void ScriptedSerialIo::vanish()
{
    vanished_ = true;
}

bool ScriptedSerialIo::open(const QString& device)
{
    openedDevices << device;
    if (absentDevices.contains(device))
        return false;
    open_ = true;
    vanished_ = false;
    return true;
}

void ScriptedSerialIo::close()
{
    open_ = false;
}

bool ScriptedSerialIo::setRts(bool on)
{
    rtsChanges.push_back(on);
    return rtsSupported;
}

qint64 ScriptedSerialIo::write(const char* data, qint64 size)
{
    if (!open_ || vanished_ || failWrites)
        return -1;
    const QByteArray frame(data, int(size));
    clock_.recordFrame(frame);
    if (onWrite)
        onWrite(frame);
    return size;
}

void ScriptedSerialIo::release()
{
    while (!pending_.empty() && pending_.front().atUs <= clock_.nowUs()) {
        readable_ += pending_.front().bytes;
        pending_.pop_front();
    }
}

qint64 ScriptedSerialIo::bytesQueued()
{
    if (!open_ || vanished_)
        return 0;
    release();
    return readable_.size();
}

qint64 ScriptedSerialIo::read(char* data, qint64 max)
{
    if (!open_ || vanished_)
        return -1;
    release();
    const qint64 n = std::min<qint64>(max, readable_.size());
    std::memcpy(data, readable_.constData(), size_t(n));
    readable_.remove(0, int(n));
    return n;
}

} // namespace zantrel::test
