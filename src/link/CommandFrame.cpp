#include "link/CommandFrame.h"

namespace zantrel {

quint8 CommandFrame::Checksum(quint8 b0, quint8 b1, quint8 b2, quint8 b3)
{
    return quint8((unsigned(b0) + b1 + b2 + b3) & 0xFF);
}

CommandFrame CommandFrame::Make(char command, quint8 arg1, quint8 arg2, quint8 arg3)
{
    CommandFrame f;
    const quint8 c = quint8(command);
    f.bytes = {c, arg1, arg2, arg3, Checksum(c, arg1, arg2, arg3), kTerminator};
    return f;
}

QByteArray CommandFrame::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kSize);
}

} // namespace zantrel
