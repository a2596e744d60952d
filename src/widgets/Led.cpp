#include "widgets/Led.h"

#include "widgets/InstrumentColours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>

namespace zantrel {

namespace {

constexpr int kLampDiameter = 18;
constexpr int kGap = 6;

} // namespace

Led::Led(QWidget* parent)
    : QAbstractButton(parent)
    , onColour_(instrument::kAlarm)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    flashTimer_.setInterval(kFlashIntervalMs);
    connect(&flashTimer_, &QTimer::timeout, this, [this] {
        lit_ = !lit_;
        update();
    });
}

void Led::setOn(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    updateFlashing();
}

void Led::setFlashing(bool flashing)
{
    if (flashing == flashRequested_)
        return;
    flashRequested_ = flashing;
    updateFlashing();
}

void Led::updateFlashing()
{
    // Only a lamp that is on flashes.
    const bool flash = on_ && flashRequested_;
    if (flash && !flashTimer_.isActive())
        flashTimer_.start();
    else if (!flash)
        flashTimer_.stop();
    lit_ = on_;
    update();
}

void Led::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    updateGeometry();
    update();
}

void Led::setOnColour(const QColor& colour)
{
    onColour_ = colour;
    update();
}

QSize Led::sizeHint() const
{
    QFont bold = font();
    bold.setBold(true);
    const int text = QFontMetrics(bold).horizontalAdvance(caption_);
    return {kLampDiameter + kGap + text + 4, kLampDiameter + 6};
}

void Led::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp(2, (height() - kLampDiameter) / 2.0, kLampDiameter, kLampDiameter);
    const QColor colour = lit_ ? onColour_ : onColour_.darker(330);
    QRadialGradient glass(lamp.center() - QPointF(3, 3), kLampDiameter * 0.7);
    glass.setColorAt(0.0, lit_ ? colour.lighter(170) : colour.lighter(140));
    glass.setColorAt(1.0, colour);
    p.setPen(QPen(instrument::kBezelDark, 1.2));
    p.setBrush(glass);
    p.drawEllipse(lamp);

    QFont bold = p.font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(lamp.right() + kGap, 0, width() - lamp.right() - kGap, height()),
               Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

} // namespace zantrel
