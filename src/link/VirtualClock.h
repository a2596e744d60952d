#pragma once

#include "link/Pause.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace zantrel {

// A clock for tests: pauses advance virtual time instantly, and every pause and every
// frame a fake device reports is kept with its time, so protocol timing can be asserted
// to the millisecond without waiting.
class VirtualClock final : public Pause {
public:
    struct Event {
        enum class Kind { Pause, Frame };
        Kind kind;
        qint64 atUs;
        int ms;           // Pause
        QByteArray bytes; // Frame
    };

    void sleepMs(int ms) override;
    void advanceUs(qint64 us);
    qint64 nowUs() const { return nowUs_; }

    void recordFrame(const QByteArray& bytes);
    const std::vector<Event>& events() const { return events_; }
    void clearEvents() { events_.clear(); }
    // Stops keeping events (long in-process runs); time still advances.
    void setRecording(bool on) { recording_ = on; }

    // Events as readable steps: a frame as its command character and the three argument
    // bytes in hex ("K 0a 00 00"), a pause as "30ms". Consecutive pauses are merged.
    QStringList trace() const;
    // Only the frames, in the same form.
    QStringList frames() const;

private:
    qint64 nowUs_ = 0;
    bool recording_ = true;
    std::vector<Event> events_;
};

QString DescribeFrame(const QByteArray& bytes);

} // namespace zantrel
