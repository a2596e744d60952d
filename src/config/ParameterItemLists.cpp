#include "config/ParameterItemLists.h"

#include "config/ConfigBitFields.h"
#include "config/DynamicCorrection.h"
#include "config/ReserveSensorPresets.h"

#include <initializer_list>
#include <vector>

namespace zantrel {

namespace {

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromUtf8(text);
    return out;
}

// `first` followed by n x scale for n = from..to (counting up or down) with a suffix;
// with `plus`, numbers above 0 carry a "+".
QStringList Numbered(const char* first, int from, int to, int scale, const char* suffix, bool plus)
{
    QStringList out;
    if (first)
        out << QString::fromUtf8(first);
    const int step = from <= to ? 1 : -1;
    for (int n = from; n != to + step; n += step)
        out << (plus && n > 0 ? QStringLiteral("+") : QString()) + QString::number(n * scale)
                   + QString::fromUtf8(suffix);
    return out;
}

constexpr bool kPlus = true;

std::vector<ItemList> BuildLists()
{
    return {
        {"ComboBoxCewka", nullptr,
         Texts({"Cewka / Cyl.", "DIS", "4 Cyl.", "5 Cyl.", "6 Cyl.", "8 Cyl.", "3 Cyl."})},
        {"ComboBoxRodzajWtrysku", nullptr,
         Texts({"Keihin", "Matrix", "Matrix - Fast", "Valtek zólty", "Valtek czerwony", "Slavgas 2",
                "Slavgas", "Stella", "Wlasna definicja", "RAIL", "Dorvik"})},
        {"EditCzasWtryskuPrzyObciazeniu", nullptr, Texts({"Sekwencyjny", "Pólsekwencyjny", "Full Group"})},
        {"ComboBoxFiltrowanieCisnienia", nullptr, Texts({"Szybkie", "Srednie", "Normalne", "Mocne"})},
        {"ComboBoxMrozRed", nullptr, Numbered("Brak", 10, -10, 1, " °C", kPlus)},
        {"ComboBoxMrozGaz", nullptr, Numbered("Brak", 0, -20, 1, " °C", kPlus)},
        {"ComboBoxDeltaRpm", nullptr, Numbered("Brak obr. Malejacych", 1, 9, 100, " obr./min", false)},
        {"ComboBoxDeltaObrotow", nullptr, Texts({"Obroty rosnace", "Obroty malejace"})},
        {"ComboBoxSondaLambda1", "ComboBoxSondaLambda2",
         Texts({"Odlaczona", "0 - 1V", "0,8 - 1,6V", "1,5 - 4V", "0 - 5V", "1 - 0V", "5 - 0V"})},
        {"ComboBoxSilaRozgrzewaniaWtrysku", "ComboBoxSilaRozgrzewaniaWtryskuTervo",
         Texts({"Male Rozgrzewanie", "Srednie Rozgrzewanie", "Duze Rozgrzewanie", "B.Duze Rozgrzewanie"})},
        {"ComboBoxMocnoZaawansowane", nullptr, Texts({"STANDARD", "WLASNE !!!"})},
        {"ComboBoxSkaczKorInjT", nullptr, Numbered(nullptr, 1, kDynamicThresholdItems, 1, " ms", false)},
        {"ComboBoxKorekcjaSkacz", nullptr, Numbered(nullptr, kDynamicPercentOfFirstItem,
                                                    kDynamicPercentOfFirstItem + kDynamicPercentItems - 1, 1, "", false)},

        {"ComboBoxSzkloRosMal", nullptr, Texts({"Szkielko Malejace", "Szkielko Rosnace"})},
        {"ComboBoxSygnalObrotow", nullptr, Texts({"12V", "5V"})},
        {"ComboBoxRozgrzewanieWtryskiwacza", "ComboBoxRozgrzewanieWtryskiwaczaTervo",
         Texts({"Wylaczone", "Wlaczone"})},
        {"ComboBoxMaxRpm", "ComboBoxMaxRpmQuillon", Texts({"Wylaczone", "Wlaczone"})},
        {"ComboBoxPodcisnienieReduktora", nullptr, Texts({"Odlaczone", "Podlaczone"})},
        {"ComboBoxMapa", nullptr, Texts({"Bez Mapy", "Mapa Obciazenie + RPM", "Mapa Obciazeniowa"})},
        {"ComboBoxBuzzer", nullptr, Texts({"Wlaczony", "Wylaczony"})},
        {"ComboBoxFiltr", nullptr, Texts({"Brak", "Jałowy", "Mazda 99-01"})},
        {"ComboBoxMapaTemp", nullptr, Texts({"Brak", "Aktywne"})},
        {"ComboBoxFiltrIner", nullptr, Texts({"Filtr Inercyjny Brak", "Filtr Inercyjny Aktywny"})},
        {"ComboBoxInercLambda", nullptr, Texts({"Lambda Brak", "Lambda OK"})},
        {"ComboBoxInercRPM", nullptr, Texts({"Ogr. RPM OFF", "Ogr. RPM ON"})},
        // The third, empty item stores 0.
        {"ComboBoxObcKorekt", nullptr, Texts({"Ogr. od Wtrysku OFF", "Ogr. od Wtrysku ON", ""})},
        {"ComboBoxWolnozmienna", nullptr, Texts({"Wolnozmienna OFF", "Wolnozmienna ON"})},
        {"ComboBoxRodzajCzTemp", nullptr, Texts({"S", "K"})},
        {"ComboBoxTURBO", "ComboBoxTURBOQuillon", Texts({"BRAK Turbiny", "SILNIK TURBO"})},
        {"ComboBoxCNGLPG", nullptr, Texts({"LPG", "CNG"})},
        {"ComboBoxSpuscPsys", nullptr, Texts({"BRAK BOV", "BOV AKTYWNY"})},
        {"ComboBoxKorSkacz", nullptr, Texts({"Korekta Skaczaca BRAK", "Korekta Skaczaca Aktywna"})},
        // The reserve sensors of the fuel chosen at start, LPG.
        {"ComboBoxSzkielkoRezerwy", nullptr, ReserveSensorItems(kFuelLpg, LanguageStrings())},
        // Shown with its description; choosing an item stores nothing.
        {"ComboBoxAlgorytm", nullptr, Texts({"Przewidywanie sekwencji", "Sterowanie w czasie rzeczywistym"})},
    };
}

} // namespace

std::span<const ItemList> ItemLists()
{
    static const std::vector<ItemList> lists = BuildLists();
    return lists;
}

const ItemList* FindItemList(QStringView control)
{
    for (const ItemList& list : ItemLists())
        if (control == QLatin1String(list.control)
            || (list.twin && control == QLatin1String(list.twin)))
            return &list;
    return nullptr;
}

} // namespace zantrel
