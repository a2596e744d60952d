#pragma once

#include "link/WriteSequences.h"

#include <QtGlobal>

#include <array>

namespace zantrel {

// The temperature enrichment table after a reset: every enrichment at 0 % (percent +
// 100) over the gas temperature points 5k + 1 degrees C.
constexpr std::array<quint8, kTempCorrections> kDefaultTempCorrections{100, 100, 100, 100, 100, 100};
constexpr std::array<quint8, kTempBreakpoints> kDefaultTempBreakpoints{1, 6, 11, 16, 21};

} // namespace zantrel
