#include "link/ConnectingWindow.h"

namespace zantrel {

namespace {

constexpr int kTimer1IntervalMs = 100;

} // namespace

TForm13::TForm13(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm13"));
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kTimer1IntervalMs);
    Timer1.start();
}

} // namespace zantrel
