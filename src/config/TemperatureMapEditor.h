#pragma once

#include <QObject>
#include <QtGlobal>

namespace zantrel {

class ControllerImage;
class EditorScreen;
class LanguageStrings;
class LinkGate;
class Prompter;
struct TemperatureTable;

// The tab "Mapa temperaturowa": reads the temperature enrichment table into the image
// and its edits ("Czytaj", also on every visit of the tab), writes the edits and the
// map switch (bit 6 of word 47) as one job ("Zapisz Zmiany"), writes the fuel's reset
// values ("RESET"), and applies the limits of its edits when they are left.
class TemperatureMapEditor {
public:
    static constexpr const char* kSwitch = "ComboBoxMapaTemp";
    // Where the tab says that a read did not get every entry or that word 47 stayed out.
    static constexpr const char* kStatus = "LabelMapaTempStan";

    TemperatureMapEditor(ControllerImage& image, LinkGate& gate, EditorScreen& screen, Prompter& prompter,
                         const LanguageStrings& texts);

    // False when another job holds the link (nothing is sent).
    bool Read();
    // Nothing is sent when an edit holds no whole number: the user is told which.
    bool Save();
    bool Reset();
    void ExitPoint(const char* edit);
    // True when the text was refused (the user is told, the edit shows "0").
    bool ExitCorrection(const char* edit);
    // The fuel's points into the program's copy and the edits; nothing is written.
    void LoadFuelPreset(quint32 fuel);

private:
    void show(const TemperatureTable& table);
    void selectSwitch();

    ControllerImage& image_;
    LinkGate& gate_;
    EditorScreen& screen_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    // The jobs of this editor end with it.
    QObject lifetime_;
};

} // namespace zantrel
