#include "CliCommands.h"

#include <array>

namespace zantrel::cli {

std::span<const CliCommand> CliCommandTable()
{
    static constexpr std::array<CliCommand, 18> kCommands{{
        {"identify", "", 0, 0, true, "hardware and software bytes, variant and cylinders", &CheckNothing,
         &RunIdentify},
        {"read-params", "", 0, 0, true, "the 64 parameter words", &CheckNothing, &RunReadParams},
        {"write-param", "INDEX VALUE", 2, 2, true, "write one parameter word and read it back",
         &CheckWriteParam, &RunWriteParam},
        {"live", "[--count N]", 0, 0, true, "N live records (default 10) at the 25 ms cadence", &CheckLive,
         &RunLive},
        {"frame", "HEX", 1, 6, false, "send one frame (6 bytes, or 4 to which checksum and ';' are added)",
         &CheckFrame, &RunFrame},
        {"clear-errors", "", 0, 0, true, "clear the controller's error memory", &CheckNothing,
         &RunClearErrors},
        {"switch", "petrol|gas|auto", 1, 1, true, "command the fuel mode", &CheckSwitch, &RunSwitch},
        {"record", "FILE [--count N]", 1, 1, true,
         "record live data to a .jovr recording, as the program's recorder does, until N records or Ctrl+C",
         &CheckNothing, &RunRecord},
        {"counters", "", 0, 0, true, "the working-time counters on petrol and on gas, with their shares",
         &CheckNothing, &RunCounters},
        {"car-data", "", 0, 0, true, "the car data kept in the controller", &CheckNothing, &RunCarData},
        {"export-csv", "FILE.jovr [--out FILE.csv]", 1, 1, false,
         "a recording as a CSV table in units, one row a record (no port needed)", &CheckNothing, &RunExportCsv,
         false},
        {"read-maps", "", 0, 0, true, "the map points (rpm, ms), the 12 x 7 cells and the 12 curve points",
         &CheckNothing, &RunReadMaps},
        {"write-cell", "R C PERCENT", 3, 3, true,
         "write map cell R (load band 1..12) C (speed band 1..7), -50..150 %, and read it back", &CheckWriteCell,
         &RunWriteCell},
        {"write-point", "I VALUE", 2, 2, true,
         "write map point I: 0..5 a speed in rpm, 6..16 a time in ms; read it back", &CheckWritePoint,
         &RunWritePoint},
        {"report", "[--out FILE]", 0, 0, true,
         "the configuration report: device data, car data and parameters as the window shows them",
         &CheckNothing, &RunReport},
        // Parameter files
        {"save-params", "FILE", 1, 1, true, "the 64 words and the maps from the controller into a .qevp file",
         &CheckNothing, &RunSaveParams},
        {"load-params", "FILE [--dry-run]", 1, 1, true,
         "what a .qevp file would change on the controller; without --dry-run it is written and read back",
         &CheckNothing, &RunLoadParams},
        {"show-params", "FILE", 1, 1, false, "a .qevp file decoded, in units (no port needed)", &CheckNothing,
         &RunShowParams, false},
    }};
    return kCommands;
}

const CliCommand* FindCliCommand(const QString& name)
{
    for (const CliCommand& c : CliCommandTable())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

std::optional<QString> CheckNothing(const CliRequest&)
{
    return std::nullopt;
}

} // namespace zantrel::cli
