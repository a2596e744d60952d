#include "link/QtSerialIo.h"

#include <termios.h>

namespace zantrel {

void DrainTransmitter(QSerialPort& port)
{
    const int fd = int(port.handle());
    if (fd >= 0)
        tcdrain(fd);
}

} // namespace zantrel
