#include "LinkReads.h"

#include "link/EcuLink.h"
#include "link/ReplyShapes.h"

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

} // namespace zantrel::cli
