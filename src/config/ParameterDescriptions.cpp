#include "config/ParameterDescriptions.h"

#include "config/EditorMembers.h"

#include "base/LanguageStrings.h"

namespace zantrel {

namespace {

using T = EditorTab;

constexpr ParameterDescription kDescriptions[] = {
    {11000, "ComboBoxRodzajWtrysku", T::Parameters,
     "Wybór rodzaju wtryskiwacza gazowego. Możliwa jest własna definicja parametrów wtryskiwacza, jeśli nie "
     "występuje on w zestawieniu."},
    {11001, "ComboBoxCewka", T::Parameters,
     "Wybór układu zapłonowego. Należy tak dobrać układ zapłonowy, aby obrotomierz w programie pokazywał "
     "rzeczywiste obroty silnika."},
    {11002, "EditParametryMaxInj", T::Advanced,
     "Maksymalny czas wtrysku gazowego. Maksymalny czas wtrysku gazu, jaki jest w stanie wygenerować "
     "sterownik, zazwyczaj wartość nie przekracza 35 ms."},
    {11003, "EditMinimalnyCzasWtrysku", T::Advanced,
     "Minimalne otwarcie wtryskiwacza gazowego. Najmniejszy czas, na który otwiera się wtryskiwacz gazowy - "
     "ma to znaczenie przy silnikach z przedwtryskiem. Wartosc zalezy od rodzaju zastosowanego wtryskiwacza."},
    {11004, "EditMinTempPrzel", T::Parameters,
     "Minimalna Temperatura reduktora, przy której następuje przełączenie na gaz. Zalecana temperatura "
     "powyżej 30 stopni Celsjusza."},
    {11005, "EditRPMprzelNaLPG", T::Parameters,
     "Próg obrotów silnika dla przejscia na zasilanie gazowe. Po przekroczeniu progu obrotów przełączenia "
     "załączona zostaje cewka na butli oraz reduktorze, a następnie wtryskiwacze gazowe. [obr/min]"},
    {11006, "EditWspolneCykle", T::Parameters,
     "Wspólne cykle: Liczba wspólnych wtrysków benzyny + gazu w cyklach (nakładanie paliw). Ustaw taką "
     "wartość aby przejście z benzyny na gaz bylo nieodczuwalne (bez szarpnięcia) [cykle]"},
    {11007, "EditWzbogacanieMieszanki", T::Parameters,
     "Procentowa korekta czasu wtrysku gazu względem wtrysku benzyny. Optymalny zakres pracy od -10% do 40%. "
     "W przypadku korekty wykraczającej poza zalecany zakres należy zmienić średnicę dysz wtryskiwaczy. [%]"},
    {11008, "EditPrzesuniecie", T::Parameters,
     "Bezpośrednia korekcja czasu wtrysku gazu na biegu jałowym oraz przy bardzo małym obciążeniu. Należy "
     "tak ustalić ten parametr aby czas wtrysku benzyny widoczny podczas zasilania gazem na wolnych obrotach "
     "był taki sam jak podczas zasilania benzyną. [ms]"},
    {11009, "EditMaxRpm", T::Parameters, "Próg obrotów dla funkcji maksymalne obroty silnika  [obr/min]"},
    {11010, "ComboBoxMaxRpm", T::Parameters,
     "Włączenie/wyłączenie maksymalnych obrotów silnika dla pracy na gazie. Po przekroczeniu zadanego progu "
     "obrotów nastąpi przełączenie na zasilanie benzyną, a po spadku obrotów powrót na zasilanie gazem"},
    {11011, "ComboBoxSzkielkoRezerwy", T::Parameters,
     "Wybierz z listy rodzaj sensora rezerwy lub dokonaj ręcznej konfiguracji zamiast po podłączeniu"},
    {11012, "EditOdswiezanieOczka", T::Parameters,
     "Czas uaktualniania wskazania poziomu gazu na zbiorniku. W przypadku, gdy wskazanie poziomu ulega "
     "zmianie np. wchodzenia w zakręt należy zwiększyc czas [sek.]"},
    {11013, "ComboBoxSondaLambda1", T::Parameters,
     "Rodzaj sondy lambda 1, jeśli jest podłączona - nie jest konieczne podłączanie sondy. Podłączenie sondy "
     "pozwala jednak na obserwacje prawidłości pracy instalacji"},
    {11014, "ComboBoxSondaLambda2", T::Parameters,
     "Rodzaj sondy lambda 2, jeśli jest podłączona - nie jest konieczne podłączanie sondy. Podłączenie sondy "
     "pozwala jednak na obserwacje prawidłości pracy instalacji"},
    {11015, "ComboBoxTURBO", T::Parameters, "Ustawienie samochodu z turbiną."},
    {11016, "ComboBoxPodcisnienieReduktora", T::Advanced,
     "System może pracować z podłączonym lub odłączonym podciśnieniem. Wybierz z listy czy podciśnienie jest "
     "podłączone czy odłączone."},
    {11017, "EditCzasWtryskuPrzyObciazeniu", T::Parameters, "Wybierz rodzaj wtrysku benzyny"},
    {11018, "EditCisnienieWylaczenia", T::Advanced,
     "Ciśnienie gazu, poniżej którego następuje powrót do zasilania benzyną, jeśli jest podłączone "
     "podciśnienie z reduktora, należy ustawić je na lekkim obciążeniu. [bar]"},
    {11019, "EditCzasPowrotuNaBenz", T::Advanced, "Opóźnienie powrotu do zasilania benzyną, po spadku ciśnienia gazu. [sek.]"},
    {11020, "EditCisnienieBeep", T::Advanced,
     "Ciśnienie gazu, poniżej którego włącza się sygnał dźwiękowy powiadamiający o kończącym się gazie w "
     "zbiorniku."},
    {11021, "ComboBoxRozgrzewanieWtryskiwacza", T::Advanced,
     "Włączenie rozgrzewania wtryskiwaczy powoduje załączenie wtryskiwaczy jeszcze przed załączeniem gazu (na "
     "sucho) i następuje jeśli temperatura reduktora jest niższa niż 5°C. [°C]"},
    {11022, "ComboBoxSilaRozgrzewaniaWtrysku", T::Advanced,
     "Wybór natężenia i dlugości trwania impulsu rozgrzewającego. Małe: 20 sek. Duże - 40 sek. Bardzo duże - "
     "50 sek."},
    {11023, "EditOnTimeToInjTime", T::Advanced,
     "Czas od momentu załączenia wielozaworu na butli oraz Elektrozaworu na reduktorze do momentu załączenia "
     "wtrysków gazowych, może być użyty jako opóźnienie załączenia gazu. [sek.]"},
    {11024, "EditOpoznienieWtryskiwaczy", T::Advanced,
     "Czas opóźnienia załączenia wtrysku benzynowego do gazowego - typowo 2,00 ms. [ms]"},
    {11025, "ComboBoxMocnoZaawansowane", T::Advanced, "Włączenie/wyłączenie parametrów sterowania wtryskami gazowymi."},
    {11026, "ComboBoxFiltrowanieCisnienia", T::Advanced,
     "Poziom filtrowania wizualizacji ciśnienia. Włącz jeśli wskazanie ciśnienia nie jest stabilne i ustaw "
     "taki poziom aby wskazanie ciśnienia było bez zakłóceń."},
    {11027, "ComboBoxAlgorytm", T::Advanced,
     "Rodzaj algorytmu sterowania: 1. Przewidywanie sekwencji. 2. Sterowanie w czasie rzeczywistym."},
    {11028, "EditPelneOtwarcie", T::Advanced,
     "Przez ten czas płynie maksymalny prąd przez wtryskiwacz gazowy, zazwyczaj 4ms."},
    {11029, "EditProcentowePodtrzymanie", T::Advanced, "Procentowy prąd podtrzymujący cewkę wtryskiwacza - typowo 35%."},
    {11030, "ComboBoxDeltaObrotow", T::Parameters,
     "Wybierz tryb przełączenia pomiędzy benzyną a gazem. Tryb rosnący - przełączenie nastąpi w momencie "
     "przekroczenia zadanego progu. Tryb Malejący - przełączenie nastąpi po przekroczeniu zadanego progu i "
     "spadku obrotów o zadaną deltę (domyślnie 200)"},
    {11031, "ComboBoxMrozGaz", T::Advanced,
     "Ustaw poziom temperatury gazu, poniżej którego nastąpi przełączenie na benzynę (zbyt zimny gaz)."},
    {11032, "ComboBoxMrozRed", T::Advanced,
     "Ustaw poziom temperatury reduktora, poniżej którego nastąpi przełączenie na benzynę (mrożenie "
     "reduktora)"},
    {11033, "ComboBoxBuzzer", T::Advanced, "Włącz/Wyłącz sygnał dźwiękowy (buzzer) dla zmiany zasilania benzyna-gaz"},
    {11034, "EditMultiRpmPower", T::Advanced,
     "Zwiększaj wartość jeśli wskazanie obrotów jest zakłócane aż do uzyskania stabilnego wskazania."},
    {11035, "EditSignalInj", T::Advanced,
     "Zwiększaj wartość jeśli wskazanie czasów pracy wtryskiwaczy benzynowych jest zakłócane aż do uzyskania "
     "stabilnego wskazania."},
    {11036, "ComboBoxDeltaRpm", T::Advanced, "Wielkość spadku obrotów dla przełączania benzynę-gaz w trybie malejącym."},
};

} // namespace

const char* DescriptionMemo(EditorTab tab)
{
    return tab == EditorTab::Parameters ? "MemoOpisParametru" : "MemoOpisZaawansowanych";
}

QString DescriptionText(const ParameterDescription& description, const LanguageStrings& texts)
{
    if (const QString* replaced = texts.Replacement(description.id))
        return *replaced;
    return QString::fromUtf8(description.text);
}

std::vector<LanguageLine> ParameterHelpLines()
{
    std::vector<LanguageLine> lines;
    for (const ParameterDescription& d : kDescriptions)
        lines.push_back({d.id, QString::fromUtf8(d.text)});
    return lines;
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
