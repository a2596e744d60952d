#include "sim/Replies.h"

#include "link/CommandFrame.h"

namespace zantrel::sim {

namespace {

QByteArray sealed(QByteArray body)
{
    quint8 sum = 0;
    for (const char c : body)
        sum = quint8(sum + quint8(c));
    body.append(char(sum));
    body.append(char(CommandFrame::kTerminator));
    return body;
}

QByteArray wordShape(char first, quint8 echo, quint16 value)
{
    const char body[] = {first, char(echo), char(HighByte(value)), char(LowByte(value))};
    return sealed(QByteArray(body, sizeof body));
}

} // namespace

QByteArray WordReply(quint8 echo, quint16 value)
{
    return wordShape('d', echo, value);
}

QByteArray ExtendedWordReply(quint8 echo, quint16 value)
{
    return wordShape('e', echo, value);
}

QByteArray IdentifyReply(quint8 hardware, quint8 software)
{
    const char body[] = {'I', char(hardware), char(software)};
    return sealed(QByteArray(body, sizeof body));
}

QByteArray LiveReply(const LiveWords& words)
{
    const auto bytes = EncodeLiveReply(words);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace zantrel::sim
