#include "service/FuelCommands.h"

#include "link/CommandSet.h"
#include "live/LiveRecord.h"
#include "service/ErrorBits.h"

namespace zantrel {

bool NeedsPreClear(const LiveRecord& record)
{
    return record[live::kStoredErrors] & errorbits::kLowPressure;
}

QList<char> FuelFrames(const LiveRecord& record, FuelCommand command)
{
    switch (command) {
    case FuelCommand::Petrol:
        return {'B'};
    case FuelCommand::Automatic:
        return NeedsPreClear(record) ? QList<char>{'X', 'A'} : QList<char>{'A'};
    case FuelCommand::Gas:
        return NeedsPreClear(record) ? QList<char>{'X', 'G'} : QList<char>{'G'};
    }
    return {};
}

bool SendFuelCommand(EcuCommands& cmds, const LiveRecord& record, FuelCommand command)
{
    for (const char frame : FuelFrames(record, command))
        if (!cmds.Send(frame))
            return false;
    return true;
}

FuelCommand ToggleFuel(EcuCommands& cmds, const LiveRecord& record, bool onGas)
{
    const FuelCommand command = onGas ? FuelCommand::Petrol : FuelCommand::Gas;
    SendFuelCommand(cmds, record, command);
    return command;
}

} // namespace zantrel
