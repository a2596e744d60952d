#pragma once

#include "base/LanguageStrings.h"

#include <optional>

namespace zantrel {

class LiveRecord;

// What the error lamp shows.
struct ErrorLamp {
    bool on;
    bool flashing;
    Text caption;

    bool operator==(const ErrorLamp&) const = default;
};

// The lamp after a live record: off with "Sprawny" while words 22 and 27 are both 0, on
// and flashing with "Błąd" otherwise. While current error 1 (low pressure or an empty
// tank) is set the lamp stays as it is shown: no value.
std::optional<ErrorLamp> ErrorLampFor(const LiveRecord& record);

} // namespace zantrel
