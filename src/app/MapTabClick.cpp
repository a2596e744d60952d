#include "app/MapTabClick.h"

#include "config/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

constexpr int kConfigFlagsB = 47;
constexpr int kMapKindShift = 2;
constexpr qint32 kMapKindMask = 0x3 << kMapKindShift;
constexpr qint32 kLoadRpmMapKind = 1;
constexpr int kLeadingPauseMs = 10;

} // namespace

void SelectLoadRpmMapOnTabClick(ParameterTable& table, EcuCommands& cmds)
{
    qint32& shadow = table[ParameterTable::kShadow47];
    shadow = (shadow & ~kMapKindMask) | (kLoadRpmMapKind << kMapKindShift);
    table[kConfigFlagsB] = shadow;
    WriteParameter(cmds, quint8(kConfigFlagsB), table[kConfigFlagsB], kLeadingPauseMs);
}

} // namespace zantrel
