#include "live/ReadingsTab.h"

#include "base/LanguageStrings.h"
#include "live/DisplayField.h"
#include "live/LambdaBarSetup.h"
#include "live/SpeedMeterScale.h"
#include "widgets/BarGauge.h"
#include "widgets/InstrumentColours.h"
#include "widgets/RoundGauge.h"
#include "widgets/TankPicture.h"
#include "widgets/Thermometer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr QSize kInjectionBarSize{13, 96};

// Gas pressure in bar; the three sectors of an LPG reducer, a third of the scale each.
constexpr double kPressureScale = 4.0;

// Reducer and gas temperatures.
constexpr int kTemperatureFrom = -40;
constexpr int kTemperatureTo = 120;
constexpr int kTemperatureStep = 20;

QGroupBox* newGroup(QWidget* page, const QString& name, const QString& title)
{
    auto* group = new QGroupBox(title, page);
    group->setObjectName(name);
    return group;
}

BarGauge* newInjectionBar(QWidget* parent, const QString& name, const QColor& colour)
{
    auto* bar = new BarGauge(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setFillColour(colour);
    bar->setFixedSize(kInjectionBarSize);
    bar->setRange(0, 0);
    bar->hide();
    return bar;
}

} // namespace

ReadingsTab::ReadingsTab(QWidget* page)
    : QObject(page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    QGroupBox* speed = buildMeter(page, "GroupObroty", "Obroty silnika", Ab270MeterRPM, EditAb270MeterRPM, "Ab270MeterRPM",
                                  "EditAb270MeterRPM", kSpeedNumberSample);
    SetUpSpeedMeter(*Ab270MeterRPM);

    QGroupBox* pressure = buildMeter(page, "GroupCisnienie", "Ciśnienie gazu [Bar]", ManometrPsys, EditManometrPsys, "ManometrPsys",
                                     "EditManometrPsys", kPressureNumberSample);
    ManometrPsys->setScale(0.0, kPressureScale, 0.5, 5, 1);
    ManometrPsys->setCaption(QStringLiteral("Bar"));
    ShowFuelPressureSectors(0);

    GroupReduktor = buildThermometer(page, "GroupReduktor", "Reduktor", AbThermometerRed, EditOdczytyTempR,
                                     "AbThermometerRed", "EditOdczytyTempR");
    GroupGaz = buildThermometer(page, "GroupGaz", "Gaz", AbThermometerLPG, EditOdczytyTempLPG, "AbThermometerLPG",
                                "EditOdczytyTempLPG");

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(buildLevel(page));
    for (int p = 0; p < kLambdaProbes; ++p)
        side->addWidget(buildLambda(page, p));
    side->addStretch(1);

    grid->addWidget(speed, 0, 0);
    grid->addWidget(pressure, 0, 1);
    grid->addWidget(GroupReduktor, 0, 2);
    grid->addWidget(GroupGaz, 0, 3);
    grid->addLayout(side, 0, 4);
    grid->addWidget(buildTimes(page), 1, 0, 1, 5);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);
}

QGroupBox* ReadingsTab::buildMeter(QWidget* page, const char* name, const char* title, RoundGauge*& meter, QLineEdit*& field,
                                   const char* meterName, const char* fieldName, const QString& widest)
{
    QGroupBox* group = newGroup(page, QString::fromLatin1(name), QString::fromUtf8(title));
    auto* column = new QVBoxLayout(group);
    meter = new RoundGauge(group);
    meter->setObjectName(QString::fromLatin1(meterName));
    field = NewDisplayField(QString::fromLatin1(fieldName), widest, group);
    column->addWidget(meter, 1);
    column->addWidget(field, 0, Qt::AlignHCenter);
    return group;
}

QGroupBox* ReadingsTab::buildThermometer(QWidget* page, const char* name, const char* title,
                                         Thermometer*& thermometer, QLineEdit*& field, const char* thermometerName,
                                         const char* fieldName)
{
    QGroupBox* group = newGroup(page, QString::fromLatin1(name), QString::fromUtf8(title));
    auto* column = new QVBoxLayout(group);
    thermometer = new Thermometer(group);
    thermometer->setObjectName(QString::fromLatin1(thermometerName));
    thermometer->setScale(kTemperatureFrom, kTemperatureTo, kTemperatureStep);
    field = NewDisplayField(QString::fromLatin1(fieldName), kTemperatureSample, group);
    column->addWidget(NewCaption(QStringLiteral("°C"), group), 0, Qt::AlignHCenter);
    column->addWidget(thermometer, 1, Qt::AlignHCenter);
    column->addWidget(field, 0, Qt::AlignHCenter);
    return group;
}

QGroupBox* ReadingsTab::buildTimes(QWidget* page)
{
    GroupCzasy = newGroup(page, QStringLiteral("GroupCzasy"), QStringLiteral("Czasy wtrysku"));
    auto* grid = new QGridLayout(GroupCzasy);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(NewCaption(QStringLiteral("Cylinder"), GroupCzasy, QStringLiteral("LabelCylinder")), 0, 0);
    grid->addWidget(NewCaption(QStringLiteral("Benzyna"), GroupCzasy, QStringLiteral("LabelCzasyBenzyna")), 2, 0);
    grid->addWidget(NewCaption(QStringLiteral("Gaz"), GroupCzasy, QStringLiteral("LabelCzasyGaz")), 3, 0);
    for (int c = 0; c < live::kCylinders; ++c) {
        const QString n = QString::number(c + 1);
        const int column = c + 1;
        grid->addWidget(NewCaption(n, GroupCzasy), 0, column);
        VBarB[size_t(c)] = newInjectionBar(GroupCzasy, QStringLiteral("VBarB") + n, instrument::kPetrolBar);
        VBarG[size_t(c)] = newInjectionBar(GroupCzasy, QStringLiteral("VBarG") + n, instrument::kGasBar);
        auto* bars = new QHBoxLayout;
        bars->setSpacing(3);
        bars->addStretch(1);
        bars->addWidget(VBarB[size_t(c)]);
        bars->addWidget(VBarG[size_t(c)]);
        bars->addStretch(1);
        grid->addLayout(bars, 1, column);
        EditB[size_t(c)] = NewDisplayField(QStringLiteral("EditB") + n, kTimeSample, GroupCzasy);
        EditG[size_t(c)] = NewDisplayField(QStringLiteral("EditG") + n, kTimeSample, GroupCzasy);
        grid->addWidget(EditB[size_t(c)], 2, column);
        grid->addWidget(EditG[size_t(c)], 3, column);
    }
    const int maxima = live::kCylinders + 1;
    grid->addWidget(NewCaption(QStringLiteral("Max cyl. 1"), GroupCzasy, QStringLiteral("LabelMaxCyl")), 0, maxima);
    EditB1Max = NewDisplayField(QStringLiteral("EditB1Max"), kTimeSample, GroupCzasy);
    EditG1Max = NewDisplayField(QStringLiteral("EditG1Max"), kTimeSample, GroupCzasy);
    grid->addWidget(EditB1Max, 2, maxima);
    grid->addWidget(EditG1Max, 3, maxima);
    return GroupCzasy;
}

QGroupBox* ReadingsTab::buildLambda(QWidget* page, int probe)
{
    const QString n = QString::number(probe + 1);
    QGroupBox* group =
        newGroup(page, QStringLiteral("GroupLambda") + n, QStringLiteral("Sonda lambda ") + n + QStringLiteral(" [V]"));
    auto* row = new QHBoxLayout(group);
    LambdaBar[size_t(probe)] = new BarGauge(Qt::Horizontal, group);
    LambdaBar[size_t(probe)]->setObjectName(QStringLiteral("LambdaBar") + n);
    LambdaBar[size_t(probe)]->setScaleNumbers(true);
    EditSonda[size_t(probe)] = NewDisplayField(QStringLiteral("EditSonda") + n, kLambdaSample, group);
    row->addWidget(LambdaBar[size_t(probe)], 1);
    row->addWidget(EditSonda[size_t(probe)]);
    GroupLambda[size_t(probe)] = group;
    return group;
}

QGroupBox* ReadingsTab::buildLevel(QWidget* page)
{
    QGroupBox* group = newGroup(page, QStringLiteral("GroupPoziom"), QStringLiteral("Poziom gazu"));
    auto* row = new QHBoxLayout(group);
    ImageClips = new TankPicture(group);
    ImageClips->setObjectName(QStringLiteral("ImageClips"));
    EditPoziomLPG = NewDisplayField(QStringLiteral("EditPoziomLPG"), kLevelSample, group);
    row->addWidget(ImageClips);
    row->addWidget(EditPoziomLPG, 0, Qt::AlignVCenter);
    return group;
}

void ReadingsTab::Show(const LiveViewModel& view)
{
    if (view.tankPicture)
        ImageClips->setPicture(*view.tankPicture);

    Ab270MeterRPM->setValue(view.rpmThousands);
    EditAb270MeterRPM->setText(view.rpmNumber);
    ManometrPsys->setValue(view.pressure);
    EditManometrPsys->setText(view.pressureNumber);

    for (int c = 0; c < live::kCylinders; ++c) {
        EditB[size_t(c)]->setText(view.petrolTimes[size_t(c)]);
        EditG[size_t(c)]->setText(view.gasTimes[size_t(c)]);
        VBarB[size_t(c)]->setRange(0, view.injectionBarScale);
        VBarG[size_t(c)]->setRange(0, view.injectionBarScale);
        VBarB[size_t(c)]->setValue(view.petrolBars[size_t(c)]);
        VBarG[size_t(c)]->setValue(view.gasBars[size_t(c)]);
    }
    if (view.petrolMaxOnPetrol)
        EditB1Max->setText(*view.petrolMaxOnPetrol);
    if (view.petrolMaxOnGas)
        EditG1Max->setText(*view.petrolMaxOnGas);

    AbThermometerRed->setValue(view.reducerTemperature);
    EditOdczytyTempR->setText(view.reducerTemperatureText);
    AbThermometerLPG->setValue(view.gasTemperature);
    EditOdczytyTempLPG->setText(view.gasTemperatureText);

    for (int p = 0; p < kLambdaProbes; ++p) {
        if (const auto& reading = view.lambda[size_t(p)]) {
            EditSonda[size_t(p)]->setText(reading->text);
            LambdaBar[size_t(p)]->setValue(reading->volts);
        }
    }
    EditPoziomLPG->setText(view.levelVoltsText);
}

void ReadingsTab::ShowLambdaProbe(int probe, const LambdaScale& scale, const LanguageStrings& texts)
{
    GroupLambda[size_t(probe)]->setVisible(scale.connected);
    ApplyLambdaScale(*LambdaBar[size_t(probe)], scale);
    if (!scale.connected)
        EditSonda[size_t(probe)]->setText(texts[Text::None]);
}

void ReadingsTab::ShowInjectionBars(bool shown)
{
    for (int c = 0; c < live::kCylinders; ++c) {
        VBarB[size_t(c)]->setVisible(shown);
        VBarG[size_t(c)]->setVisible(shown);
    }
}

void ReadingsTab::ShowFuelPressureSectors(quint32 fuel)
{
    // Where the warning and the alarm sectors begin, as parts of the scale, by fuel.
    struct FuelSectors {
        double warning;
        double alarm;
    };
    constexpr FuelSectors kByFuel[] = {{1.0 / 3, 2.0 / 3}, {0.4, 0.7}};
    const FuelSectors& f = kByFuel[fuel < std::size(kByFuel) ? fuel : 0];
    ManometrPsys->setSectors({{0.0, f.warning * kPressureScale, instrument::kGood},
                              {f.warning * kPressureScale, f.alarm * kPressureScale, instrument::kWarning},
                              {f.alarm * kPressureScale, kPressureScale, instrument::kAlarm}});
}

} // namespace zantrel
