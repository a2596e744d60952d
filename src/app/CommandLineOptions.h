#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zantrel {

// Start-up options for tests, the demo and fitters' scripts.
struct CommandLineOptions {
    std::optional<QString> port;    // --port PATH: the device of the last port slot
    QString settingsFile;           // --settings FILE: where the settings are kept
    QString workDir;                // --workdir DIR: made current before anything starts
    std::optional<bool> autodetect; // --autodetect yes|no: answers the start-up question
    std::optional<int> quitAfterMs; // --quit-after MS: closes the main window, not saving
    bool service = false;           // --service: shows what the shipped configuration hides
    std::optional<QString> replay;  // --replay FILE: plays a recording from the start (implies --service)
};

struct CommandLineParse {
    CommandLineOptions options;
    bool helpRequested = false;
    QString helpText;
    QString error; // empty when the arguments were understood
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
CommandLineParse ParseCommandLine(const QStringList& arguments);

} // namespace zantrel
