#include "config/ParameterDescriptions.h"

#include "config/EditorMembers.h"

namespace zantrel {

namespace {

using T = EditorTab;

constexpr ParameterDescription kDescriptions[] = {
    {"ComboBoxRodzajWtrysku", T::Parameters,
     "Wybór rodzaju wtryskiwacza gazowego. Możliwa jest własna definicja parametrów wtryskiwacza, jeśli nie "
     "występuje on w zestawieniu."},
    {"ComboBoxCewka", T::Parameters,
     "Wybór układu zapłonowego. Należy tak dobrać układ zapłonowy, aby obrotomierz w programie pokazywał "
     "rzeczywiste obroty silnika."},
    {"EditParametryMaxInj", T::Advanced,
     "Maksymalny czas wtrysku gazowego. Maksymalny czas wtrysku gazu, jaki jest w stanie wygenerować "
     "sterownik, zazwyczaj wartość nie przekracza 35 ms."},
    {"EditMinimalnyCzasWtrysku", T::Advanced,
     "Minimalne otwarcie wtryskiwacza gazowego. Najmniejszy czas, na który otwiera się wtryskiwacz gazowy - "
     "ma to znaczenie przy silnikach z przedwtryskiem. Wartosc zalezy od rodzaju zastosowanego wtryskiwacza."},
    {"EditMinTempPrzel", T::Parameters,
     "Minimalna Temperatura reduktora, przy której następuje przełączenie na gaz. Zalecana temperatura "
     "powyżej 30 stopni Celsjusza."},
    {"EditRPMprzelNaLPG", T::Parameters,
     "Próg obrotów silnika dla przejscia na zasilanie gazowe. Po przekroczeniu progu obrotów przełączenia "
     "załączona zostaje cewka na butli oraz reduktorze, a następnie wtryskiwacze gazowe. [obr/min]"},
    {"EditWspolneCykle", T::Parameters,
     "Wspólne cykle: Liczba wspólnych wtrysków benzyny + gazu w cyklach (nakładanie paliw). Ustaw taką "
     "wartość aby przejście z benzyny na gaz bylo nieodczuwalne (bez szarpnięcia) [cykle]"},
    {"EditWzbogacanieMieszanki", T::Parameters,
     "Procentowa korekta czasu wtrysku gazu względem wtrysku benzyny. Optymalny zakres pracy od -10% do 40%. "
     "W przypadku korekty wykraczającej poza zalecany zakres należy zmienić średnicę dysz wtryskiwaczy. [%]"},
    {"EditPrzesuniecie", T::Parameters,
     "Bezpośrednia korekcja czasu wtrysku gazu na biegu jałowym oraz przy bardzo małym obciążeniu. Należy "
     "tak ustalić ten parametr aby czas wtrysku benzyny widoczny podczas zasilania gazem na wolnych obrotach "
     "był taki sam jak podczas zasilania benzyną. [ms]"},
    {"EditMaxRpm", T::Parameters, "Próg obrotów dla funkcji maksymalne obroty silnika  [obr/min]"},
    {"ComboBoxMaxRpm", T::Parameters,
     "Włączenie/wyłączenie maksymalnych obrotów silnika dla pracy na gazie. Po przekroczeniu zadanego progu "
     "obrotów nastąpi przełączenie na zasilanie benzyną, a po spadku obrotów powrót na zasilanie gazem"},
    {"ComboBoxSzkielkoRezerwy", T::Parameters,
     "Wybierz z listy rodzaj sensora rezerwy lub dokonaj ręcznej konfiguracji zamiast po podłączeniu"},
    {"EditOdswiezanieOczka", T::Parameters,
     "Czas uaktualniania wskazania poziomu gazu na zbiorniku. W przypadku, gdy wskazanie poziomu ulega "
     "zmianie np. wchodzenia w zakręt należy zwiększyc czas [sek.]"},
    {"ComboBoxSondaLambda1", T::Parameters,
     "Rodzaj sondy lambda 1, jeśli jest podłączona - nie jest konieczne podłączanie sondy. Podłączenie sondy "
     "pozwala jednak na obserwacje prawidłości pracy instalacji"},
    {"ComboBoxSondaLambda2", T::Parameters,
     "Rodzaj sondy lambda 2, jeśli jest podłączona - nie jest konieczne podłączanie sondy. Podłączenie sondy "
     "pozwala jednak na obserwacje prawidłości pracy instalacji"},
    {"ComboBoxTURBO", T::Parameters, "Ustawienie samochodu z turbiną."},
    {"ComboBoxPodcisnienieReduktora", T::Advanced,
     "System może pracować z podłączonym lub odłączonym podciśnieniem. Wybierz z listy czy podciśnienie jest "
     "podłączone czy odłączone."},
    {"EditCzasWtryskuPrzyObciazeniu", T::Parameters, "Wybierz rodzaj wtrysku benzyny"},
    {"EditCisnienieWylaczenia", T::Advanced,
     "Ciśnienie gazu, poniżej którego następuje powrót do zasilania benzyną, jeśli jest podłączone "
     "podciśnienie z reduktora, należy ustawić je na lekkim obciążeniu. [bar]"},
    {"EditCzasPowrotuNaBenz", T::Advanced, "Opóźnienie powrotu do zasilania benzyną, po spadku ciśnienia gazu. [sek.]"},
    {"EditCisnienieBeep", T::Advanced,
     "Ciśnienie gazu, poniżej którego włącza się sygnał dźwiękowy powiadamiający o kończącym się gazie w "
     "zbiorniku."},
    {"ComboBoxRozgrzewanieWtryskiwacza", T::Advanced,
     "Włączenie rozgrzewania wtryskiwaczy powoduje załączenie wtryskiwaczy jeszcze przed załączeniem gazu (na "
     "sucho) i następuje jeśli temperatura reduktora jest niższa niż 5°C. [°C]"},
    {"ComboBoxSilaRozgrzewaniaWtrysku", T::Advanced,
     "Wybór natężenia i dlugości trwania impulsu rozgrzewającego. Małe: 20 sek. Duże - 40 sek. Bardzo duże - "
     "50 sek."},
    {"EditOnTimeToInjTime", T::Advanced,
     "Czas od momentu załączenia wielozaworu na butli oraz Elektrozaworu na reduktorze do momentu załączenia "
     "wtrysków gazowych, może być użyty jako opóźnienie załączenia gazu. [sek.]"},
    {"EditOpoznienieWtryskiwaczy", T::Advanced,
     "Czas opóźnienia załączenia wtrysku benzynowego do gazowego - typowo 2,00 ms. [ms]"},
    {"ComboBoxMocnoZaawansowane", T::Advanced, "Włączenie/wyłączenie parametrów sterowania wtryskami gazowymi."},
    {"ComboBoxFiltrowanieCisnienia", T::Advanced,
     "Poziom filtrowania wizualizacji ciśnienia. Włącz jeśli wskazanie ciśnienia nie jest stabilne i ustaw "
     "taki poziom aby wskazanie ciśnienia było bez zakłóceń."},
    {"ComboBoxAlgorytm", T::Advanced,
     "Rodzaj algorytmu sterowania: 1. Przewidywanie sekwencji. 2. Sterowanie w czasie rzeczywistym."},
    {"EditPelneOtwarcie", T::Advanced,
     "Przez ten czas płynie maksymalny prąd przez wtryskiwacz gazowy, zazwyczaj 4ms."},
    {"EditProcentowePodtrzymanie", T::Advanced, "Procentowy prąd podtrzymujący cewkę wtryskiwacza - typowo 35%."},
    {"ComboBoxDeltaObrotow", T::Parameters,
     "Wybierz tryb przełączenia pomiędzy benzyną a gazem. Tryb rosnący - przełączenie nastąpi w momencie "
     "przekroczenia zadanego progu. Tryb Malejący - przełączenie nastąpi po przekroczeniu zadanego progu i "
     "spadku obrotów o zadaną deltę (domyślnie 200)"},
    {"ComboBoxMrozGaz", T::Advanced,
     "Ustaw poziom temperatury gazu, poniżej którego nastąpi przełączenie na benzynę (zbyt zimny gaz)."},
    {"ComboBoxMrozRed", T::Advanced,
     "Ustaw poziom temperatury reduktora, poniżej którego nastąpi przełączenie na benzynę (mrożenie "
     "reduktora)"},
    {"ComboBoxBuzzer", T::Advanced, "Włącz/Wyłącz sygnał dźwiękowy (buzzer) dla zmiany zasilania benzyna-gaz"},
    {"EditMultiRpmPower", T::Advanced,
     "Zwiększaj wartość jeśli wskazanie obrotów jest zakłócane aż do uzyskania stabilnego wskazania."},
    {"EditSignalInj", T::Advanced,
     "Zwiększaj wartość jeśli wskazanie czasów pracy wtryskiwaczy benzynowych jest zakłócane aż do uzyskania "
     "stabilnego wskazania."},
    {"ComboBoxDeltaRpm", T::Advanced, "Wielkość spadku obrotów dla przełączania benzynę-gaz w trybie malejącym."},
};

} // namespace

const char* DescriptionMemo(EditorTab tab)
{
    return tab == EditorTab::Parameters ? "MemoOpisParametru" : "MemoOpisZaawansowanych";
}

QString DescriptionMemoPrompt()
{
    return QStringLiteral("Wybierz parametr aby zobaczyc jego opis.");
}

std::span<const ParameterDescription> ParameterDescriptions()
{
    return kDescriptions;
}

std::optional<ParameterDescription> DescriptionOf(QStringView control)
{
    const QString main = MainControlOf(control);
    for (const ParameterDescription& d : kDescriptions)
        if (main == QLatin1String(d.control))
            return d;
    return std::nullopt;
}

} // namespace zantrel
