#include "service/ErrorLamp.h"

#include "live/LiveRecord.h"
#include "service/ErrorBits.h"

namespace zantrel {

std::optional<ErrorLamp> ErrorLampFor(const LiveRecord& record)
{
    const quint16 current = record[live::kErrors];
    if (current == 0 && record[live::kStoredErrors] == 0)
        return ErrorLamp{false, false, Text::Working};
    if (current & errorbits::kLowPressure)
        return std::nullopt;
    return ErrorLamp{true, true, Text::Error};
}

} // namespace zantrel
