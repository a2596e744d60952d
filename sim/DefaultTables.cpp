#include "sim/DefaultTables.h"

#include "live/LiveConversions.h"

namespace zantrel::sim {

quint16 FactoryPeriod(int rpm)
{
    return quint16(RpmToPeriod(rpm, kFactoryIgnitionType));
}

quint16 FactoryTicks(float ms)
{
    return quint16(MsToTicks(ms, false));
}

// The standard axis: 1000..6000 rpm, then 1.5..18 ms.
std::array<quint16, kMapPoints> DefaultMapPoints()
{
    constexpr int kRpm[] = {1000, 2000, 3000, 4000, 5000, 6000};
    constexpr float kMs[] = {1.5f, 2.0f, 3.0f, 4.5f, 6.0f, 8.0f, 10.0f, 12.0f, 14.0f, 16.0f, 18.0f};
    std::array<quint16, kMapPoints> points{};
    auto out = points.begin();
    for (const int rpm : kRpm)
        *out++ = FactoryPeriod(rpm);
    for (const float ms : kMs)
        *out++ = FactoryTicks(ms);
    return points;
}

std::array<quint16, kEmissionWords> DefaultEmissionBlock()
{
    return {
        614,          // upper lambda threshold, 0.75 V
        327,          // lower lambda threshold, 0.4 V
        10100,        // upper correction limit
        10000,        // lower correction limit
        100,          // rise rate up
        100,          // rise rate down
        100,          // downward correction time
        100,          // upward correction time
        FactoryTicks(2.0f),  // lower load limit
        FactoryTicks(12.0f), // upper load limit
        FactoryPeriod(2000), // lower speed limit
        FactoryPeriod(5000), // upper speed limit
    };
}

} // namespace zantrel::sim
