#include "live/StatusPanel.h"

#include "base/LanguageStrings.h"
#include "live/DisplayField.h"
#include "live/LambdaBarSetup.h"
#include "live/LiveViewModel.h"
#include "widgets/BarGauge.h"
#include "widgets/FuelButton.h"
#include "widgets/Led.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace zantrel {

namespace {

constexpr QSize kLambdaBarSize{12, 38};

} // namespace

QColor FuelFaceColour(FuelFace face, const QPalette& palette)
{
    switch (face) {
    case FuelFace::Petrol:
        return {255, 0, 0};
    case FuelFace::Gas:
        return {0, 128, 0};
    case FuelFace::Automatic:
        return {255, 128, 0};
    case FuelFace::Menu:
        break;
    }
    return palette.color(QPalette::Button);
}

StatusPanel::StatusPanel(const LanguageStrings& texts, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(5);

    const auto field = [this, row](const char* name, const char* caption, const QString& widest) {
        QLineEdit* edit = NewDisplayField(QString::fromLatin1(name), widest, this);
        // The caption is named after its field: EditStatus has LabelStatus.
        const QString label = QStringLiteral("Label") + QString::fromLatin1(name).mid(4);
        row->addLayout(CaptionedColumn(NewCaption(QString::fromUtf8(caption), this, label), edit));
        return edit;
    };

    EditStatus = field("EditStatus", "Status", kStatusSample);

    // The fuel toggle over the error lamp, in one column.
    BG_Brisca = new FuelButton(texts[Text::FuelPetrol], this);
    BG_Brisca->setObjectName(QStringLiteral("BG_Brisca"));
    AbLEDError = new Led(this);
    AbLEDError->setObjectName(QStringLiteral("AbLEDError"));
    AbLEDError->setCaption(texts[Text::Working]);
    auto* fuelAndLamp = new QVBoxLayout;
    fuelAndLamp->setSpacing(2);
    fuelAndLamp->addWidget(BG_Brisca);
    fuelAndLamp->addWidget(AbLEDError);
    row->addLayout(fuelAndLamp);

    // The fuel buttons of the other edition: hidden, but their faces still follow the
    // fuel state.
    ButtonBenzyna = new FuelButton(QStringLiteral("benzyna"), this);
    ButtonAutomat = new FuelButton(QStringLiteral("automat"), this);
    ButtonLPG = new FuelButton(QStringLiteral("gaz"), this);
    const std::array<std::pair<FuelButton*, const char*>, 3> fuelButtons{
        {{ButtonBenzyna, "ButtonBenzyna"}, {ButtonAutomat, "ButtonAutomat"}, {ButtonLPG, "ButtonLPG"}}};
    for (const auto& [button, name] : fuelButtons) {
        button->setObjectName(QString::fromLatin1(name));
        button->hide();
        row->addWidget(button);
    }

    EditRPM = field("EditRPM", "Obroty", kSpeedSample);
    EditCisnienie = field("EditCisnienie", "Ciśnienie", kPressureSample);
    EditInjBenz = field("EditInjBenz", "Benzyna", kTimeSample);
    EditInjLpg = field("EditInjLpg", "Gaz", kTimeSample);
    EditKorekta = field("EditKorekta", "Korekta", kCorrectionSample);
    EditTR = field("EditTR", "T. red.", kTemperatureSample);
    EditTG = field("EditTG", "T. gazu", kTemperatureSample);

    for (int p = 0; p < kLambdaProbes; ++p) {
        const QString n = QString::number(p + 1);
        LabelL[size_t(p)] = NewCaption(QStringLiteral("L") + n, this, QStringLiteral("LabelL") + n);
        AbVBarPanelSonda[size_t(p)] = new BarGauge(Qt::Vertical, this);
        AbVBarPanelSonda[size_t(p)]->setObjectName(QStringLiteral("AbVBarPanelSonda") + n);
        AbVBarPanelSonda[size_t(p)]->setFixedSize(kLambdaBarSize);
        EditAbVBarSonda[size_t(p)] = NewDisplayField(QStringLiteral("EditAbVBarSonda") + n, kLambdaSample, this);
        auto* probe = new QHBoxLayout;
        probe->setSpacing(3);
        probe->addWidget(AbVBarPanelSonda[size_t(p)]);
        probe->addWidget(EditAbVBarSonda[size_t(p)], 0, Qt::AlignVCenter);
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(LabelL[size_t(p)], 0, Qt::AlignHCenter);
        column->addLayout(probe);
        row->addLayout(column);
    }
    row->addStretch(1);
}

void StatusPanel::RefreshTexts(const LanguageStrings& texts)
{
    BG_Brisca->setOnCaption(texts[toggleOnText_]);
    AbLEDError->setCaption(texts[lampCaption_]);
}

void StatusPanel::Show(const LiveViewModel& view, const LanguageStrings& texts)
{
    EditStatus->setText(texts[view.fuel.status]);
    toggleOnText_ = view.fuel.toggleOnText;
    ShowFuelFaces(view.fuel);

    if (view.lamp) {
        AbLEDError->setOn(view.lamp->on);
        AbLEDError->setFlashing(view.lamp->flashing);
        lampCaption_ = view.lamp->caption;
    }
    RefreshTexts(texts);

    EditRPM->setText(view.rpmText);
    EditCisnienie->setText(view.pressureText);
    EditInjBenz->setText(view.petrolTimes[0]);
    EditInjLpg->setText(view.gasTimes[0]);
    EditKorekta->setText(view.correctionText);
    EditTR->setText(view.reducerTemperatureText);
    EditTG->setText(view.gasTemperatureText);

    for (int p = 0; p < kLambdaProbes; ++p) {
        if (const auto& reading = view.lambda[size_t(p)]) {
            EditAbVBarSonda[size_t(p)]->setText(reading->text);
            AbVBarPanelSonda[size_t(p)]->setValue(reading->volts);
        }
    }
}

void StatusPanel::ShowLambdaProbe(int probe, const LambdaScale& scale, const LanguageStrings& texts)
{
    LabelL[size_t(probe)]->setVisible(scale.connected);
    AbVBarPanelSonda[size_t(probe)]->setVisible(scale.connected);
    EditAbVBarSonda[size_t(probe)]->setVisible(scale.connected);
    ApplyLambdaScale(*AbVBarPanelSonda[size_t(probe)], scale);
    if (!scale.connected)
        EditAbVBarSonda[size_t(probe)]->setText(texts[Text::None]);
}

void StatusPanel::ShowFuelFaces(const FuelModeDisplay& fuel)
{
    const QPalette& colours = palette();
    const std::array<std::pair<FuelButton*, FuelFace>, 3> faces{
        {{ButtonBenzyna, fuel.petrol}, {ButtonAutomat, fuel.automatic}, {ButtonLPG, fuel.gas}}};
    for (const auto& [button, face] : faces) {
        const QColor colour = FuelFaceColour(face, colours);
        button->setFaceColours(colour, colour);
    }
    const QColor toggle = FuelFaceColour(fuel.onGas ? FuelFace::Gas : FuelFace::Petrol, colours);
    BG_Brisca->setFaceColours(toggle, toggle);
}

} // namespace zantrel
