#include "base/TabTable.h"

#include "base/EnumTable.h"

namespace zantrel {

namespace {

constexpr TabSpec kTabs[] = {
    {TabId::TabSheet1, "TabSheet1", "Odczyty[F2]", true, "OdczytyF21", false},
    {TabId::TabSheet2, "TabSheet2", "Oscyloskopy[F3]", true, "OscyloskopyF31", false},
    {TabId::TabSheet3, "TabSheet3", "Parametry [F4]", true, "ParametryF41", false},
    {TabId::TabSheet4, "TabSheet4", "Zaawansowane[F5]", true, "ZaawansowaneF51", false},
    {TabId::TabSheet5, "TabSheet5", "Adaptacja[F6]", true, "AutoadaptacjaF61", false},
    {TabId::TabSheet6, "TabSheet6", "Map1 [F7]", false, "Mapa1", true},
    {TabId::TabSheet7, "TabSheet7", "Mapa Inj [F8]", false, "MapaInj1", true},
    {TabId::TabSheet8, "TabSheet8", "Fabr.[F12]", false, "Fabr1", false},
    {TabId::TabSheet10, "TabSheet10", "Diagnostyka wtryskiwaczy (F9)", true, "DiagnosytkaWtryskiwaczy1", false},
    {TabId::TabSheet9, "TabSheet9", "Odczyt konfiguracji (F10)", true, "Odczytkonfiguracji1", false},
    {TabId::TabSheetEmisja, "TabSheetEmisja", "Emisja", false, "", false},
    {TabId::TabSheetMapaTemp, "TabSheetMapaTemp", "Mapa temperaturowa", false, "", false},
    {TabId::TabSheet11, "TabSheet11", "Mazda/Jalowy", true, "", false},
};

static_assert(RowsFollowEnumOrder(kTabs, &TabSpec::id, TabId::Count), "one row per TabId, in tab order");

} // namespace

std::span<const TabSpec> MainTabs()
{
    return kTabs;
}

const TabSpec& TabSpecOf(TabId id)
{
    return kTabs[std::size_t(id)];
}

int NeighbourTab(int current, int count, int step, const std::function<bool(int)>& selectable)
{
    if (count <= 0)
        return -1;
    int index = current;
    for (int pass = 1; pass < count; ++pass) {
        index = ((index + step) % count + count) % count;
        if (selectable(index))
            return index;
    }
    return -1;
}

} // namespace zantrel
