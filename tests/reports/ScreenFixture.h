#pragma once

#include "reports/ScreenTexts.h"

#include <QHash>
#include <QSet>

namespace zantrel::test {

// A fixed screen: texts by control name, the chosen index of the load-time list, and
// whether the reducer temperature sensor choice is shown.
struct FixedScreen : ScreenTexts {
    QHash<QString, QString> texts;
    int loadIndex = 0;
    bool reducerSensorShown = true;

    QString Text(QStringView name) const override { return texts.value(name.toString()); }
    int ItemIndex(QStringView) const override { return loadIndex; }
    bool Shown(QStringView name) const override { return name != u"LambaRodzajCzTemp" || reducerSensorShown; }
};

inline FixedScreen InstallationScreen()
{
    FixedScreen s;
    s.texts = {
        {"Caption", "Zantrel - V 1.39 HW 3 SW 10"}, {"Label5", "Urządzenie:"}, {"EditUrzadzenie", "0x03"},
        {"Label7", "Liczba cyl.:"}, {"EditLiczbaCyl", "3-4 cyl."}, {"Label6", "Oprogramowanie:"},
        {"EditOprogramowanie", "d12"}, {"Label8", "Nr seryjny:"}, {"EditSerialNumber", "0x010A"},
        {"TForm5.Label3", "Data Montażu:"}, {"TForm5.DataRokEdit", "2006"}, {"TForm5.DataMiesEdit", "05"},
        {"TForm5.DataDzienEdit", "17"}, {"TForm5.Label1", "Nr rejestracyjny:"}, {"TForm5.NrRejEdit", "WA 1234"},
        {"TForm5.Label10", "Układ Cylindrów:"}, {"TForm5.ComboBox2", "R"}, {"TForm5.Label11", "Liczba Cylindrów:"},
        {"TForm5.ComboBox3", "4"}, {"TForm5.Label6", "Pojemność silnika:"}, {"TForm5.ComboBox1", "1600"},
        {"TForm5.Label18", "Średnica Dysz:"}, {"TForm5.ComboBox4", "2,0"}, {"TForm5.Label7", "Marka:"},
        {"TForm5.MarkaEdit", "Fiat"}, {"TForm5.Label9", "Model:"}, {"TForm5.ModelEdit", "Punto"},
        {"TForm5.Label2", "Montował:"}, {"TForm5.OpisEdit", "Jan\tKowalski\nKraków"},
        {"ParametryF41", "Parametry"}, {"LabelRodzajWtrysku", "Wtryskiwacz"}, {"ComboBoxRodzajWtrysku", "Typ A"},
        {"LabelCewka", "Zapłon"}, {"ComboBoxCewka", "Standard"}, {"LabelMaxInjTime", "Max czas"},
        {"EditParametryMaxInj", "25"}, {"LabelMinimalnyCzasWtrysku", "Min czas"}, {"EditMinimalnyCzasWtrysku", "2,5"},
        {"LabelMinTempPrzel", "Temp."}, {"EditMinTempPrzel", "35"}, {"LabelRPMprzelNaLPG", "Obroty"},
        {"EditRPMprzelNaLPG", "1500"}, {"LabelWspolneCykle", "Cykle"}, {"EditWspolneCykle", "8"},
        {"LabelWzbogacanie", "Wzbog."}, {"EditWzbogacanieMieszanki", "10"}, {"ComboBoxMapa", "Mapa 1"},
        {"SpeedButton2", "Mapa zaawansowana"}, {"LabelPrzesuniecieChar", "Przes."}, {"EditPrzesuniecie", "0,3"},
        {"LabelMaxRPM", "Max obr."}, {"EditMaxRpm", "6000"}, {"ComboBoxMaxRpm", "Wył."},
        {"LabelSzkielkoRezerwy", "Czujnik"}, {"ComboBoxSzkielkoRezerwy", "0-90"},
        {"LabelOdswiezanieOczka", "Odśw."}, {"EditOdswiezanieOczka", "5"}, {"LabelSondaLambda1", "Sonda 1"},
        {"ComboBoxSondaLambda1", "0-1V"}, {"LabelSondaLambda2", "Sonda 2"}, {"ComboBoxSondaLambda2", "Brak"},
        {"LambaRodzajCzTemp", "Czujnik temp."}, {"ComboBoxRodzajCzTemp", "4k7"},
        {"LabelPodcisnienieReduktora", "Podciśn."}, {"ComboBoxPodcisnienieReduktora", "Tak"},
        {"LabelCzasWtryskuPrzyObciazeniu", "Obciąż."}, {"LabelCisnienieWylaczenia", "Ciśn. wył."},
        {"EditCisnienieWylaczenia", "0,6"}, {"LabelCzasPowrotuNaBenz", "Powrót"}, {"EditCzasPowrotuNaBenz", "3"},
        {"LabelCisnienieBeep", "Beep"}, {"EditCisnienieBeep", "0,8"}, {"LabelRozgrzewanieWtryskiwacza", "Rozgrz."},
        {"ComboBoxRozgrzewanieWtryskiwacza", "Tak"}, {"ComboBoxSilaRozgrzewaniaWtrysku", "50%"},
        {"LabelWylOdTemp", "Wył. od temp."}, {"ComboBoxMrozGaz", "-10"}, {"ComboBoxMrozRed", "20"},
        {"LabelOnTimeToInjTime", "Czas on"}, {"EditOnTimeToInjTime", "4"}, {"LabelPelneOtwarcie", "Pełne"},
        {"EditPelneOtwarcie", "1,8"}, {"LabelProcentowePodtrzymanie", "Podtrz."}, {"EditProcentowePodtrzymanie", "40"},
        {"LabelOpoznienieWtryskiwaczy", "Opóźn."}, {"EditOpoznienieWtryskiwaczy", "0,1"},
        {"LabelFiltrowanieCisnienia", "Filtr"}, {"ComboBoxFiltrowanieCisnienia", "Średnie"},
        {"ComboBoxBuzzer", "Brzęczyk"}, {"LabelDodPrzesuniecie", "Korekta"}, {"EditPrzesuniecie2", "0,2"},
        {"LabelDeltaRpm", "Delta"}, {"ComboBoxDeltaRpm", "200"},
    };
    return s;
}

} // namespace zantrel::test
