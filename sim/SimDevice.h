#pragma once

#include "link/CommandFrame.h"
#include "sim/ControllerModel.h"
#include "sim/Faults.h"
#include "sim/FrameScanner.h"

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

namespace zantrel::sim {

// 10 bits a byte at 57600 baud.
constexpr double kByteWireUs = 1e6 * 10.0 / 57600.0;

struct LineOptions {
    bool wireTime = false; // replies take the time they would take at 57600 baud
    std::vector<FaultSpec> faults;
};

struct TimedBytes {
    qint64 atUs;
    QByteArray bytes;
};

// The controller as the line sees it: bytes come in, frames are found among them, and
// each reply goes out with the time its bytes reach the other end. Replies leave one
// after another, as on a single wire. Times are in microseconds on the caller's clock,
// which the model's own time follows.
class SimDevice {
public:
    SimDevice(ControllerModel& model, const LineOptions& options);

    // Bytes that arrived by nowUs; returns what goes out in reply, in order.
    std::vector<TimedBytes> receive(const QByteArray& bytes, qint64 nowUs);

    // Told of every frame found, with the time it was complete.
    std::function<void(const CommandFrame& frame, qint64 atUs)> onFrame;

    // When the line drops, once a disconnect fault has struck.
    std::optional<qint64> lineDropsAtUs() const { return dropsAtUs_; }
    bool lineDown(qint64 nowUs) const { return dropsAtUs_ && nowUs >= *dropsAtUs_; }

    const FaultInjector& faults() const { return faults_; }

private:
    void schedule(const ReplyPlan& plan, qint64 fromUs, std::vector<TimedBytes>& out);

    ControllerModel& model_;
    bool wireTime_;
    FaultInjector faults_;
    FrameScanner scanner_;
    qint64 lineFreeUs_ = 0; // when the last byte sent so far has arrived
    std::optional<qint64> dropsAtUs_;
};

} // namespace zantrel::sim
