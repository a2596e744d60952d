#include "ExitCodes.h"

#include <array>

namespace zantrel::cli {

std::span<const ExitCodeRow> ExitCodeTable()
{
    static constexpr std::array<ExitCodeRow, 8> kRows{{
        {ExitCode::Ok, "success"},
        {ExitCode::Usage, "bad arguments"},
        {ExitCode::PortAbsent, "the port does not exist or cannot be opened"},
        {ExitCode::PortBusy, "the port is in use by another program or not permitted"},
        {ExitCode::NoController, "no controller answered, or replies were missing"},
        {ExitCode::NotTaken, "the controller kept another value than the one written"},
        {ExitCode::LinkLost, "the port went away while frames were being sent"},
        {ExitCode::FileFailed, "a file could not be written or read, or is not a recording"},
    }};
    return kRows;
}

} // namespace zantrel::cli
