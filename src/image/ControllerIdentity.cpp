#include "image/ControllerIdentity.h"

namespace zantrel {

QString ControllerIdentity::cylinders() const
{
    const int n = HardwareByte >> 4;
    if (n & 0x8)
        return QString::number(n);
    return QStringLiteral("%1-%2").arg(n - 1).arg(n);
}

} // namespace zantrel
