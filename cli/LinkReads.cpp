#include "LinkReads.h"

#include "link/EcuLink.h"
#include "link/ReplyShapes.h"

#include <thread>

namespace zantrel::cli {

LivePoll PollLive(EcuCommands& commands)
{
    commands.ReadLive();
    commands.link().CollectReply(kLiveReplyLength);
    const Reply reply = commands.link().CurrentReply();
    if (!LiveFrameShapeOk(reply))
        return {};
    if (!LiveChecksumOk(reply))
        return {LiveOutcome::BadChecksum, {}};
    return {LiveOutcome::Record, DecodeLiveWords(reply.bytes)};
}

void LiveCadence::Wait()
{
    if (started_) {
        const auto ticks = (Clock::now() - start_) / kTick + 1;
        due_ = start_ + ticks * kTick;
    }
    started_ = true;
    std::this_thread::sleep_until(due_);
}

double LiveCadence::Elapsed() const
{
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

} // namespace zantrel::cli
