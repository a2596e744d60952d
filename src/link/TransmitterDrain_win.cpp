#include "link/QtSerialIo.h"

#include <windows.h>

namespace zantrel {

void DrainTransmitter(QSerialPort& port)
{
    // FlushFileBuffers on a communications handle returns once the transmit buffer
    // has been sent.
    const HANDLE h = port.handle();
    if (h != INVALID_HANDLE_VALUE && h != nullptr)
        FlushFileBuffers(h);
}

} // namespace zantrel
