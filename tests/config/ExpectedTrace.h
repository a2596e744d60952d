#pragma once

#include <QString>
#include <QStringList>

namespace zantrel::test {

// The trace a sequence should leave, built from the protocol's description.
class ExpectedTrace {
public:
    void frame(char command, int a, int b, int c)
    {
        steps << QStringLiteral("%1 %2 %3 %4").arg(QChar(command)).arg(hex(a), hex(b), hex(c));
    }
    void wordFrame(char command, int index, int value) { frame(command, index, value >> 8, value); }
    void pause(int ms)
    {
        if (!steps.isEmpty() && steps.last().endsWith(QStringLiteral("ms"))) {
            const int merged = steps.last().chopped(2).toInt() + ms;
            steps.last() = QStringLiteral("%1ms").arg(merged);
        } else {
            steps << QStringLiteral("%1ms").arg(ms);
        }
    }
    void secondBank(int place, int value)
    {
        pause(10);
        frame('4', place, 0, 0);
        pause(30);
        wordFrame('7', place, value);
        pause(10);
    }

    QStringList steps;

private:
    static QString hex(int v) { return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')); }
};

} // namespace zantrel::test
