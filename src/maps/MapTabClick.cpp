#include "maps/MapTabClick.h"

#include "config/ConfigBitFields.h"
#include "image/ParameterTable.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"
#include "link/WriteSequences.h"

namespace zantrel {

namespace {

// "Mapa Obciazenie + RPM" in the map kind field.
constexpr quint32 kLoadRpmMapKind = 1;
constexpr int kLeadingPauseMs = 10;

} // namespace

bool SelectLoadRpmMapOnTabClick(ParameterTable& table, LinkGate& gate)
{
    if (gate.Busy())
        return false;
    SetShadowField(table, ConfigField::MapKind, kLoadRpmMapKind);
    table.CommitShadow(ParameterTable::kShadow47);
    const int word = *ParameterTable::WordOfShadow(ParameterTable::kShadow47);
    LinkJob job;
    WriteParameter(job, quint8(word), table[word], kLeadingPauseMs);
    return gate.RunNow(std::move(job)) == JobOutcome::Completed;
}

} // namespace zantrel
