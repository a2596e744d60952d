#include "widgets/FuelButton.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace zantrel {

namespace {

constexpr int kPadding = 12;
constexpr double kRadius = 6.0;

QFont captionFont(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

FuelButton::FuelButton(const QString& onCaption, QWidget* parent)
    : QAbstractButton(parent)
    , onCaption_(onCaption)
    , from_(palette().color(QPalette::Button))
    , to_(from_)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void FuelButton::setOnCaption(const QString& caption)
{
    if (caption == onCaption_)
        return;
    onCaption_ = caption;
    updateGeometry();
    update();
}

void FuelButton::setFaceColours(const QColor& from, const QColor& to)
{
    if (from == from_ && to == to_)
        return;
    from_ = from;
    to_ = to;
    update();
}

QSize FuelButton::sizeHint() const
{
    const QFontMetrics metrics(captionFont(font()));
    return {metrics.horizontalAdvance(onCaption_) + 2 * kPadding, metrics.height() + 12};
}

QSize FuelButton::minimumSizeHint() const
{
    return sizeHint();
}

void FuelButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0.0, isDown() ? from_.darker(115) : from_.lighter(112));
    fill.setColorAt(1.0, isDown() ? to_.darker(130) : to_);
    p.setPen(QPen(to_.darker(170), 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, kRadius, kRadius);

    // Dark text on light faces, white on dark ones.
    p.setPen(to_.lightnessF() > 0.6 ? QColor(20, 20, 20) : QColor(255, 255, 255));
    p.setFont(captionFont(font()));
    p.drawText(face, Qt::AlignCenter, onCaption_);
}

} // namespace zantrel
