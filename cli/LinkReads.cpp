#include "LinkReads.h"

#include "link/EcuLink.h"
#include "link/ReplyShapes.h"

namespace zantrel::cli {

std::optional<quint16> ReadParameterWord(EcuCommands& commands, quint8 index)
{
    commands.ReadParameter(index);
    commands.link().CollectReply(kWordReplyLength);
    const Reply reply = commands.link().CurrentReply();
    if (!AcceptWord(reply, index))
        return std::nullopt;
    return ReplyWordValue(reply);
}

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
