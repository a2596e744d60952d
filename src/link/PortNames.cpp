#include "link/PortNames.h"

#include <QRegularExpression>

namespace zantrel {

QString PortSlotName(int slot, const QString& lastPortName)
{
    if (slot >= 0 && slot < kLastPortSlot)
        return QStringLiteral("COM%1").arg(slot + 1);
    return lastPortName;
}

QString LastPortNameForNumber(int comNumber)
{
    return QStringLiteral("\\\\.\\COM%1").arg(comNumber);
}

int ComNumberOf(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?COM([0-9]{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(portName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString PortItemCaption(const QString& lastPortName)
{
    const int n = ComNumberOf(lastPortName);
    return n >= 1 ? QStringLiteral("COM%1").arg(n) : lastPortName;
}

QString DeviceForPortName(const QString& portName)
{
#ifdef Q_OS_WIN
    return portName;
#else
    const int n = ComNumberOf(portName);
    if (n >= 1)
        return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    return portName;
#endif
}

} // namespace zantrel
