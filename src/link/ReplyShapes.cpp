#include "link/ReplyShapes.h"

namespace zantrel {

namespace {

bool hasShape(const Reply& r, quint8 first, int length)
{
    return r.complete && int(r.bytes.size()) >= length && r.bytes[0] == first
        && r.bytes[length - 1] == ';';
}

bool echoes(const Reply& r, std::optional<quint8> index)
{
    return !index || r.bytes[1] == *index;
}

} // namespace

quint8 LiveChecksum(std::span<const quint8> bytes)
{
    unsigned sum = 0;
    for (int i = 1; i <= 64 && i < int(bytes.size()); ++i)
        sum += bytes[i];
    return quint8(sum & 0xFF);
}

bool LiveFrameShapeOk(const Reply& reply)
{
    return hasShape(reply, 'V', kLiveReplyLength);
}

bool LiveChecksumOk(const Reply& reply)
{
    return LiveFrameShapeOk(reply) && LiveChecksum(reply.bytes) == reply.bytes[65];
}

bool AcceptIdentify(const Reply& reply)
{
    return hasShape(reply, 'I', kIdentifyReplyLength);
}

bool AcceptWord(const Reply& reply, std::optional<quint8> index)
{
    return hasShape(reply, 'd', kWordReplyLength) && echoes(reply, index);
}

bool AcceptExtendedWord(const Reply& reply, std::optional<quint8> index)
{
    return hasShape(reply, 'e', kWordReplyLength) && echoes(reply, index);
}

quint16 ReplyWordValue(const Reply& reply)
{
    return quint16((reply.bytes[2] << 8) | reply.bytes[3]);
}

quint8 ReplyByteValue(const Reply& reply)
{
    return reply.bytes[3];
}

} // namespace zantrel
