#pragma once

#include "link/CommandFrame.h"

#include <QByteArray>
#include <QtGlobal>

namespace zantrel::sim {

// One line of the frame trace: the time the frame was complete, in milliseconds since
// the simulator started with three decimals, then its six bytes in hex:
// "1234.567 64 23 00 00 87 3b".
QByteArray TraceLine(qint64 atUs, const CommandFrame& frame);

} // namespace zantrel::sim
