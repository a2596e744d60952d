#pragma once

#include "config/ParameterEntry.h"

#include <QString>
#include <QStringView>

#include <span>

namespace zantrel {

// What an editor event of a parameter control does.
enum class EditorAction {
    None,
    Number,               // the edit's word by its row of the index table: parse, limit, convert, store, write;
                          // a value the limits changed is shown as stored
    HeatingNumber,        // as Number with the heating pause
    Item,                 // the list item is the word
    IgnitionType,         // word 21, then the speeds of words 14 and 44 in the new units
    Field,                // the list item is a bit field, stored through the shadow slot
    Check,                // the check state is a bit field, stored through the shadow slot
    HeatingSwitch,        // Field, and the strength controls follow the choice
    HeatingStrength,      // word 57 and the raw presets of words 43 and 42
    HeatingStrengthGroup, // word 57 and the preset texts of the heating group's edits for words 43 and 42
    PetrolInjection,      // word 45 from the list
    TemperatureCutoff,    // word 48 or 49 with its on bit in word 47
    Turbo,                // bit 14 of word 47; word 12 back to 100 without turbo
    TurboChosen,          // Turbo, and ButtonTURBO follows the choice
    ReturnPressure,       // word 18, then word 24 0.05 bar above it
    WarningPressure,      // word 24, then word 18 0.05 bar below it
    ReturnDelay,          // word 20; below 0.1 s the edits show "0,1" first
    SwitchMode,           // rising or falling switch-over: ComboBoxDeltaRpm and word 53
    FallingDelta,         // word 53 from the speed drop
    ReserveSensor,        // bits 8..9 of word 22 and the sensor's thresholds in words 30..33
    Fuel,                 // bit 15 of word 47 and the reserve list of the fuel
    InjectorType,         // bits 4..7 of word 22, then the type's timing preset into words 13, 6, 7, 2
};

// Edits that step the focus on KeyDown: Enter and Page Down to the next control, Page
// Up to the previous one.
enum class KeyDownStep { No, Yes };

// One parameter control and what each of its events runs. A user's pick in a list is
// its Select event, or its Change event where the control has no Select handler.
struct EditorMember {
    const char* control;
    EntryKind entry;
    KeyDownStep keyDown;
    EditorAction onExit;
    EditorAction onChoice;
    EditorAction onKeyUpEnter;
    EditorAction onClick;
};

std::span<const EditorMember> EditorMembers();
// The member whose handlers a control runs: its own, or its main control's for a
// hidden twin. Nullptr for a control that is no member.
const EditorMember* MemberOf(QStringView control);

// The main control of a twin (hidden or of the heating group); the control itself
// otherwise.
QString MainControlOf(QStringView control);

// The hidden twins of the partner edition: they run their main control's handlers, and
// the refresh fills them with it.
struct TwinControl {
    const char* twin;
    const char* main;
    bool sharesHandlers; // false for the heating group's own lists
};
std::span<const TwinControl> TwinControls();

} // namespace zantrel
