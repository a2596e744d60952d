#include "live/AdaptationSpeedMeter.h"

#include "live/DisplayField.h"
#include "live/LiveViewModel.h"
#include "live/SpeedMeterScale.h"
#include "widgets/RoundGauge.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr QSize kMeterSize{220, 220};

} // namespace

AdaptationSpeedMeter::AdaptationSpeedMeter(QWidget* page)
    : QObject(page)
{
    Column = new QVBoxLayout(page);
    ObrotomierzAd = new RoundGauge(page);
    ObrotomierzAd->setObjectName(QStringLiteral("ObrotomierzAd"));
    ObrotomierzAd->setFixedSize(kMeterSize);
    SetUpSpeedMeter(*ObrotomierzAd);
    EditObrotomierzAd = NewDisplayField(QStringLiteral("EditObrotomierzAd"), kSpeedNumberSample, page);
    auto* meter = new QVBoxLayout;
    meter->addWidget(ObrotomierzAd);
    meter->addWidget(EditObrotomierzAd, 0, Qt::AlignHCenter);
    Column->addLayout(meter);
    Column->setAlignment(meter, Qt::AlignLeft);
    Column->addStretch(1);
}

void AdaptationSpeedMeter::Show(const LiveViewModel& view)
{
    ObrotomierzAd->setValue(view.rpmThousands);
    EditObrotomierzAd->setText(view.rpmNumber);
}

} // namespace zantrel
