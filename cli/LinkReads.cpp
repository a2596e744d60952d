#include "LinkReads.h"

#include "link/EcuLink.h"

#include <thread>

namespace zantrel::cli {

LiveJudgement PollLive(EcuCommands& commands)
{
    if (!commands.ReadLive())
        return {};
    commands.link().CollectReply(kLiveReplyLength);
    return JudgeLiveReply(commands.link().CurrentReply());
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
