#include "link/VirtualClock.h"

namespace zantrel {

void VirtualClock::sleepMs(int ms)
{
    if (ms <= 0)
        return;
    if (recording_)
        events_.push_back({Event::Kind::Pause, nowUs_, ms, {}});
    nowUs_ += qint64(ms) * 1000;
}

void VirtualClock::advanceUs(qint64 us)
{
    nowUs_ += us;
}

void VirtualClock::recordFrame(const QByteArray& bytes)
{
    if (recording_)
        events_.push_back({Event::Kind::Frame, nowUs_, 0, bytes});
}

QString DescribeFrame(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    QString text = QString(QLatin1Char(bytes.at(0)));
    for (int i = 1; i < 4 && i < bytes.size(); ++i)
        text += QStringLiteral(" %1").arg(quint8(bytes.at(i)), 2, 16, QLatin1Char('0'));
    return text;
}

QStringList VirtualClock::trace() const
{
    QStringList out;
    int pendingMs = 0;
    for (const Event& e : events_) {
        if (e.kind == Event::Kind::Pause) {
            pendingMs += e.ms;
            continue;
        }
        if (pendingMs) {
            out << QStringLiteral("%1ms").arg(pendingMs);
            pendingMs = 0;
        }
        out << DescribeFrame(e.bytes);
    }
    if (pendingMs)
        out << QStringLiteral("%1ms").arg(pendingMs);
    return out;
}

QStringList VirtualClock::frames() const
{
    QStringList out;
    for (const Event& e : events_)
        if (e.kind == Event::Kind::Frame)
            out << DescribeFrame(e.bytes);
    return out;
}

} // namespace zantrel
