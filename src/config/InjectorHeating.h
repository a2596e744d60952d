#pragma once

#include <QtGlobal>

namespace zantrel {

// The injector heating strengths (word 57, items "Male Rozgrzewanie" ..
// "B.Duze Rozgrzewanie") and what each sets in the heating time (word 42) and pulse
// (word 43). The older list stores its raw numbers; the heating group's list puts its
// texts into EditCzasRozgrz and EditInjRozgrz, which convert them.
struct HeatingStrength {
    qint32 timeWord;
    qint32 pulseWord;
    const char* timeText;
    const char* pulseText; // with "," as the separator
};

// Nullptr for an item the list does not have.
const HeatingStrength* HeatingStrengthOf(int item);

// With no strength chosen.
constexpr qint32 kHeatingDefaultTime = 20;
constexpr qint32 kHeatingDefaultPulse = 300;

} // namespace zantrel
