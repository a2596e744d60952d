#include "live/LiveWords.h"

namespace zantrel {

LiveWords DecodeLiveWords(std::span<const quint8> reply)
{
    LiveWords words{};
    for (int k = 0; k < kLiveWords && 2 + 2 * k < int(reply.size()); ++k)
        words[size_t(kLiveWords - 1 - k)] = quint16((reply[size_t(1 + 2 * k)] << 8) | reply[size_t(2 + 2 * k)]);
    return words;
}

std::array<quint8, kLiveReplyLength> EncodeLiveReply(const LiveWords& words)
{
    std::array<quint8, kLiveReplyLength> reply{};
    reply[0] = 'V';
    for (int k = 0; k < kLiveWords; ++k) {
        const quint16 w = words[size_t(kLiveWords - 1 - k)];
        reply[size_t(1 + 2 * k)] = quint8(w >> 8);
        reply[size_t(2 + 2 * k)] = quint8(w & 0xFF);
    }
    reply[65] = LiveChecksum(reply);
    reply[66] = ';';
    return reply;
}

LiveJudgement JudgeLiveReply(const Reply& reply)
{
    if (!LiveFrameShapeOk(reply))
        return {};
    if (!LiveChecksumOk(reply))
        return {LiveVerdict::BadChecksum, {}};
    return {LiveVerdict::Record, DecodeLiveWords(reply.bytes)};
}

} // namespace zantrel
