#include "sim/SimDevice.h"

#include <algorithm>
#include <cmath>

namespace zantrel::sim {

SimDevice::SimDevice(ControllerModel& model, const LineOptions& options)
    : model_(model)
    , wireTime_(options.wireTime)
    , faults_(options.faults)
{
}

std::vector<TimedBytes> SimDevice::receive(const QByteArray& bytes, qint64 nowUs)
{
    std::vector<TimedBytes> out;
    if (dropsAtUs_)
        return out;
    if (nowUs > model_.nowUs())
        model_.advanceUs(nowUs - model_.nowUs());
    for (const CommandFrame& frame : scanner_.feed(bytes)) {
        if (onFrame)
            onFrame(frame, nowUs);
        const ReplyPlan plan = faults_.shape(model_.handle(frame));
        schedule(plan, nowUs, out);
        if (plan.lineDropsAfter) {
            dropsAtUs_ = std::max(lineFreeUs_, nowUs);
            break;
        }
    }
    return out;
}

void SimDevice::schedule(const ReplyPlan& plan, qint64 fromUs, std::vector<TimedBytes>& out)
{
    const qint64 startUs = std::max(fromUs + plan.delayUs, lineFreeUs_);
    const bool spaced = wireTime_ || plan.byteGapUs > 0;
    if (plan.bytes.isEmpty())
        return;
    if (!spaced) {
        out.push_back({startUs, plan.bytes});
        lineFreeUs_ = startUs;
        return;
    }
    for (qsizetype k = 0; k < plan.bytes.size(); ++k) {
        const double wire = wireTime_ ? double(k + 1) * kByteWireUs : 0.0;
        const qint64 atUs = startUs + qint64(k) * plan.byteGapUs + qint64(std::llround(wire));
        out.push_back({atUs, plan.bytes.mid(k, 1)});
        lineFreeUs_ = atUs;
    }
}

} // namespace zantrel::sim
