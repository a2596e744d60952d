#include "base/LanguageStrings.h"

#include "base/EnumTable.h"

namespace zantrel {

namespace {

struct TextRow {
    Text key;
    int id; // 0: not replaceable
    const char* polish;
};

// One row per string, in the order of Text.
constexpr TextRow kRows[] = {
    {Text::ProgramName, 0, "Zantrel - "},
    {Text::VersionText, 0, "V 1.39 "},
    {Text::ApplicationTitle, 0, "Zantrel"},
    {Text::UnknownException, 13030, "Nieznany błąd"},
    {Text::PortAlreadyOpen, 10080, "Port juz otwarty"},
    {Text::NoController, 10081, "brak sterownika"},
    {Text::PortBusy, 10082, "Port zajęty"},
    {Text::FileOperationFailed, 12000, "Nie można wykonać operacji na pliku"},
    {Text::ResetQuestion, 12001, "Czy dokonać resetu ustawień?"},
    {Text::ResetCaption, 12002, "Reset Ustawień"},
    {Text::AutodetectQuestion, 12003,
     "Zantrel - Połącz Automatycznie (Autodetekcja portu + łączenie) 'CTRL + D'"},
    {Text::FillAllFields, 12004, "Proszę wypełnić wszystkie pola"},
    {Text::NoConnection, 12005, "Brak połączenia"},
    {Text::FileTooShort, 12006, "Plik jest za krótki"},
    {Text::Error, 12050, "Błąd"},
    {Text::Working, 12051, "Sprawny"},
    {Text::ComError, 12052, "Com błąd"},
    {Text::EcuError, 12053, "ECU błąd"},
    {Text::ErrorsPresent, 12054, "Wystąpiły Błędy ! :"},
    {Text::StoredErrors, 12055, "Stare Zapamiętane BŁĘDY:"},
    {Text::NoErrors, 12056, "Brak Błędów"},
    {Text::Status, 10114, "Status"},
    {Text::ErrorLowPressure, 12057, "1: Za niskie cisnienie reduktora lub pusty zbiornik"},
    {Text::ErrorHighPressure, 12058, "2: Za wysokie cisnienie reduktora"},
    {Text::ErrorPressureSensorShorted, 12059, "3: Czujnik cisnienia zwarty do masy"},
    {Text::ErrorPressureSensorOpen, 12060, "4: Czujnik cisnienie odłączony lub wysokie cisnienie reduktora"},
    {Text::ErrorReducerSensorShorted, 12061, "5: Czujnik temp. reduktora zwarty"},
    {Text::ErrorReducerSensorOpen, 12062, "6: Czujnik temperatury reduktora rozwarty"},
    {Text::ErrorGasSensorShorted, 12063, "7: Czujnik temperatury LPG zwarty"},
    {Text::ErrorGasSensorOpen, 12064, "8: Czujnik temperatury LPG rozwarty"},
    {Text::ErrorGasTooCold, 12065, "9: Zbyt niska temperatura gazu"},
    {Text::ErrorReducerTooCold, 12066, "10: Zbyt niska temperatura reduktora"},
    {Text::ErrorGasInjector, 12067, "11: Wtryskiwacz Gazowy Uszkodzony:"},
    {Text::ErrorPetrolSignal, 12068, "12: Brak Sygnału wtryskiwacza Benzynowego:"},
    {Text::ErrorPetrolInjector, 12069, "12: Wtryskiwacz Benzynowy Uszkodzony:"},
    {Text::None, 13000, "Brak"},
    {Text::NoData, 13001, "Brak Danej"},
    {Text::Lpg, 13004, "LPG"},
    {Text::Petrol, 13005, "BENZYNA"},
    {Text::FuelPetrol, 10122, "Benzyna"},
    {Text::FuelGas, 10123, "Gaz"},
    {Text::InjectorOn, 10604, "Włączony"},
    {Text::InjectorOff, 10605, "Wyłączony"},
    {Text::InjectorsOffWarning, 10606, "Uwaga wtryskiwacz(e)"},
    {Text::InjectorsOffQuestion, 10607, "zostały wyłączone, kontynuować"},
    {Text::SaveParametersQuestion, 13006, "Czy zachować parametry w pliku??"},
    {Text::SaveParametersCaption, 13007, "Zapis Parametrów"},
    {Text::NotProgrammed, 13008, "Sterownik nie był wcześniej programowany, należy dokonać resetu!!"},
    {Text::NotProgrammedCaption, 13009, "Reset Pamięci sterownika"},
    {Text::AutodetectCaption, 13010, "Autodetekcja"},
    {Text::RecommendedNozzles, 13012, "Zalecane dysze wtryskiwaczy "},
    {Text::LeaveAdaptationQuestion, 13013, "Wyjść z autoadaptacji ?"},
    {Text::SetPort, 15008, "Ustaw port: "},
    {Text::RecordHint, 15002, "Zapisz"},
    {Text::PauseHint, 15003, "Pauzuj"},
    {Text::StopHint, 15004, "Zatrzymaj"},
    {Text::RecordingLabel, 15005, "[Rejestracja:"},
    {Text::RecordingPausedLabel, 15006, "[Pauza:"},
    {Text::SettingsUnwritable, 13031, "Nie można zapisać ustawień: %1"},
    {Text::SettingsDamaged, 13032, "Ustawienia są uszkodzone, przyjęto domyślne: %1"},
    {Text::HelpMissing, 13033, "Brak pliku pomocy: %1"},
    {Text::ParametersShown, 13034, "Param."},
    {Text::NotANumber, 13035, "\"%1\" nie jest poprawną liczbą. Wartość nie została zapisana."},
    {Text::ParametersPartlyRead, 13036, "Odczytano %1 z %2 parametrów"},
    {Text::PortLostRetrying, 13037, "Port %1 zniknął - ponawiam połączenie"},
    {Text::Reconnected, 13038, "Połączono ponownie (%1)"},
    {Text::PetrolTimeHeading, 12080, "Czas pracy na benzynie:"},
    {Text::Days, 12081, "Doby:"},
    {Text::Hours, 12082, "Godziny:"},
    {Text::Minutes, 12083, "Minuty:"},
    {Text::Seconds, 12084, "Sekundy:"},
    {Text::GasShare, 12085, "Procentowy czas pracy na gazie:"},
    {Text::PetrolShare, 12086, "Procentowy czas pracy na benzynie:"},
    {Text::GasTimeHeading, 12087, "Czas pracy na gazie:"},
    {Text::CounterNotRead, 13039, "brak odpowiedzi sterownika, licznik nie został odczytany"},
    {Text::CarDataQuestion, 13002, "Nie Zapisano Danych Samochodu!!! Czy zrobić to teraz ??"},
    {Text::CarDataQuestionCaption, 13003, "Zapisz Dane Samochodu"},
    {Text::EnterYear, 13040, "Wpisz Rok (4 cyfry)"},
    {Text::EnterMonth, 13041, "Wpisz Miesiąc (2 cyfry)"},
    {Text::EnterDay, 13042, "Wpisz dzień (2 cyfry)"},
    {Text::CarDataTooLong, 13043, "Pole \"%1\" mieści najwyżej %2 znaków. Dane samochodu nie zostały zapisane."},
    {Text::CarDataCharacter, 13044,
     "Znaku \"%1\" w polu \"%2\" nie można zapisać w sterowniku. Dane samochodu nie zostały zapisane."},
    {Text::MapPointsPhase, 13045, "Mapa 1"},
    {Text::MapCellsPhase, 13046, "Mapa 1p"},
    {Text::MapCurvePhase, 13047, "Mapa 2"},
    {Text::MapsPartlyRead, 13048, "Mapy: nie odczytano %1 z %2 pozycji, pozostały poprzednie wartości"},
    {Text::MapValueNotANumber, 13049, "\"%1\" nie jest liczbą całkowitą. Mapa nie została zmieniona."},
    {Text::MapPointNotANumber, 13050, "\"%1\" nie jest poprawną liczbą. Punkty charakterystyki nie zostały zmienione."},
    {Text::MapBlockEmpty, 13051, "Schowek nie zawiera wartości mapy. Mapa nie została zmieniona."},
    {Text::MapBlockNotANumber, 13052,
     "W schowku \"%3\" (wiersz %1, kolumna %2) nie jest liczbą. Mapa nie została zmieniona."},
    {Text::MapBlockRagged, 13053,
     "W schowku wiersz %1 ma inną liczbę wartości niż pierwszy. Mapa nie została zmieniona."},
    {Text::MapBlockTooLarge, 13054, "Blok %1 × %2 nie mieści się w mapie od tej komórki. Mapa nie została zmieniona."},
    {Text::MapPairsNotStored, 13055, "Mapa: %1 par komórek nie zapisano w banku mapy, komórka sąsiednia nie odpowiada"},
    {Text::MapShortcuts, 10567, "Ctrl+C kopiuj, Ctrl+V wklej, Ctrl+Z cofnij, Ctrl+Y ponów"},
    // Reports: the configuration report and the spreadsheet export
    {Text::ReportHardware, 12100, "Konfiguracja sprzętowa:"},
    {Text::ReportProgramVersion, 12101, "Wersja programu PC:"},
    {Text::ReportCarData, 12102, "Dane samochodu:"},
    {Text::ReportDescription, 12103, "Opis Dodatkowy:"},
    {Text::ReportUnitRpm, 16000, "[obr./min]"},
    {Text::ReportUnitCycles, 16001, "[cykle]"},
    {Text::ReportUnitSeconds, 16003, "[sek]"},
    {Text::ReportGas, 16004, "gazu"},
    {Text::ReportReducer, 16005, "reduktora"},
    {Text::ReportPage, 13056, "Strona %1 z %2"},
    {Text::ReportCharacterMissing, 13057, "Znaku \"%1\" nie można zapisać w pliku. Plik nie został zapisany."},
    // Auto-adaptation
    {Text::AdaptIdleInstruction, 10500,
     "Włącz odbiorniki w aucie takie jak: nadmuch powietrza, światła - aby lekko obciążyć silnik. Następnie "
     "naciśnij przycisk START."},
    {Text::AdaptStart, 10501, "START"},
    {Text::AdaptAbort, 10502, "PRZERWIJ"},
    {Text::AdaptWaitReducer, 10503, "Czekaj aż reduktor osiągnie 50 Stopni Celsjusza"},
    {Text::AdaptReducerReached, 10504, "Osiągnięto temperaturę"},
    {Text::AdaptSwitchToPetrol, 10505, "Przełącz na benzynę"},
    {Text::AdaptStabPedal, 10506,
     "Wciskaj gwałtownie i puszczaj pedał gazu. Powtarzaj tą czynność aż do następnej komendy."},
    {Text::AdaptRaiseSpeed, 10507, "Proszę zwiększyć obroty powyżej 1500"},
    {Text::AdaptSwitchToGas, 10508, "Przełącz na gaz"},
    {Text::AdaptHoldSpeed, 10509,
     "Ustaw obroty silnika pomiędzy 2500-2700 obr/min i nie zmieniaj obciążenia aż do zakończenia autoadaptacji"},
    {Text::AdaptFinished, 10510, "Autoadaptacja została zakończona"},
    {Text::AdaptNoPetrolLoad, 10511,
     "Nie zmierzono czasu wtrysku benzyny (obciążenie na benzynie 0 ms). Autoadaptacja została przerwana, "
     "niczego nie zapisano."},
    {Text::AdaptLinkLost, 10512, "Brak odpowiedzi sterownika - autoadaptacja czeka na dane"},
    {Text::AdaptUndo, 10513, "Cofnij"},
    {Text::AdaptPetrolLoadLabel, 10514, "obciazenie na benzynie"},
    {Text::AdaptGasLoadLabel, 10515, "obciazenie na gazie"},
    {Text::AdaptPressureMaxLabel, 10516, "maksymalne cisnienie gazu"},
    {Text::AdaptPetrolSteadyLabel, 10517, "czas wtrysku benzyny na biegu jalowym"},
    {Text::AdaptGasSteadyLabel, 10518, "czas wtrysku gazu na biegu jalowym"},
    {Text::AdaptPressureMinLabel, 10519, "minimalne cisnienie gazu"},
    {Text::AdaptSteadyDifferenceLabel, 10520, "Korekta czasu wtrysku na biegu jalowym"},
    {Text::AdaptCorrectionLabel, 10521, "korekta"},
    {Text::AdaptWritesIncomplete, 10522,
     "Zapis wyników autoadaptacji nie został ukończony - sprawdź połączenie i odczytaj parametry."},
    {Text::AdaptNothingToUndo, 10523, "Brak zapisanej autoadaptacji do cofnięcia."},
    // Parameter files and injector presets
    {Text::ParameterWordLabel, 13020, "Parametr %1"},
    {Text::FileCompareCaption, 13021, "Zmiany w sterowniku"},
    {Text::FileSameAsController, 13022, "Plik nie różni się od ustawień sterownika."},
    {Text::FileWordDifference, 13023, "%1: sterownik %2, plik %3"},
    {Text::FileMapDifferences, 13024, "Mapa: różnych komórek %1, punktów osi %2, punktów krzywej %3"},
    {Text::WriteToController, 13025, "Zapisz do sterownika"},
    {Text::CancelButton, 13026, "Anuluj"},
    {Text::FileLoadStopped, 13027,
     "Zapis pliku do sterownika przerwany: sterownik ma tylko część konfiguracji z pliku"},
    {Text::InjectorSettingsCaption, 13028, "Ustawienie wtryskiwaczy"},
    // Temperature enrichment map and emission settings
    {Text::TemperatureTableNotRead, 13080,
     "Tabela temperaturowa nie została odczytana w całości: pola bez odpowiedzi pokazują poprzednie wartości."},
    {Text::TemperatureNotANumber, 13081, "\"%1\" nie jest liczbą całkowitą. Tabela temperaturowa nie została zapisana."},
    {Text::TemperatureFixValue, 13082, "Popraw wartosc"},
    {Text::TemperatureSwitchNotWritten, 13083,
     "Parametry nie zostały odczytane: tabela zapisana, przełącznik mapy temperaturowej nie."},
    {Text::TemperatureRangeHelp, 13084, "Opis Zakres temperatur"},
    {Text::TemperatureSwitchHelp, 13085, "Opis ParComboBoxMapaTemp"},
    {Text::EmissionBlockNotRead, 13086,
     "Blok emisji nie został odczytany w całości: pola bez odpowiedzi pokazują poprzednie wartości."},
    {Text::EmissionNotANumber, 13087, "\"%1\" nie jest poprawną liczbą. Blok emisji nie został zapisany."},
    {Text::EmissionSwitchesNotWritten, 13088,
     "Parametry nie zostały odczytane: blok emisji zapisany, przełączniki słowa 47 nie."},
    {Text::EmissionHelpLambdaUpper, 11100, "Opis Reakcja na lambda - prog gorny"},
    {Text::EmissionHelpLambdaLower, 11101, "Opis Reakcja na lambda - prog dolny"},
    {Text::EmissionHelpRiseUp, 11102, "Opis Szybkosc narastania - gora"},
    {Text::EmissionHelpRiseDown, 11103, "Opis Szybkosc narastania - dol"},
    {Text::EmissionHelpTimeUp, 11104, "Opis Czas trwania korekty - gora"},
    {Text::EmissionHelpTimeDown, 11105, "Opis Czas trwania korekty - dol"},
    {Text::EmissionHelpMaxCorrection, 11106, "Opis Maksimum i min korekty - max"},
    {Text::EmissionHelpMinCorrection, 11107, "Opis Maksimum i min korekty - min"},
    {Text::EmissionHelpLoadMax, 11108, "Opis Obciazenie - max"},
    {Text::EmissionHelpLoadMin, 11109, "Opis Obciazenie - min"},
    {Text::EmissionHelpRpmMax, 11110, "Opis Obr/min - max"},
    {Text::EmissionHelpRpmMin, 11111, "Opis Obr/min - min"},
    {Text::EmissionHelpInertialFilter, 11112, "Opis Filtr inercyjny"},
    {Text::EmissionHelpLambdaOk, 11113, "Opis Lambda ok"},
    {Text::EmissionHelpSlowCorrection, 11114, "Opis wolnozmienna "},
    {Text::EmissionHelpRpmLimitation, 11115, "Opis Ograniczenia RPM"},
    {Text::EmissionHelpLoadLimitation, 11116, "Opis Ograniczenia od wtrysku"},
    {Text::DescriptionPrompt, 11043, "Wybierz parametr aby zobaczyć jego opis."},
    // The reserve sensor lists: the LPG list and the last LPG item first in the CNG list
    {Text::ReserveLpg1, 10373, "20kR"},
    {Text::ReserveLpg2, 10374, "90R"},
    {Text::ReserveLpg3, 10375, "Rezerwa"},
    {Text::ReserveOwnDefinition, 10376, "Wlasna Definicja"},
    {Text::LanguageLineBroken, 13058,
     "Plik języka %1: wiersz %2 nie zaczyna się od pięciocyfrowego numeru; dalsze wiersze pominięto."},
    {Text::LowRpmFilterNotANumber, 13089, "\"%1\" nie jest poprawną liczbą. Filtr nie został zapisany."},
};

static_assert(RowsFollowEnumOrder(kRows, &TextRow::key, Text::Count), "one row per Text, in enum order");

struct AliasRow {
    int id;
    Text key;
};

// Second ids of a string: the report and the export each had their own copy of these
// units, and a language file may name either.
constexpr AliasRow kAliases[] = {
    {16002, Text::ReportUnitRpm},
    {16006, Text::ReportUnitSeconds},
};

} // namespace

LanguageStrings::LanguageStrings()
{
    for (const TextRow& row : kRows)
        texts_[std::size_t(row.key)] = QString::fromUtf8(row.polish);
}

bool LanguageStrings::SetById(int id, const QString& text)
{
    if (id < kFirstLanguageId || id > kLastLanguageId)
        return false;
    if (id >= kFirstDescriptionId && id <= kLastDescriptionId) {
        replacements_[id] = text;
        return true;
    }
    bool found = false;
    for (const TextRow& row : kRows) {
        if (row.id == id) {
            texts_[std::size_t(row.key)] = text;
            found = true;
        }
    }
    for (const AliasRow& alias : kAliases) {
        if (alias.id == id) {
            texts_[std::size_t(alias.key)] = text;
            found = true;
        }
    }
    return found;
}

const QString* LanguageStrings::Replacement(int id) const
{
    const auto found = replacements_.find(id);
    return found == replacements_.end() ? nullptr : &found->second;
}

std::vector<LanguageStringId> LanguageStringIds()
{
    std::vector<LanguageStringId> ids;
    for (const TextRow& row : kRows)
        if (row.id != 0)
            ids.push_back({row.id, row.key});
    for (const AliasRow& alias : kAliases)
        ids.push_back({alias.id, alias.key});
    return ids;
}

QString BaseCaption(const LanguageStrings& texts)
{
    return texts[Text::ProgramName] + texts[Text::VersionText];
}

} // namespace zantrel
