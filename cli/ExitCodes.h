#pragma once

#include <span>

namespace zantrel::cli {

enum class ExitCode {
    Ok = 0,
    Usage = 2,        // bad arguments
    PortAbsent = 3,   // no such port
    PortBusy = 4,     // the port is in use or may not be opened
    NoController = 5, // nothing answered, or not every reply came
    NotTaken = 6,     // the controller kept another value than the one written
    LinkLost = 7,     // the port went away while frames were being sent
    FileFailed = 8,   // a file could not be written, read, or read as a recording
};

struct ExitCodeRow {
    ExitCode code;
    const char* meaning;
};

// One row per code, for the help text.
std::span<const ExitCodeRow> ExitCodeTable();

constexpr int AsInt(ExitCode code) { return static_cast<int>(code); }

} // namespace zantrel::cli
