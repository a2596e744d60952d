#pragma once

#include "image/ParameterTable.h"

#include <QtGlobal>

namespace zantrel {

// The controller's working-time counters in seconds: on petrol in parameter words 35
// (high) and 36 (low), on gas in 37 (high) and 38 (low).
constexpr int kPetrolTimeHighWord = 35;
constexpr int kPetrolTimeLowWord = 36;
constexpr int kGasTimeHighWord = 37;
constexpr int kGasTimeLowWord = 38;

struct WorkingTime {
    quint32 petrolSeconds = 0;
    quint32 gasSeconds = 0;
};

inline WorkingTime WorkingTimeOf(const ParameterTable& table)
{
    const auto seconds = [&table](int high, int low) {
        return (quint32(table.word(high)) << 16) | table.word(low);
    };
    return {seconds(kPetrolTimeHighWord, kPetrolTimeLowWord), seconds(kGasTimeHighWord, kGasTimeLowWord)};
}

} // namespace zantrel
