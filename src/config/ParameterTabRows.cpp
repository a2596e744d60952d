#include "config/ParameterTabRows.h"

#include "config/ParameterWords.h"

#include <optional>

namespace zantrel {

namespace {

constexpr const char* kRpm = "[obr./min]";
constexpr const char* kMs = "[ms]";
constexpr const char* kSeconds = "[sek.]";
constexpr const char* kBar = "[bar]";

// In focus order: Tab, Enter and the page keys go from row to row.
constexpr LayoutRow kParametersTab[] = {
    {LayoutKind::Column, ""},
    {LayoutKind::Group, "GroupBoxWtryskiwacze", "Wtryskiwacze i zapłon"},
    {LayoutKind::List, "ComboBoxRodzajWtrysku", "Rodzaj wtryskiwacza gazowego"},
    {LayoutKind::Beside, "ButtonRodzajWtryskiwaczy", "USTAW"},
    {LayoutKind::Button, "ButtonDyszki", "zalecane dysze"},
    {LayoutKind::List, "ComboBoxCewka"},
    {LayoutKind::List, "EditCzasWtryskuPrzyObciazeniu"},
    {LayoutKind::Group, "GroupBoxPrzejscie", "Przejście na gaz"},
    {LayoutKind::Edit, "EditMinTempPrzel", nullptr, "[°C]"},
    {LayoutKind::List, "ComboBoxDeltaObrotow"},
    {LayoutKind::Edit, "EditRPMprzelNaLPG", nullptr, kRpm},
    {LayoutKind::Edit, "EditWspolneCykle", nullptr, "[cykle]"},
    {LayoutKind::Edit, "EditWzbogacanieMieszanki", nullptr, "[%]"},
    {LayoutKind::Edit, "EditPrzesuniecie", nullptr, kMs},
    {LayoutKind::Column, ""},
    {LayoutKind::Group, "GroupBoxMaxRpm", "Maksymalne obroty"},
    {LayoutKind::List, "ComboBoxMaxRpm", "Funkcja maksymalnych obrotów"},
    {LayoutKind::Edit, "EditMaxRpm", nullptr, kRpm},
    {LayoutKind::Group, "GroupBoxTurbo", "Turbo"},
    {LayoutKind::List, "ComboBoxTURBO", "Silnik"},
    {LayoutKind::Beside, "ButtonTURBO", "USTAW"},
    {LayoutKind::Group, "GroupBoxZbiornik", "Paliwo i zbiornik"},
    {LayoutKind::List, "ComboBoxCNGLPG", "Rodzaj paliwa"},
    {LayoutKind::List, "ComboBoxSzkielkoRezerwy", "Czujnik rezerwy"},
    {LayoutKind::Beside, "ButtonSzkielkoDefiniuj", "USTAW"},
    {LayoutKind::Edit, "EditOdswiezanieOczka", nullptr, kSeconds},
    {LayoutKind::Group, "GroupBoxSondy", "Sondy lambda"},
    {LayoutKind::List, "ComboBoxSondaLambda1"},
    {LayoutKind::List, "ComboBoxSondaLambda2"},
    {LayoutKind::Memo, "MemoOpisParametru"},
    {LayoutKind::Partner, "PanelQuillon"},
    {LayoutKind::Edit, "EditCisnienieWylaczeniaQuillon", nullptr, kBar},
    {LayoutKind::Edit, "EditCzasPowrotuNaBenzQuillon", nullptr, kSeconds},
    {LayoutKind::List, "ComboBoxMaxRpmQuillon", "Funkcja maksymalnych obrotów"},
    {LayoutKind::Edit, "EditMaxRpmQuillon", nullptr, kRpm},
    {LayoutKind::List, "ComboBoxTURBOQuillon", "Silnik"},
    {LayoutKind::Beside, "ButtonTURBOQuillon", "USTAW"},
};

constexpr LayoutRow kAdvancedTab[] = {
    {LayoutKind::Column, ""},
    {LayoutKind::Group, "GroupBoxCisnienie", "Ciśnienie gazu"},
    {LayoutKind::List, "ComboBoxPodcisnienieReduktora", "Podciśnienie reduktora"},
    {LayoutKind::Edit, "EditCisnienieWylaczenia", nullptr, kBar},
    {LayoutKind::Edit, "EditCzasPowrotuNaBenz", nullptr, kSeconds},
    {LayoutKind::Edit, "EditCisnienieBeep", nullptr, kBar},
    {LayoutKind::List, "ComboBoxFiltrowanieCisnienia"},
    {LayoutKind::Group, "GroupBoxPrzelaczanie", "Przełączanie i zabezpieczenia"},
    {LayoutKind::Edit, "EditOnTimeToInjTime", nullptr, kSeconds},
    {LayoutKind::List, "ComboBoxDeltaRpm"},
    {LayoutKind::List, "ComboBoxBuzzer", "Sygnał zmiany paliwa"},
    {LayoutKind::List, "ComboBoxMrozGaz"},
    {LayoutKind::List, "ComboBoxMrozRed"},
    {LayoutKind::List, "ComboBoxRodzajCzTemp", "Czujnik temp. reduktora"},
    {LayoutKind::List, "ComboBoxSpuscPsys", "Zawór upustowy"},
    {LayoutKind::Check, "CheckBoxLpgStart", "Start na gazie"},
    {LayoutKind::Column, ""},
    {LayoutKind::Group, "GroupBoxWtryskiwaczeGazowe", "Wtryskiwacze gazowe"},
    {LayoutKind::Edit, "EditParametryMaxInj", nullptr, kMs},
    {LayoutKind::Edit, "EditMinimalnyCzasWtrysku", nullptr, kMs},
    {LayoutKind::Edit, "EditPelneOtwarcie", nullptr, kMs},
    {LayoutKind::Edit, "EditProcentowePodtrzymanie", nullptr, "[%]"},
    {LayoutKind::Edit, "EditOpoznienieWtryskiwaczy", nullptr, kMs},
    {LayoutKind::Button, "PoprawkiButton", "Korekta na wtryskiwacz"},
    {LayoutKind::Column, ""},
    {LayoutKind::Group, "GroupBoxSterowanie", "Sterowanie wtryskiem"},
    {LayoutKind::List, "ComboBoxMocnoZaawansowane"},
    {LayoutKind::List, "ComboBoxAlgorytm", "Algorytm sterowania"},
    {LayoutKind::Group, "GroupBoxRozgrzWtr", "Rozgrzewanie wtryskiwaczy"},
    {LayoutKind::List, "ComboBoxRozgrzewanieWtryskiwaczaTervo", "Rozgrzewanie"},
    {LayoutKind::List, "ComboBoxSilaRozgrzewaniaWtryskuTervo"},
    {LayoutKind::Edit, "EditTempRozgrz"},
    {LayoutKind::Edit, "EditCzasRozgrz"},
    {LayoutKind::Edit, "EditInjRozgrz"},
    {LayoutKind::List, "ComboBoxRozgrzewanieWtryskiwacza", "Rozgrzewanie"},
    {LayoutKind::List, "ComboBoxSilaRozgrzewaniaWtrysku"},
    {LayoutKind::Group, "GroupBoxSygnaly", "Sygnały wejściowe"},
    {LayoutKind::Edit, "EditMultiRpmPower"},
    {LayoutKind::List, "ComboBoxSygnalObrotow", "Poziom sygnału obrotów"},
    {LayoutKind::Edit, "EditSignalInj"},
    {LayoutKind::Memo, "MemoOpisZaawansowanych"},
};

// Labels named otherwise than "Label" followed by the control's name without its kind.
struct LabelName {
    const char* control;
    const char* label;
};

constexpr LabelName kLabelNames[] = {
    {"EditWzbogacanieMieszanki", "LabelWzbogacanie"},
    {"ComboBoxMrozGaz", "LabelWylOdTemp"},
    {"ComboBoxMrozRed", "LabelWylOdTemp2"},
    {"ComboBoxRodzajCzTemp", "LambaRodzajCzTemp"},
    {"ComboBoxMaxRpm", "LabelMaxRpmFunkcja"},
    {"ComboBoxMaxRpmQuillon", "LabelMaxRpmFunkcjaQuillon"},
};

constexpr StartState kStartStates[] = {
    {"EditWzbogacanieMieszanki", false, false},
    {"ComboBoxPodcisnienieReduktora", true, false},
    {"ButtonDyszki", false, true},
    {"ButtonRodzajWtryskiwaczy", false, true},
    {"ButtonSzkielkoDefiniuj", false, true},
    {"ButtonTURBO", false, true},
    {"ComboBoxRozgrzewanieWtryskiwacza", false, true},
    {"ComboBoxSilaRozgrzewaniaWtrysku", false, true},
    {"ComboBoxMrozGaz", false, true},
    {"ComboBoxMrozRed", false, true},
    {"ComboBoxFiltrowanieCisnienia", false, true},
    {"ComboBoxDeltaRpm", false, true},
};

// The label the index table gives the control.
QString tableLabelOf(const char* control)
{
    const QString name = QString::fromLatin1(control);
    if (const std::optional<int> word = WordOfControl(name))
        for (const ParameterControl& c : ParameterWordAt(*word).controls)
            if (c.name && name == QLatin1String(c.name))
                return QString::fromUtf8(c.label);
    return {};
}

} // namespace

std::span<const LayoutRow> ParametersTabRows()
{
    return kParametersTab;
}

std::span<const LayoutRow> AdvancedTabRows()
{
    return kAdvancedTab;
}

std::span<const StartState> StartStates()
{
    return kStartStates;
}

QString LabelNameOf(const char* control)
{
    for (const LabelName& l : kLabelNames)
        if (qstrcmp(l.control, control) == 0)
            return QString::fromLatin1(l.label);
    QString name = QString::fromLatin1(control);
    for (const char* kind : {"ComboBox", "Edit", "CheckBox"})
        if (name.startsWith(QLatin1String(kind)))
            return QStringLiteral("Label") + name.mid(qsizetype(qstrlen(kind)));
    return QStringLiteral("Label") + name;
}

QString LabelTextOf(const LayoutRow& row)
{
    return row.text ? QString::fromUtf8(row.text) : tableLabelOf(row.name);
}

QString LabelCaption(QStringView labelName)
{
    for (const std::span<const LayoutRow> rows : {ParametersTabRows(), AdvancedTabRows()})
        for (const LayoutRow& row : rows)
            if ((row.kind == LayoutKind::Edit || row.kind == LayoutKind::List) && LabelNameOf(row.name) == labelName)
                return LabelTextOf(row);
    return {};
}

} // namespace zantrel
