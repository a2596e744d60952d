#include "app/MenuTable.h"

namespace zantrel {

namespace {

constexpr MenuSpec kMenus[] = {
    {"Plik1", "Plik"},
    {"Port1", "Port"},
    {"Opcje1", "Opcje"},
    {"Komenda1", "Komenda"},
    {"Dodatki1", "Dodatki"},
    {"Rozdzielczosc1", "Rozdzielczość"},
    {"Jezyk1", "Jezyk"},
    {"Pomoc1", "Pomoc"},
};

constexpr unsigned kCheck = kItemCheckable;

constexpr MenuItemSpec kItems[] = {
    {"Plik1", "OdczytajParametryCTRLO1", "Odczytaj Parametry", "Ctrl+O", 0},
    {"Plik1", "ZapiszParametryCTRLS1", "Zapisz Parametry", "Ctrl+S", 0},
    {"Plik1", "Odczytajparametrybezwlstero1", "Odczytaj parametry bez sterownika", "", 0},
    {"Plik1", "ExportDoExcela", "export do excela", "", 0},
    {"Plik1", "OdczytajDemo", "Odczytaj plik demo", "", kItemHidden},

    {"Port1", "AutodetekcjaCTRLD1", "Autodetekcja", "Ctrl+D", 0},
    {"Port1", "COM1CTRL11", "COM1", "Ctrl+F1", kCheck},
    {"Port1", "COM2CTRL21", "COM2", "Ctrl+F2", kCheck},
    {"Port1", "COM3CTRL31", "COM3", "Ctrl+F3", kCheck},
    {"Port1", "COM4CTRL41", "COM4", "Ctrl+F4", kCheck},
    {"Port1", "COM5CTRL51", "COM5", "Ctrl+F5", kCheck},
    {"Port1", "COM6CTRL61", "COM6", "Ctrl+F6", kCheck},
    {"Port1", "COM7CTRL71", "COM7", "Ctrl+F7", kCheck},
    {"Port1", "COM8CTRL81", "COM8", "Ctrl+F8", kCheck},
    {"Port1", "COM_SET", "Ustaw ostatni port", "", 0},

    {"Opcje1", "OdczytyF21", "Odczyty", "F2", 0},
    {"Opcje1", "OscyloskopyF31", "Oscyloskopy", "F3", 0},
    {"Opcje1", "ParametryF41", "Parametry", "F4", 0},
    {"Opcje1", "ZaawansowaneF51", "Zaawansowane", "F5", 0},
    {"Opcje1", "AutoadaptacjaF61", "Autoadaptacja", "F6", 0},
    {"Opcje1", "Mapa1", "Mapa1", "F7", 0},
    {"Opcje1", "MapaInj1", "Mapa Inj", "F8", kItemDisabled},
    {"Opcje1", "DiagnosytkaWtryskiwaczy1", "Diagnosytka Wtryskiwaczy", "F9", 0},
    {"Opcje1", "Fabr1", "Fabr", "", kItemHidden},
    {"Opcje1", "Odczytkonfiguracji1", "Odczyt konfiguracji", "F10", 0},

    {"Komenda1", "PrzecznaBenzyn1", "Przelacz na Benzyne", "Ctrl+P", 0},
    {"Komenda1", "PrzecznaAutomat1", "Przelacz na Automat", "Ctrl+A", 0},
    {"Komenda1", "PrzecznaLPG1", "Przelacz na LPG", "Ctrl+L", 0},
    {"Komenda1", "przelacznikbg", "przelacznik b/g", "Space", kItemHidden},
    {"Komenda1", "OdczytajKodyBdw1", "Odczytaj Kody Bledów", "Ctrl+B", 0},
    {"Komenda1", "KasujKodyBdw1", "Kasuj Kody Bledów", "Ctrl+E", 0},

    {"Dodatki1", "spacjaprzelaczabg1", "<spacja> przejscie b/g", "", kCheck | kItemChecked},
    {"Dodatki1", "OdczytajCzasPracy1", "Odczytaj Czas Pracy Sterownika", "Ctrl+T", 0},
    {"Dodatki1", "OdczytajDaneSamochodu1", "Odczytaj Dane Samochodu Ze Sterownika", "", kItemHidden},
    {"Dodatki1", "ZapiszDaneAuta1", "Zapisz Dane Samochodu do Sterownika", "", 0},
    {"Dodatki1", "ResetSystemu2", "Przywróc Ustawienia Fabryczne Sterownika", "", 0},
    {"Dodatki1", "slupkiwtrysku", "pokaz slupki wtrysku", "", kCheck},

    {"Rozdzielczosc1", "N640x4801", "800x600", "", kCheck},
    {"Rozdzielczosc1", "N1024x7681", "1024x768", "", kCheck},
    {"Rozdzielczosc1", "N1280x10241", "1280x1024", "", kCheck},

    {"Jezyk1", "Angielski1", "angielski", "", kCheck},
    {"Jezyk1", "Niemiecki1", "niemiecki", "", kCheck},
    {"Jezyk1", "Polski1", "polski", "", kCheck},
    {"Jezyk1", "Rosyjski1", "rosyjski", "", kCheck},
    {"Jezyk1", "Litewski1", "litewski (lt)", "", kCheck | kItemHidden},
    {"Jezyk1", "Wloski1", "wloski", "", kCheck | kItemHidden},
    {"Jezyk1", "Serbski1", "serbski", "", kCheck},
    {"Jezyk1", "Chorwacki1", "chorwacki", "", kCheck},
    {"Jezyk1", "Rumunski1", "rumunski", "", kCheck | kItemHidden},
    {"Jezyk1", "Bulgarski1", "bulgarski", "", kCheck},
    {"Jezyk1", "Turecki1", "turecki", "", kCheck | kItemHidden},
    {"Jezyk1", "Francuski1", "francuski", "", kCheck},
    {"Jezyk1", "Hiszpanski1", "Hiszpanski", "", kCheck},

    {"Pomoc1", "Help1", "Pomoc", "Ctrl+H", 0},
};

} // namespace

std::span<const MenuSpec> MainMenus()
{
    return kMenus;
}

std::span<const MenuItemSpec> MainMenuItems()
{
    return kItems;
}

} // namespace zantrel
