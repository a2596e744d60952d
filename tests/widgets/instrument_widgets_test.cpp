#include "widgets/BarGauge.h"
#include "widgets/InstrumentColours.h"
#include "widgets/Led.h"
#include "widgets/RoundGauge.h"
#include "widgets/TankPicture.h"
#include "widgets/Thermometer.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace zantrel::test {
namespace {

QImage rendered(QWidget& widget)
{
    return widget.grab().toImage();
}

QColor lampColour(Led& led)
{
    return rendered(led).pixelColor(11, led.height() / 2);
}

TEST(LedWidget, FlashesOnlyWhileOn)
{
    Led led;
    led.setCaption(QStringLiteral("Błąd"));
    led.resize(led.sizeHint());
    const QColor off = lampColour(led);

    led.setFlashing(true);
    QTest::qWait(3 * Led::kFlashIntervalMs);
    EXPECT_EQ(lampColour(led), off) << "a lamp that is off does not flash";

    led.setOn(true);
    const QColor lit = lampColour(led);
    EXPECT_NE(lit, off);
    std::set<QRgb> seen;
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(Led::kFlashIntervalMs / 2);
        seen.insert(lampColour(led).rgb());
    }
    EXPECT_TRUE(seen.count(lit.rgb()) && seen.count(off.rgb())) << "it alternates between lit and dark";

    led.setFlashing(false);
    QTest::qWait(3 * Led::kFlashIntervalMs);
    EXPECT_EQ(lampColour(led), lit);
}

TEST(LedWidget, AClickIsAButtonClick)
{
    Led led;
    led.resize(led.sizeHint());
    QSignalSpy clicks(&led, &Led::clicked);
    QTest::mouseClick(&led, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

// Before the parameters are read the injection bars have no full scale: they stay empty
// instead of dividing by it. Beyond the full scale a bar is full, not overdrawn.
TEST(BarGaugeWidget, FillsWithinItsScale)
{
    BarGauge bar(Qt::Vertical);
    bar.resize(14, 100);
    bar.setFillColour(instrument::kGasBar);
    bar.setRange(0, 0);
    bar.setValue(500);
    const QImage empty = rendered(bar);
    EXPECT_EQ(empty.pixelColor(7, 90), instrument::kTrough);

    bar.setRange(0, 1000);
    bar.setValue(500);
    const QImage half = rendered(bar);
    EXPECT_EQ(half.pixelColor(7, 90), instrument::kGasBar);
    EXPECT_EQ(half.pixelColor(7, 10), instrument::kTrough);

    bar.setValue(5000);
    EXPECT_EQ(rendered(bar).pixelColor(7, 3), instrument::kGasBar);
    bar.setValue(-5);
    EXPECT_EQ(rendered(bar).pixelColor(7, 97), instrument::kTrough);
}

TEST(BarGaugeWidget, SectorsAreBrightWhereFilledAndPaleBeyond)
{
    BarGauge bar(Qt::Horizontal);
    bar.resize(200, 16);
    bar.setRange(0.0, 1.0);
    bar.setSectors({{0.0, 0.5, instrument::kGood}, {0.5, 1.0, instrument::kAlarm}});
    bar.setValue(0.75);
    const QImage image = rendered(bar);
    EXPECT_EQ(image.pixel(40, 8), instrument::kGood.rgb());
    EXPECT_EQ(image.pixel(120, 8), instrument::kAlarm.rgb());
    EXPECT_EQ(image.pixel(180, 8), instrument::Pale(instrument::kAlarm).rgb());
}

TEST(TankPictureWidget, SixDistinctPicturesAndNoOther)
{
    std::set<QByteArray> distinct;
    for (const QImage& image : TankImages()) {
        EXPECT_EQ(image.size(), TankPicture::kPictureSize);
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), size_t(kTankPictures));

    TankPicture tank;
    tank.setPicture(4);
    tank.setPicture(6);
    tank.setPicture(-1);
    EXPECT_EQ(tank.picture(), 4);
}

// The needle stops at the end of the scale: a value far beyond it paints as the end.
TEST(RoundGaugeWidget, TheNeedleStopsAtTheEndsOfTheScale)
{
    RoundGauge meter;
    meter.resize(200, 200);
    meter.setScale(0.0, 8.0, 1.0, 5);
    meter.setValue(8.0);
    const QImage atEnd = rendered(meter);
    meter.setValue(27648.0);
    EXPECT_EQ(rendered(meter), atEnd);
    meter.setValue(0.0);
    const QImage atStart = rendered(meter);
    EXPECT_NE(atStart, atEnd);
    meter.setValue(-3.0);
    EXPECT_EQ(rendered(meter), atStart);
}

// The faces, scales and glass the widgets keep are drawn again when what they show
// changes: a widget changed after a paint looks like one set up that way from the start.
TEST(InstrumentPictures, AChangedScaleOrSizeIsDrawnAnew)
{
    RoundGauge meter;
    meter.resize(200, 200);
    meter.setScale(0.0, 8.0, 1.0, 5);
    meter.setValue(3.0);
    rendered(meter);
    meter.setScale(0.0, 4.0, 0.5, 5, 1);
    meter.setCaption(QStringLiteral("Bar"));
    meter.setSectors({{0.0, 2.0, instrument::kGood}});
    RoundGauge fresh;
    fresh.resize(200, 200);
    fresh.setScale(0.0, 4.0, 0.5, 5, 1);
    fresh.setCaption(QStringLiteral("Bar"));
    fresh.setSectors({{0.0, 2.0, instrument::kGood}});
    fresh.setValue(3.0);
    EXPECT_EQ(rendered(meter), rendered(fresh));
    meter.resize(180, 220);
    fresh.resize(180, 220);
    EXPECT_EQ(rendered(meter), rendered(fresh));

    BarGauge bar(Qt::Horizontal);
    bar.resize(160, 32);
    bar.setScaleNumbers(true);
    bar.setRange(0.0, 1.1);
    bar.setValue(0.6);
    rendered(bar);
    bar.setRange(0.0, 5.0);
    bar.setSectors({{0.0, 2.5, instrument::kGood}, {2.5, 5.0, instrument::kAlarm}});
    BarGauge freshBar(Qt::Horizontal);
    freshBar.resize(160, 32);
    freshBar.setScaleNumbers(true);
    freshBar.setRange(0.0, 5.0);
    freshBar.setSectors({{0.0, 2.5, instrument::kGood}, {2.5, 5.0, instrument::kAlarm}});
    freshBar.setValue(0.6);
    EXPECT_EQ(rendered(bar), rendered(freshBar));

    Thermometer thermometer;
    thermometer.resize(64, 200);
    thermometer.setValue(50);
    rendered(thermometer);
    thermometer.setScale(0, 100, 10);
    Thermometer freshThermometer;
    freshThermometer.resize(64, 200);
    freshThermometer.setScale(0, 100, 10);
    freshThermometer.setValue(50);
    EXPECT_EQ(rendered(thermometer), rendered(freshThermometer));
    // A new value moves the mercury only.
    thermometer.setValue(80);
    EXPECT_NE(rendered(thermometer), rendered(freshThermometer));
}

} // namespace
} // namespace zantrel::test
