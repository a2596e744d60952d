#include "widgets/Thermometer.h"

#include "widgets/InstrumentColours.h"
#include "widgets/KeptPicture.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Thermometer::setScale(int minimum, int maximum, int step)
{
    minimum_ = minimum;
    maximum_ = std::max(maximum, minimum + 1);
    step_ = std::max(step, 1);
    glass_ = QPixmap();
    update();
}

void Thermometer::setValue(double celsius)
{
    if (celsius == value_)
        return;
    // Only the stretch of tube between the old and the new level.
    const Geometry g = geometry();
    const double before = levelOf(g, value_);
    value_ = celsius;
    const double after = levelOf(g, value_);
    const QRectF stretch(g.x - kTubeWidth / 2, std::min(before, after), kTubeWidth, std::abs(after - before));
    update(stretch.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void Thermometer::resizeEvent(QResizeEvent* event)
{
    glass_ = QPixmap();
    QWidget::resizeEvent(event);
}

void Thermometer::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        glass_ = QPixmap();
        update();
    }
    QWidget::changeEvent(event);
}

Thermometer::Geometry Thermometer::geometry() const
{
    const double bulbY = height() - kMargin - kBulbRadius;
    return {width() * 0.36, bulbY, kMargin, kMargin + kTubeWidth, bulbY - kBulbRadius - 4.0};
}

double Thermometer::levelOf(const Geometry& g, double v) const
{
    const double share = std::clamp((v - minimum_) / double(maximum_ - minimum_), 0.0, 1.0);
    return g.scaleBottom - share * (g.scaleBottom - g.scaleTop);
}

void Thermometer::paintEvent(QPaintEvent*)
{
    const Geometry g = geometry();
    if (glass_.isNull()) {
        glass_ = BackdropPictureFor(*this);
        QPainter glassPainter(&glass_);
        glassPainter.setFont(font());
        glassPainter.setRenderHint(QPainter::Antialiasing);
        paintGlassAndScale(glassPainter, g);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, glass_);
    p.setRenderHint(QPainter::Antialiasing);

    // Mercury from the bulb up to the value, inside the glass and clear of the scale.
    const double x = g.x;
    QLinearGradient shine(x - kTubeWidth / 2, 0, x + kTubeWidth / 2, 0);
    shine.setColorAt(0.0, instrument::kMercury.lighter(140));
    shine.setColorAt(1.0, instrument::kMercury.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    const double level = levelOf(g, value_);
    p.drawRect(QRectF(x - kTubeWidth / 2 + 2, level, kTubeWidth - 4, g.bulbY - level));
    p.setBrush(instrument::kMercury);
    p.drawEllipse(QPointF(x, g.bulbY), kBulbRadius, kBulbRadius);
}

void Thermometer::paintGlassAndScale(QPainter& p, const Geometry& g) const
{
    const double x = g.x;
    const QRectF tube(x - kTubeWidth / 2, g.top, kTubeWidth, g.bulbY - g.top);
    p.setPen(QPen(instrument::kTroughEdge, 1.2));
    p.setBrush(instrument::kTrough);
    p.drawRoundedRect(tube, kTubeWidth / 2, kTubeWidth / 2);
    p.drawEllipse(QPointF(x, g.bulbY), kBulbRadius + 1.5, kBulbRadius + 1.5);

    // Scale to the right of the tube.
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QPen(instrument::kInk, 1));
    const double tickX = x + kTubeWidth / 2 + 3;
    for (int v = minimum_; v <= maximum_; v += step_) {
        const double y = levelOf(g, v);
        p.drawLine(QPointF(tickX, y), QPointF(tickX + kTickLength, y));
        p.drawText(QRectF(tickX + kTickLength + 2, y - 7, width() - tickX - kTickLength - 2, 14),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(v));
    }
    for (int v = minimum_ + step_ / 2; v < maximum_; v += step_) {
        const double y = levelOf(g, v);
        p.drawLine(QPointF(tickX, y), QPointF(tickX + kTickLength / 2, y));
    }
}

} // namespace zantrel
