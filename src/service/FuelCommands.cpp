#include "service/FuelCommands.h"

#include "link/CommandSet.h"
#include "live/LiveRecord.h"
#include "service/ErrorBits.h"

namespace zantrel {

bool NeedsPreClear(const LiveRecord& record)
{
    return record[live::kStoredErrors] & errorbits::kLowPressure;
}

void SendFuelCommand(EcuCommands& cmds, const LiveRecord& record, FuelCommand command)
{
    if (command == FuelCommand::Petrol) {
        cmds.SwitchToPetrol();
        return;
    }
    if (NeedsPreClear(record))
        cmds.ClearErrors();
    if (command == FuelCommand::Automatic)
        cmds.SwitchToAutomatic();
    else
        cmds.SwitchToGas();
}

FuelCommand ToggleFuel(EcuCommands& cmds, const LiveRecord& record, bool onGas)
{
    const FuelCommand command = onGas ? FuelCommand::Petrol : FuelCommand::Gas;
    SendFuelCommand(cmds, record, command);
    return command;
}

} // namespace zantrel
