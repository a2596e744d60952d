#pragma once

#include "image/ParameterWordIndex.h"

#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

namespace zantrel {

// How a parameter word's raw value is coded.
enum class Encoding {
    Marker,            // word 0: 0xAAAA on a programmed controller
    Opaque,            // not interpreted: read, written, saved and reset as it stands
    Integer,           // a plain number
    EnrichmentPercent, // percent + 100, shown "+15" or "-15"
    Ticks,             // a time in ticks of the clock chosen by bit 12 of word 22; shown in ms
    HoldingCurrent,    // trunc(percent x 0.01 x 1500), shown in percent
    Milliseconds,      // a time in s, counted in ms
    Centiseconds,      // a time in s, counted in 10 ms
    PressureCode,      // a gas pressure in bar
    Period,            // an engine speed as the pulse period of the ignition type (word 21)
    BoostSetting,      // turbo scroll position + 100
    VoltageCode,       // a reserve-sensor threshold in volts
    Counter,           // one half of a working-time counter
    Item,              // the item index of a list
    BitField,          // flags assembled in a shadow slot
    DynamicCorrection, // word 23: a threshold and a percent in two fields
    InjectionType,     // word 45: ticks of 5, 4 or 3 ms chosen from a list
    TemperatureCutoff, // words 48 and 49: degrees C from a list, with an on bit in word 47
    FallingDelta,      // word 53: the period growth for the falling switch-over mode
};

// An editor replaces a value beyond `beyond` (below it for the low bound, above it for
// the high one) by `becomes`.
struct EditorBound {
    bool active = false;
    double beyond = 0;
    double becomes = 0;
};

struct EditorLimits {
    EditorBound low;
    EditorBound high;
};

// The value an editor keeps after its limits.
double Limited(const EditorLimits& limits, double value);

enum class FactoryRule {
    Value,       // the factory reset stores `value`
    PeriodOfRpm, // the reset stores the period of `value` RPM at the factory ignition type
    Kept,        // the reset leaves the word alone
};

struct FactoryValue {
    FactoryRule rule = FactoryRule::Kept;
    qint32 value = 0;
};

// A control that shows the word and the label beside it ("" where there is none). The
// unused places of a row's four have no name.
struct ParameterControl {
    const char* name = nullptr;
    const char* label = "";
};

// One controller word: who shows it, what it means, how it is coded and shown, how its
// editor limits it and what the factory reset stores. Whether it travels signed is a
// fact of the wire format (IsSignedWord).
// Limits are in the unit the editor shows (ms, s, bar, percent, RPM, degrees C).
struct ParameterWord {
    int index;
    std::array<ParameterControl, 4> controls; // main control first, then twins and partners
    const char* meaning;
    Encoding encoding;
    int decimals;  // shown decimals
    bool plusSign; // "+" in front of a value >= 0
    EditorLimits limits;
    FactoryValue factory;
};

// Words 0..63 in order.
std::span<const ParameterWord> ParameterWords();
// The row of word `index`; the caller keeps it within 0..63.
const ParameterWord& ParameterWordAt(int index);
// The word a control (or its twin) shows and edits; empty for a control of none.
std::optional<int> WordOfControl(QStringView control);

} // namespace zantrel
