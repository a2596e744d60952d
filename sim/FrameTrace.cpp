#include "sim/FrameTrace.h"

namespace zantrel::sim {

QByteArray TraceLine(qint64 atUs, const CommandFrame& frame)
{
    QByteArray line = QByteArray::number(double(atUs) / 1000.0, 'f', 3);
    line += ' ';
    line += frame.toByteArray().toHex(' ');
    line += '\n';
    return line;
}

} // namespace zantrel::sim
