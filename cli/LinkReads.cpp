#include "LinkReads.h"

#include "link/EcuLink.h"

namespace zantrel::cli {

LiveJudgement PollLive(EcuCommands& commands)
{
    if (!commands.ReadLive())
        return {};
    commands.link().CollectReply(kLiveReplyLength);
    return JudgeLiveReply(commands.link().CurrentReply());
}

} // namespace zantrel::cli
