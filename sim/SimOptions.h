#pragma once

#include "sim/ControllerModel.h"
#include "sim/SimDevice.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zantrel::sim {

// The command line of zantrel-ecusim.
struct SimOptions {
    ControllerOptions controller;
    LineOptions line;
    quint16 errors = 0;  // current error bits at start
    QString linkPath;    // a symlink to the slave side, removed on exit
    QString tracePath;   // one line per frame received
};

struct ParsedSimOptions {
    std::optional<SimOptions> options; // empty: print `message` and stop
    QString message;                   // the help text, or one line saying what is wrong
    bool isError = false;
};

// `arguments` as the program got them, its own name first.
ParsedSimOptions ParseSimOptions(const QStringList& arguments);

} // namespace zantrel::sim
