#include "maps/MapDefaults.h"

#include "config/ParameterConversions.h"

namespace zantrel {

std::array<quint16, kMapPoints> MapPointWords(const MapPointPreset& preset, int ignitionType,
                                             bool fastClock)
{
    std::array<quint16, kMapPoints> words{};
    for (int i = 0; i < kSpeedPoints; ++i)
        words[size_t(i)] = PeriodWord(preset.speedsRpm[size_t(i)], ignitionType);
    for (int i = 0; i < kLoadPoints; ++i)
        words[size_t(kSpeedPoints + i)] = TicksWord(preset.loadsMs[size_t(i)], fastClock);
    return words;
}

} // namespace zantrel
