#pragma once

#include "link/ReadSequences.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace zantrel {

class LanguageStrings;
class LinkJob;
class ParameterTable;

// A counter in seconds as days, hours, minutes and seconds.
struct TimeSplit {
    quint32 days = 0;
    quint32 hours = 0;
    quint32 minutes = 0;
    quint32 seconds = 0;
    bool operator==(const TimeSplit&) const = default;
};
TimeSplit SplitSeconds(quint32 seconds);

// The shares of the running time on each fuel, in percent (single precision, as the
// report has always computed them); both 0 while neither counter has run.
struct FuelShares {
    float petrol = 0.0f;
    float gas = 0.0f;
};
FuelShares SharesOf(quint32 petrolSeconds, quint32 gasSeconds);

// What a read of the counters brought: a counter whose two words did not both answer is
// none, whatever the table held before.
struct CounterReading {
    std::optional<quint32> petrolSeconds;
    std::optional<quint32> gasSeconds;
};

// Stores the answered words (35..38) into the table; the others keep their value.
CounterReading StoreCounterRead(ParameterTable& table, const CounterReadout& read);

// The working-time report of the information box: each counter as days, hours, minutes
// and seconds, then the shares of gas and petrol. A counter that was not read says so in
// its block, and the shares are then left out.
QString WorkingTimeReport(const CounterReading& reading, const LanguageStrings& texts, QChar decimalSeparator);

// Sets a counter back to zero: both its words, interleaved as the controller expects:
// 10 ms; "K" high; 30 ms; "E" high 0; 20 ms; "K" low; 30 ms; "E" low 0; 20 ms;
// "D" high 0; 10 ms; "D" low 0; 10 ms. Nothing is read back.
enum class Counter { Petrol, Gas };
void ResetCounter(LinkJob& job, Counter counter);

} // namespace zantrel
