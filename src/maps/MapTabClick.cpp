#include "maps/MapTabClick.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterTable.h"
#include "link/CommandSet.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

// "Mapa Obciazenie + RPM" in the map kind field.
constexpr quint32 kLoadRpmMapKind = 1;
constexpr int kLeadingPauseMs = 10;

} // namespace

void SelectLoadRpmMapOnTabClick(ParameterTable& table, EcuCommands& cmds)
{
    SetShadowField(table, ConfigField::MapKind, kLoadRpmMapKind);
    table.CommitShadow(ParameterTable::kShadow47);
    const int word = *ParameterTable::WordOfShadow(ParameterTable::kShadow47);
    WriteParameter(cmds, quint8(word), table[word], kLeadingPauseMs);
}

} // namespace zantrel
