#pragma once

#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/Pause.h"
#include "link/QtSerialIo.h"

#include <QString>

namespace zantrel::bench {

// The production link on a real serial device (a pseudo-terminal in the benchmarks).
struct PortLink {
    QtSerialIo io;
    RealPause pause;
    EcuLink link{io, pause};
    EcuCommands cmds{link};

    bool open(const QString& device)
    {
        link.SetPortName(device);
        return link.OpenPort();
    }
};

} // namespace zantrel::bench
