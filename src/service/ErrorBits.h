#pragma once

#include "base/LanguageStrings.h"

#include <QtGlobal>

#include <optional>
#include <span>

namespace zantrel {

// One bit of the error words: the same position in the current word (live word 22) and
// in the remembered one (word 27).
struct ErrorBit {
    int bit;
    std::optional<Text> current; // none: the error is reported as remembered only
    Text remembered;
    // Where the faulty injectors of this error are in live word 31: the byte's shift,
    // or -1 when the error names no injectors.
    int injectorByteShift;
};

// The bits that carry a message, in the order the report lists them: message 9 (bit 9)
// comes before message 10 (bit 8). Bits 12..15 carry none.
std::span<const ErrorBit> ErrorBitsInReportOrder();

namespace errorbits {
constexpr quint16 kLowPressure = 0x0001;   // message 1
constexpr quint16 kGasInjector = 0x0400;   // message 11
constexpr quint16 kPetrolInjector = 0x0800; // message 12
} // namespace errorbits

} // namespace zantrel
