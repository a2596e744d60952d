#include "config/ParameterWords.h"

#include "link/WriteSequences.h"

#include <QString>

namespace zantrel {

namespace {

constexpr EditorLimits kNone{};

constexpr EditorLimits Range(double low, double high)
{
    return {{true, low, low}, {true, high, high}};
}
constexpr EditorLimits Below(double beyond, double becomes)
{
    return {{true, beyond, becomes}, {}};
}
constexpr EditorLimits Above(double beyond, double becomes)
{
    return {{}, {true, beyond, becomes}};
}
constexpr EditorLimits BelowAbove(double low, double lowBecomes, double high, double highBecomes)
{
    return {{true, low, lowBecomes}, {true, high, highBecomes}};
}

constexpr FactoryValue Factory(qint32 value) { return {FactoryRule::Value, value}; }
constexpr FactoryValue FactoryPeriod(int rpm) { return {FactoryRule::PeriodOfRpm, rpm}; }
constexpr FactoryValue kKept{};

using E = Encoding;
using C = ParameterControl;

constexpr bool kPlus = true;

constexpr std::array<ParameterWord, 64> kWords{{
    {0, {}, "programmed marker", E::Marker, 0, false, kNone, Factory(kProgrammedMarker)},
    {1, {C{"EditWzbogacanieMieszanki", "Wzbogacanie mieszanki gaz"}},
     "gas mixture enrichment in percent", E::EnrichmentPercent, 0, false, Range(-50, 150), Factory(115)},
    {2, {C{"EditMinimalnyCzasWtrysku", "Minimalne otwarcie wtrysku gazu"}},
     "minimal opening time of the gas injector", E::Ticks, 1, false, BelowAbove(0, 0.1, 10, 10), Factory(610)},
    {3, {C{"EditPrzesuniecie", "Korekta czasu wtrysku biegu jalowego"}},
     "direct correction of the gas injection time at idle and very low load", E::Ticks, 2, kPlus, Range(-4, 4), Factory(92)},
    {4, {C{"EditWspolneCykle", "Nakl. paliw - liczba wspólnych cykli"}},
     "cycles in which petrol and gas are injected together at switch-over", E::Integer, 0, false, kNone, Factory(1)},
    {5, {C{"EditMinTempPrzel", "Temperatura przejscia na gaz"}},
     "minimal reducer temperature for switching to gas, degrees C", E::Integer, 0, false, kNone, Factory(35)},
    {6, {C{"EditProcentowePodtrzymanie", "Procentowe podtrzymanie:"}},
     "holding current of the injector coil in percent", E::HoldingCurrent, 1, false, Range(20, 90), Factory(540)},
    {7, {C{"EditPelneOtwarcie", "Pelne otwarcie wtrysku:"}},
     "time of full (peak) current through the gas injector", E::Ticks, 2, false, BelowAbove(0, 1, 10, 10), Factory(922)},
    {8, {C{"EditParametryMaxInj", "Maksymalny czas wtrysku gazu"}},
     "maximal gas injection time; also the full scale of the per-injector bars", E::Ticks, 1, false, BelowAbove(0, 1, 200, 200), Factory(7000)},
    {9, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(0)},
    {10, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(300)},
    {11, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(3850)},
    {12, {C{"ScrollBarTurbo", "Ustal ciśnienie doładowania Turbiny:"}},
     "turbo boost pressure setting", E::BoostSetting, 0, false, Range(0, 65), Factory(100)},
    {13, {C{"EditOpoznienieWtryskiwaczy", "Opóz. Zal. Wtrysku LPG do Ben:"}},
     "delay of the gas injection after the petrol injection", E::Ticks, 2, false, BelowAbove(0, 0.01, 8, 8), Factory(460)},
    {14, {C{"EditRPMprzelNaLPG", "Obroty przejscia na gaz"}},
     "engine speed threshold for switching to gas", E::Period, 0, false, kNone, FactoryPeriod(1500)},
    {15, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(0)},
    {16, {C{"EditOnTimeToInjTime", "Opóznienie przejscia na gaz"}},
     "time from opening the tank and reducer valves to the first gas injection, s", E::Milliseconds, 2, false, Range(0.01, 500), Factory(3000)},
    {17, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(3850)},
    {18, {C{"EditCisnienieWylaczenia", "Cisnienie powrotu na benzyne"}, C{"EditCisnienieWylaczeniaQuillon", "Cisnienie powrotu na benzyne"}},
     "gas pressure below which the controller returns to petrol, bar", E::PressureCode, 2, false, Range(0.4, 3), Factory(1100)},
    {19, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(200)},
    {20, {C{"EditCzasPowrotuNaBenz", "Opóznienie powrotu na benzyne"}, C{"EditCzasPowrotuNaBenzQuillon", "Opóznienie powrotu na benzyne"}},
     "delay of the return to petrol after the pressure drop, s", E::Centiseconds, 2, false, Range(0.01, 500), Factory(100)},
    {21, {C{"ComboBoxCewka", "Rodzaj ukladu zaplonowego"}},
     "ignition system type; selects the RPM/period conversion", E::Item, 0, false, kNone, Factory(2)},
    {22, {}, "configuration flags A", E::BitField, 0, false, kNone, Factory(0x0020)},
    {23, {C{"AbHSliderKorDyn", "Korekty Dynamiczne"}, C{"ComboBoxKorSkacz"}, C{"ComboBoxSkaczKorInjT"}, C{"ComboBoxKorekcjaSkacz"}},
     "dynamic (jumping) correction: threshold in ms and percent", E::DynamicCorrection, 0, false, Range(-60, 80), Factory(1039)},
    {24, {C{"EditCisnienieBeep", "Syg. dzwiekowy ponizej cisn"}},
     "gas pressure below which the buzzer warns of an empty tank, bar", E::PressureCode, 2, false, Range(0.4, 3), Factory(1152)},
    {25, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(4096)},
    {26, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(2550)},
    {27, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(1850)},
    {28, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(1040)},
    {29, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(0)},
    {30, {}, "reserve level threshold 1", E::VoltageCode, 2, false, kNone, Factory(3750)},
    {31, {}, "reserve level threshold 2", E::VoltageCode, 2, false, kNone, Factory(3400)},
    {32, {}, "reserve level threshold 3", E::VoltageCode, 2, false, kNone, Factory(3100)},
    {33, {}, "reserve level threshold 4", E::VoltageCode, 2, false, kNone, Factory(2200)},
    {34, {C{"EditOdswiezanieOczka", "Odswiezanie oczka"}},
     "refresh time of the tank level indication, s", E::Centiseconds, 1, false, Above(500, 500), Factory(1500)},
    {35, {}, "working-time counter kept by the controller", E::Counter, 0, false, kNone, kKept},
    {36, {}, "working-time counter kept by the controller", E::Counter, 0, false, kNone, kKept},
    {37, {}, "working-time counter kept by the controller", E::Counter, 0, false, kNone, kKept},
    {38, {}, "working-time counter kept by the controller", E::Counter, 0, false, kNone, kKept},
    {39, {}, "not interpreted", E::Opaque, 0, false, kNone, Factory(100)},
    {40, {C{"EditMultiRpmPower", "Moc sygnalu obrotów"}},
     "strength of the RPM signal filtering", E::Integer, 0, false, BelowAbove(0, 1, 1000, 1000), Factory(2)},
    {41, {C{"EditTempRozgrz", "Temp.[C]"}},
     "reducer temperature below which the injectors are heated, degrees C", E::Integer, 0, false, Below(1, 1), Factory(5)},
    {42, {C{"EditCzasRozgrz", "Czas[s]"}},
     "injector heating time, s", E::Integer, 0, false, Above(999, 999), Factory(20)},
    {43, {C{"EditInjRozgrz", "Impuls[ms]"}},
     "heating pulse length", E::Ticks, 1, false, Above(6, 6), Factory(300)},
    {44, {C{"EditMaxRpm", "Maksymalne obroty silnika"}, C{"EditMaxRpmQuillon", "Maksymalne obroty silnika"}},
     "threshold of the maximal-RPM function", E::Period, 0, false, kNone, FactoryPeriod(6500)},
    {45, {C{"EditCzasWtryskuPrzyObciazeniu", "Rodzaj wtrysku benzyny"}},
     "petrol injection type, coded as a time", E::InjectionType, 0, false, kNone, Factory(1613)},
    {46, {C{"ComboBoxFiltrowanieCisnienia", "Filtrowanie cisnienia"}},
     "filtering level of the pressure display", E::Item, 0, false, kNone, Factory(2)},
    {47, {}, "configuration flags B", E::BitField, 0, false, kNone, Factory(0)},
    {48, {C{"ComboBoxMrozRed", "Wyl. od niskiej temp. red"}},
     "reducer temperature below which gas is cut off (reducer freezing), degrees C", E::TemperatureCutoff, 0, false, kNone, Factory(-20)},
    {49, {C{"ComboBoxMrozGaz", "Wyl. od niskiej temp. gazu"}},
     "gas temperature below which gas is cut off, degrees C", E::TemperatureCutoff, 0, false, kNone, Factory(-20)},
    {50, {C{"EditSignalInj", "Moc sygnalu INJ"}},
     "strength of the petrol-injector signal filtering", E::Integer, 0, false, BelowAbove(0, 1, 1000, 1000), Factory(50)},
    {51, {}, "per-injector selection of the additional correction", E::BitField, 0, false, kNone, Factory(0)},
    {52, {C{"EditPrzesuniecie2"}},
     "additional correction of the selected injectors", E::Ticks, 2, kPlus, Range(-4, 4), Factory(0)},
    {53, {C{"ComboBoxDeltaRpm", "Delta obr./min"}, C{"ComboBoxDeltaObrotow", "Tryb przelaczania benzyna/gaz"}},
     "speed drop required in falling switch-over mode", E::FallingDelta, 0, false, kNone, Factory(0)},
    {54, {}, "configuration flags C", E::BitField, 0, false, kNone, kKept},
    {55, {C{"ComboBoxSondaLambda1", "Sonda Lambda 1"}},
     "type of lambda probe 1", E::Item, 0, false, kNone, kKept},
    {56, {C{"ComboBoxSondaLambda2", "Sonda Lambda 2"}},
     "type of lambda probe 2", E::Item, 0, false, kNone, kKept},
    {57, {C{"ComboBoxSilaRozgrzewaniaWtrysku", "Rodzaj rozgrzewania"}, C{"ComboBoxSilaRozgrzewaniaWtryskuTervo", "Rodzaj rozgrzewania"}},
     "injector heating strength", E::Item, 0, false, kNone, kKept},
    {58, {C{"ComboBoxMocnoZaawansowane", "Ustawienie sterowania"}},
     "control settings: standard or own injector settings", E::Item, 0, false, kNone, kKept},
    {59, {C{"EditFiltrDt", "dT[ms]"}},
     "time step of the low-RPM filter", E::Ticks, 2, false, Range(0.005, 10), kKept},
    {60, {C{"EditFiltrRPM", "obr./min"}},
     "speed limit of the low-RPM filter", E::Period, 0, false, Range(400, 5000), kKept},
    {61, {C{"EditFiltrInjTime", "InB[ms]"}},
     "petrol injection time limit of the low-RPM filter", E::Ticks, 1, false, Range(1, 15), kKept},
    {62, {}, "not interpreted", E::Opaque, 0, false, kNone, kKept},
    {63, {}, "not interpreted", E::Opaque, 0, false, kNone, kKept},
}};

constexpr bool InIndexOrder()
{
    for (size_t i = 0; i < kWords.size(); ++i)
        if (kWords[i].index != int(i))
            return false;
    return true;
}
static_assert(InIndexOrder(), "one row per word, in index order");

} // namespace

std::optional<int> WordOfControl(QStringView control)
{
    for (const ParameterWord& row : kWords)
        for (const ParameterControl& c : row.controls)
            if (c.name && control == QLatin1String(c.name))
                return row.index;
    return std::nullopt;
}

double Limited(const EditorLimits& limits, double value)
{
    if (limits.low.active && value < limits.low.beyond)
        return limits.low.becomes;
    if (limits.high.active && value > limits.high.beyond)
        return limits.high.becomes;
    return value;
}

std::span<const ParameterWord> ParameterWords()
{
    return kWords;
}

const ParameterWord& ParameterWordAt(int index)
{
    Q_ASSERT(index >= 0 && index < int(kWords.size()));
    return kWords[size_t(index)];
}

} // namespace zantrel
