#pragma once

#include <QtGlobal>

namespace zantrel {

// The range of a lambda probe's bars by its type (parameter 55 or 56) and the colours of
// its two sectors. Type 0 is a probe that is not connected: its bars are hidden.
struct LambdaScale {
    bool connected;
    double minimum; // volts
    double maximum;
    bool lowGreen; // the low sector green and the high one red; otherwise the reverse

    bool operator==(const LambdaScale&) const = default;
};

LambdaScale LambdaScaleOf(qint32 probeType);

} // namespace zantrel
