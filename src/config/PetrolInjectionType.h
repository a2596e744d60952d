#pragma once

#include <QtGlobal>

#include <optional>

namespace zantrel {

// Word 45, the petrol injection type, coded as a time: item 0 "Sekwencyjny" is 5.0 ms,
// item 1 "Pólsekwencyjny" 4.0 ms, item 2 "Full Group" 3.0 ms, in ticks of the clock.

constexpr int kPetrolInjectionTypes = 3;

// Empty for an item outside the list.
std::optional<qint32> PetrolInjectionWord(int item, bool fastClock);
// The item selected by the ceiling of the time in whole ms: 5 gives item 0, 4 item 1,
// 3 or less item 2; any other time selects nothing.
std::optional<int> PetrolInjectionItem(qint32 word, bool fastClock);

} // namespace zantrel
