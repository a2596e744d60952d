#pragma once

#include "service/FuelModeIndicator.h"

#include <QColor>
#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QPalette;

namespace zantrel {

class BarGauge;
class FuelButton;
class LanguageStrings;
class Led;
struct LambdaScale;
struct LiveViewModel;

// The colour of a fuel button face; the menu colour comes from the palette.
QColor FuelFaceColour(FuelFace face, const QPalette& palette);

// The panel above all tabs: fuel state and link status, the fuel toggle and the three
// fuel buttons (hidden in this edition), the error lamp, and the engine's main readings.
class StatusPanel final : public QFrame {
    Q_OBJECT
public:
    explicit StatusPanel(const LanguageStrings& texts, QWidget* parent = nullptr);

    QLineEdit* EditStatus = nullptr;
    FuelButton* BG_Brisca = nullptr;
    FuelButton* ButtonBenzyna = nullptr;
    FuelButton* ButtonAutomat = nullptr;
    FuelButton* ButtonLPG = nullptr;
    Led* AbLEDError = nullptr;
    QLineEdit* EditRPM = nullptr;
    QLineEdit* EditCisnienie = nullptr;
    QLineEdit* EditInjBenz = nullptr;
    QLineEdit* EditInjLpg = nullptr;
    QLineEdit* EditKorekta = nullptr;
    QLineEdit* EditTR = nullptr;
    QLineEdit* EditTG = nullptr;
    std::array<QLabel*, 2> LabelL{};
    std::array<BarGauge*, 2> AbVBarPanelSonda{};
    std::array<QLineEdit*, 2> EditAbVBarSonda{};

    void Show(const LiveViewModel& view, const LanguageStrings& texts);
    // Probe 0 or 1: its bar's range, and whether its displays are shown.
    void ShowLambdaProbe(int probe, const LambdaScale& scale, const LanguageStrings& texts);
    // The faces of the fuel buttons and the toggle; the fuel commands paint them at once.
    void ShowFuelFaces(const FuelModeDisplay& fuel);
    // The toggle's and the lamp's captions in the current texts, after a language change.
    void RefreshTexts(const LanguageStrings& texts);

private:
    // What the last record showed, to say it again in another language.
    Text toggleOnText_ = Text::FuelPetrol;
    Text lampCaption_ = Text::Working;
};

} // namespace zantrel
