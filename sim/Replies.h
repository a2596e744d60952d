#pragma once

#include "live/LiveWords.h"

#include <QByteArray>
#include <QtGlobal>

namespace zantrel::sim {

// The controller's replies. The byte before the terminator, which the program does not
// examine outside the live reply, is the sum of the bytes before it, as in a frame.
QByteArray WordReply(quint8 echo, quint16 value);         // "d" echo hi lo sum ";"
QByteArray ExtendedWordReply(quint8 echo, quint16 value); // "e" echo hi lo sum ";"
QByteArray IdentifyReply(quint8 hardware, quint8 software); // "I" hw sw sum ";"
QByteArray LiveReply(const LiveWords& words);              // 67 bytes

} // namespace zantrel::sim
