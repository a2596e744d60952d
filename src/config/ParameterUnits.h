#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace zantrel {

class ParameterTable;

// A parameter word in the unit its editor shows (ms, s, bar, percent, RPM, degrees C or
// a plain number), driven by the word's row of the index table. Words edited through a
// list, a bit field or their own functions (word 23, 45, 53) have no such value here.

// The clock bit of the word-22 shadow and the ignition type of word 21, which the
// ms/ticks and RPM/period conversions depend on.
bool FastClock(const ParameterTable& table);
int IgnitionType(const ParameterTable& table);

// The word as the controller holds it: the low 16 bits, signed where its row says so.
qint32 WordValue(const ParameterTable& table, int index);

std::optional<double> UserValue(const ParameterTable& table, int index);

// The raw word for a value entered in the editor's unit: held to the editor's limits,
// converted (truncating toward zero) and held to what the 16-bit word takes. Empty for a
// word without a numeric editor and for a value that is not a number.
std::optional<qint32> RawFromUser(const ParameterTable& table, int index, double value);

// Whether the word as stored shows another number than the one entered: the editor's
// limits held it, or the word's range or the unit's steps (50 RPM, a tick) moved it by
// half a shown place or more.
bool StoredShowsOtherThan(const ParameterTable& table, int index, double entered);

// The text the word's edit box shows, with its decimals and sign rule.
std::optional<QString> ParameterText(const ParameterTable& table, int index, QChar decimalSeparator);

} // namespace zantrel
