#pragma once

#include "live/LiveViewModel.h"

#include <QObject>

#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace zantrel {

class BarGauge;
class LanguageStrings;
class RoundGauge;
class TankPicture;
class Thermometer;

// The readings tab: engine speed and gas pressure meters, the injection times of the
// eight cylinders with their bars, temperatures, lambda probes and the gas level.
class ReadingsTab final : public QObject {
    Q_OBJECT
public:
    // Builds the controls on `page`, which owns them.
    explicit ReadingsTab(QWidget* page);

    // The colour sectors of the reducer pressure gauge for a fuel (0 LPG, 1 CNG): thirds
    // of the scale for LPG, 0.4 and 0.7 of it for CNG.
    void ShowFuelPressureSectors(quint32 fuel);

    RoundGauge* Ab270MeterRPM = nullptr;
    QLineEdit* EditAb270MeterRPM = nullptr;
    RoundGauge* ManometrPsys = nullptr;
    QLineEdit* EditManometrPsys = nullptr;
    QGroupBox* GroupCzasy = nullptr;
    std::array<QLineEdit*, live::kCylinders> EditB{};
    std::array<QLineEdit*, live::kCylinders> EditG{};
    std::array<BarGauge*, live::kCylinders> VBarB{};
    std::array<BarGauge*, live::kCylinders> VBarG{};
    QLineEdit* EditB1Max = nullptr;
    QLineEdit* EditG1Max = nullptr;
    QGroupBox* GroupReduktor = nullptr;
    Thermometer* AbThermometerRed = nullptr;
    QLineEdit* EditOdczytyTempR = nullptr;
    QGroupBox* GroupGaz = nullptr;
    Thermometer* AbThermometerLPG = nullptr;
    QLineEdit* EditOdczytyTempLPG = nullptr;
    std::array<QGroupBox*, kLambdaProbes> GroupLambda{};
    std::array<BarGauge*, kLambdaProbes> LambdaBar{};
    std::array<QLineEdit*, kLambdaProbes> EditSonda{};
    TankPicture* ImageClips = nullptr;
    QLineEdit* EditPoziomLPG = nullptr;

    void Show(const LiveViewModel& view);
    // Probe 0 or 1: its bar's range, and whether its group is shown.
    void ShowLambdaProbe(int probe, const LambdaScale& scale, const LanguageStrings& texts);
    // The sixteen injection bars; the time group grows to take them.
    void ShowInjectionBars(bool shown);

private:
    QGroupBox* buildMeter(QWidget* page, const char* name, const char* title, RoundGauge*& meter, QLineEdit*& field,
                          const char* meterName, const char* fieldName, const QString& widest);
    QGroupBox* buildThermometer(QWidget* page, const char* name, const char* title, Thermometer*& thermometer,
                                QLineEdit*& field, const char* thermometerName, const char* fieldName);
    QGroupBox* buildTimes(QWidget* page);
    QGroupBox* buildLambda(QWidget* page, int probe);
    QGroupBox* buildLevel(QWidget* page);
};

} // namespace zantrel
