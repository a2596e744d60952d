#pragma once

#include "config/ConfigBitFields.h"
#include "config/ParameterEntry.h"
#include "image/EmissionBlock.h"
#include "link/ReadSequences.h"

#include <QChar>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <span>

namespace zantrel {

class LinkJob;
class ParameterTable;

// How an emission word is shown: a lambda voltage (0..5 V on 0..4095, 2 decimals), a
// plain number, a petrol injection time in ms (1 decimal) or an engine speed in RPM.
enum class EmissionUnit { Volts, Plain, Ms, Rpm };

struct EmissionRow {
    const char* edit;
    EmissionUnit unit;
};
// One row per word of the block, in index order.
std::span<const EmissionRow> EmissionRows();

// What the word's edit takes as typed keys and as its text.
[[nodiscard]] EntryKind EmissionEntryKind(int index);

// The word as its edit shows it, by the clock and ignition type of the table.
[[nodiscard]] QString EmissionText(int index, quint16 raw, const ParameterTable& table, QChar decimalSeparator);
// The word for an edit's text; empty for a text that is not a number of the word's unit.
// A plain number is held to 0..65535, as the word takes it; a negative speed is refused.
[[nodiscard]] std::optional<quint16> EmissionWord(int index, const QString& text, const ParameterTable& table,
                                                  QChar decimalSeparator);

// The five switches of word 47 the emission tab edits, bits 7..11.
struct EmissionSwitch {
    ConfigField field;
    const char* control;
};
std::span<const EmissionSwitch> EmissionSwitches();
// The value a switch's item stores: its index for "OFF" and "ON", 0 for any other item
// (the empty third item of ComboBoxObcKorekt) and for no item.
[[nodiscard]] quint32 EmissionSwitchValue(int item);

using EmissionReadout = std::array<WordReadout, kEmissionWords>;
// 'q' 0..11; a word without a valid reply stays empty.
void AddEmissionRead(LinkJob& job, std::shared_ptr<EmissionReadout> out);
// Stores what was received, keeping the rest; true when every word was received.
[[nodiscard]] bool StoreEmissionRead(EmissionBlock& block, const EmissionReadout& read);
// 'Q' 0..11, each with its second-bank store.
void AddEmissionWrite(LinkJob& job, const EmissionBlock& block);

} // namespace zantrel
