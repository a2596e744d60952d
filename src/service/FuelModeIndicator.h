#pragma once

#include "base/LanguageStrings.h"

namespace zantrel {

class LiveRecord;

// How a fuel button's face is painted; the window side picks the colours.
enum class FuelFace {
    Menu,      // the platform's menu colour: not the active mode
    Petrol,    // red
    Gas,       // green
    Automatic, // orange, right after "A" until the next record
};

struct FuelModeDisplay {
    bool onGas;
    Text status;       // EditStatus
    Text toggleOnText; // the "on" text of the fuel toggle
    FuelFace petrol;
    FuelFace automatic;
    FuelFace gas;

    bool operator==(const FuelModeDisplay&) const = default;
};

// The fuel mode last shown. The toggles decide by its on-gas flag.
class FuelModeIndicator {
public:
    FuelModeIndicator();

    // Takes the record's mode as the one shown.
    FuelModeDisplay Show(const LiveRecord& record);
    bool OnGas() const { return shown_.onGas; }
    // Right after "A" the automatic button alone is coloured, until the next record.
    FuelModeDisplay AutomaticCommanded() const;

private:
    FuelModeDisplay shown_;
};

} // namespace zantrel
