#include "config/ReserveSensorPresets.h"

#include "config/ConfigBitFields.h"

#include <span>

namespace zantrel {

namespace {

constexpr quint32 kFalling = 0;
constexpr quint32 kRising = 1;
const ReserveSensorPreset kLpg[] = {
    {Text::ReserveLpg1, "", std::array<qint32, 4>{3750, 3400, 3100, 2200}, kFalling},
    {Text::ReserveLpg2, "", std::array<qint32, 4>{70, 120, 230, 300}, kRising},
    {Text::ReserveLpg3, "", std::array<qint32, 4>{3980, 3900, 3800, 3366}, kFalling},
    {Text::ReserveOwnDefinition, "", std::nullopt, kFalling},
};

const ReserveSensorPreset kCng[] = {
    {Text::ReserveOwnDefinition, "", std::nullopt, kFalling},
    {std::nullopt, "AEB806", std::array<qint32, 4>{4013, 3931, 3849, 3767}, kFalling},
};

std::span<const ReserveSensorPreset> listOf(quint32 fuel)
{
    if (fuel == kFuelLpg)
        return kLpg;
    return kCng;
}

} // namespace

const ReserveSensorPreset* ReserveSensorPresetOf(quint32 fuel, int item)
{
    const std::span<const ReserveSensorPreset> list = listOf(fuel);
    if (item < 0 || size_t(item) >= list.size())
        return nullptr;
    return &list[size_t(item)];
}

QStringList ReserveSensorItems(quint32 fuel, const LanguageStrings& texts)
{
    QStringList items;
    for (const ReserveSensorPreset& p : listOf(fuel))
        items << (p.name ? texts[*p.name] : QString::fromUtf8(p.text));
    return items;
}

bool ReserveOwnDefinition(quint32 fuel, int item)
{
    const ReserveSensorPreset* preset = ReserveSensorPresetOf(fuel, item);
    return preset && !preset->thresholds;
}

} // namespace zantrel
