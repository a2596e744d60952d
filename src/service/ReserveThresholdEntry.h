#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace zantrel {

class LinkJob;
class ParameterTable;

// The reserve thresholds as their fields hold them: volts of words 30..33, in the
// fields EditSzkloR ("Rez." / "1/4"), EditRez14, EditRez12 and EditRez34 ("3/4" / "Full").
constexpr int kReserveThresholdCount = 4;
constexpr std::array<const char*, kReserveThresholdCount> kReserveThresholdFields{"EditSzkloR", "EditRez14",
                                                                                 "EditRez12", "EditRez34"};

// A threshold held to the sensor's 0..5 V; the last one (the full tank) to 0.01 V at
// least, so that a full tank is ever reported.
double LimitedThresholdVolts(int field, double volts);

// The text a threshold field shows for a value: two decimals with the separator.
QString ThresholdText(double volts, QChar decimalSeparator);

// Save thresholds: words 30..33 take the voltage codes of the four values (limited as
// above), the direction item (0 falling, 1 rising; -1 none chosen, which keeps it) goes
// into bit 10 of the word-22 shadow, and word 22 takes its shadow.
void StoreThresholds(ParameterTable& table, const std::array<double, kReserveThresholdCount>& volts,
                     int direction);
// Word 22, then words 30..33, each as an editor's write with its 10 ms before it. Word 22
// carries every other flag of the controller: it goes out only when the table knows it.
void WriteThresholds(LinkJob& job, const ParameterTable& table);

} // namespace zantrel
