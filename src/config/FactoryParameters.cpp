#include "config/FactoryParameters.h"

#include "config/ConfigBitFields.h"
#include "config/ParameterConversions.h"
#include "config/ParameterWords.h"
#include "image/ParameterTable.h"

namespace zantrel {

void ApplyFactoryValues(ParameterTable& table)
{
    table[kIgnitionTypeWord] = ParameterWordAt(kIgnitionTypeWord).factory.value;
    for (const ParameterWord& row : ParameterWords()) {
        switch (row.factory.rule) {
        case FactoryRule::Value:
            table[row.index] = row.factory.value;
            break;
        case FactoryRule::PeriodOfRpm:
            table[row.index] = PeriodWord(row.factory.value, table[kIgnitionTypeWord]);
            break;
        case FactoryRule::Kept:
            break;
        }
    }
    table[ParameterTable::kShadow22] = table[kFlagsAWord];
    table[ParameterTable::kShadow51] = table[kExtraCorrectionWord];
    SetShadowField(table, ConfigField::Fuel, kFuelLpg);
    SetShadowField(table, ConfigField::ReducerFreezeCutoff, 0);
}

} // namespace zantrel
