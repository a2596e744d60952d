#include "link/PortNames.h"

#include <QRegularExpression>

namespace zantrel {

QString PortSlotName(int slot, const QString& lastPortName)
{
    if (slot >= 0 && slot < kLastPortSlot)
        return QStringLiteral("COM%1").arg(slot + 1);
    return lastPortName;
}

std::optional<int> ChooserPortNumber(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > kMaxComNumber)
        return std::nullopt;
    return n;
}

QString LastPortNameForNumber(int comNumber)
{
    return QStringLiteral("\\\\.\\COM%1").arg(comNumber);
}

int ComNumberOf(const QString& portName)
{
    static const QRegularExpression com(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?COM([0-9]{1,9})$"),
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
