#include "widgets/Thermometer.h"

#include "widgets/InstrumentColours.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace zantrel {

namespace {

constexpr double kTubeWidth = 9.0;
constexpr double kBulbRadius = 10.0;
constexpr double kMargin = 8.0;
constexpr double kTickLength = 5.0;

} // namespace

Thermometer::Thermometer(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void Thermometer::setScale(int minimum, int maximum, int step)
{
    minimum_ = minimum;
    maximum_ = std::max(maximum, minimum + 1);
    step_ = std::max(step, 1);
    update();
}

void Thermometer::setValue(double celsius)
{
    if (celsius == value_)
        return;
    value_ = celsius;
    update();
}

void Thermometer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const double x = width() * 0.36;
    const double bulbY = height() - kMargin - kBulbRadius;
    const double top = kMargin;
    const double scaleTop = top + kTubeWidth;
    const double scaleBottom = bulbY - kBulbRadius - 4.0;
    const auto yOf = [&](double v) {
        const double share = std::clamp((v - minimum_) / double(maximum_ - minimum_), 0.0, 1.0);
        return scaleBottom - share * (scaleBottom - scaleTop);
    };

    // Glass.
    const QRectF tube(x - kTubeWidth / 2, top, kTubeWidth, bulbY - top);
    p.setPen(QPen(instrument::kTroughEdge, 1.2));
    p.setBrush(instrument::kTrough);
    p.drawRoundedRect(tube, kTubeWidth / 2, kTubeWidth / 2);
    p.drawEllipse(QPointF(x, bulbY), kBulbRadius + 1.5, kBulbRadius + 1.5);

    // Mercury from the bulb up to the value.
    QLinearGradient shine(x - kTubeWidth / 2, 0, x + kTubeWidth / 2, 0);
    shine.setColorAt(0.0, instrument::kMercury.lighter(140));
    shine.setColorAt(1.0, instrument::kMercury.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    const double level = yOf(value_);
    p.drawRect(QRectF(x - kTubeWidth / 2 + 2, level, kTubeWidth - 4, bulbY - level));
    p.setBrush(instrument::kMercury);
    p.drawEllipse(QPointF(x, bulbY), kBulbRadius, kBulbRadius);

    // Scale to the right of the tube.
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QPen(instrument::kInk, 1));
    const double tickX = x + kTubeWidth / 2 + 3;
    for (int v = minimum_; v <= maximum_; v += step_) {
        const double y = yOf(v);
        p.drawLine(QPointF(tickX, y), QPointF(tickX + kTickLength, y));
        p.drawText(QRectF(tickX + kTickLength + 2, y - 7, width() - tickX - kTickLength - 2, 14),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(v));
    }
    for (int v = minimum_ + step_ / 2; v < maximum_; v += step_) {
        const double y = yOf(v);
        p.drawLine(QPointF(tickX, y), QPointF(tickX + kTickLength / 2, y));
    }
}

} // namespace zantrel
