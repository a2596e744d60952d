#pragma once

#include <QColor>

namespace zantrel {

// A coloured stretch of an instrument's scale, in the scale's own units.
struct ScaleSector {
    double from;
    double to;
    QColor colour;
};

} // namespace zantrel
