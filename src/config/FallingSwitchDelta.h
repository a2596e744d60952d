#pragma once

#include <QtGlobal>

namespace zantrel {

// Word 53 in the falling switch-over mode: the controller switches to gas once the speed
// has passed the switch-over speed and then dropped by 100 x item RPM; the word holds
// period(switch RPM - 100 x item) - period(switch RPM) for the ignition type. Item 0 and
// the rising mode store 0. A drop that leaves less than 50 RPM has no period; it stores 0
// (rising mode) as well, and a delta beyond the 16-bit word stores the largest it holds.
qint32 FallingDeltaWord(int switchRpm, int deltaItem, int ignitionType);

constexpr int kFallingDeltaRpmPerItem = 100;

} // namespace zantrel
