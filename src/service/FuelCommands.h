#pragma once

#include <QList>

namespace zantrel {

class EcuCommands;
class LiveRecord;

enum class FuelCommand { Petrol, Automatic, Gas };

// Whether "A" and "G" must be preceded by "X": a remembered low pressure (error 1 in
// word 27) keeps the controller off gas until its memory is cleared.
bool NeedsPreClear(const LiveRecord& record);

// The frames of a fuel command in order: "B", "A" or "G"; before "A" and "G" an "X"
// when the record needs it, with no pause between the two.
QList<char> FuelFrames(const LiveRecord& record, FuelCommand command);

// Sends FuelFrames; false when a frame did not go out.
bool SendFuelCommand(EcuCommands& cmds, const LiveRecord& record, FuelCommand command);

// The toggle: petrol while on gas, otherwise gas. Returns the command sent.
FuelCommand ToggleFuel(EcuCommands& cmds, const LiveRecord& record, bool onGas);

} // namespace zantrel
