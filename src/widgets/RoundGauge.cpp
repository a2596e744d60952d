#include "widgets/RoundGauge.h"

#include "widgets/InstrumentColours.h"
#include "widgets/KeptPicture.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zantrel {

namespace {

// The scale runs clockwise from 225° (lower left) to -45° (lower right).
constexpr double kStartAngle = 225.0;
constexpr double kSweep = 270.0;

// Geometry on a face of radius 100.
constexpr double kFaceRadius = 100.0;
constexpr double kBezel = 7.0;
constexpr double kTickOuter = 86.0;
constexpr double kMajorTickInner = 74.0;
constexpr double kMinorTickInner = 80.0;
constexpr double kSectorRadius = 82.0;
constexpr double kSectorWidth = 8.0;
constexpr double kLabelRadius = 60.0;
constexpr double kNeedleLength = 78.0;
constexpr double kNeedleTail = -12.0;
constexpr double kNeedleHalfWidth = 4.0;
constexpr double kCapRadius = 8.0;

QPointF onCircle(double radius, double degrees)
{
    const double r = degrees * std::numbers::pi / 180.0;
    return {radius * std::cos(r), -radius * std::sin(r)};
}

} // namespace

RoundGauge::RoundGauge(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RoundGauge::setScale(double minimum, double maximum, double majorStep, int minorTicks, int decimals)
{
    minimum_ = minimum;
    maximum_ = std::max(maximum, minimum);
    majorStep_ = majorStep;
    minorTicks_ = std::max(minorTicks, 1);
    decimals_ = decimals;
    faceChanged();
}

void RoundGauge::setCaption(const QString& caption)
{
    caption_ = caption;
    faceChanged();
}

void RoundGauge::setSectors(std::vector<ScaleSector> sectors)
{
    sectors_ = std::move(sectors);
    faceChanged();
}

void RoundGauge::faceChanged()
{
    face_ = QPixmap();
    update();
}

void RoundGauge::resizeEvent(QResizeEvent* event)
{
    face_ = QPixmap();
    QWidget::resizeEvent(event);
}

void RoundGauge::changeEvent(QEvent* event)
{
    // The numbers and the caption follow the font and the locale.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange
        || event->type() == QEvent::PaletteChange)
        faceChanged();
    QWidget::changeEvent(event);
}

void RoundGauge::setValue(double value)
{
    if (value == value_)
        return;
    // Only where the needle was and where it goes: the face, and all behind it, stay.
    const QRect before = needleArea(value_);
    value_ = value;
    update(before.united(needleArea(value_)));
}

QRect RoundGauge::needleArea(double value) const
{
    const double side = std::min(width(), height());
    QTransform t;
    t.translate(width() / 2.0, height() / 2.0);
    t.scale(side / (2.0 * kFaceRadius), side / (2.0 * kFaceRadius));
    QTransform needle = t;
    needle.rotate(-angleOf(value));
    const QPolygonF tip = needle.map(QPolygonF({{kNeedleLength, 0}, {kNeedleTail, -kNeedleHalfWidth},
                                                 {kNeedleTail, kNeedleHalfWidth}}));
    const QRectF cap = t.mapRect(QRectF(-kCapRadius, -kCapRadius, 2 * kCapRadius, 2 * kCapRadius));
    // A pixel round it for the antialiased edges.
    return tip.boundingRect().united(cap).toAlignedRect().adjusted(-2, -2, 2, 2);
}

double RoundGauge::angleOf(double value) const
{
    const double span = maximum_ - minimum_;
    const double share = span > 0.0 ? std::clamp((value - minimum_) / span, 0.0, 1.0) : 0.0;
    return kStartAngle - share * kSweep;
}

void RoundGauge::toFace(QPainter& p) const
{
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(side / (2.0 * kFaceRadius), side / (2.0 * kFaceRadius));
}

void RoundGauge::paintEvent(QPaintEvent*)
{
    if (face_.isNull()) {
        face_ = BackdropPictureFor(*this);
        QPainter facePainter(&face_);
        facePainter.setFont(font());
        toFace(facePainter);
        paintFace(facePainter);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
    toFace(p);
    paintNeedle(p);
}

void RoundGauge::paintFace(QPainter& p) const
{
    // Bezel and face.
    QRadialGradient bezel(QPointF(-30, -30), 2 * kFaceRadius);
    bezel.setColorAt(0.0, instrument::kBezelLight);
    bezel.setColorAt(1.0, instrument::kBezelDark);
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(QPointF(), kFaceRadius - 1, kFaceRadius - 1);
    QRadialGradient face(QPointF(0, -20), kFaceRadius);
    face.setColorAt(0.0, instrument::kFace);
    face.setColorAt(1.0, instrument::kFaceEdge);
    p.setBrush(face);
    p.drawEllipse(QPointF(), kFaceRadius - kBezel, kFaceRadius - kBezel);

    // Sectors along the inside of the ticks.
    const QRectF sectorRect(-kSectorRadius, -kSectorRadius, 2 * kSectorRadius, 2 * kSectorRadius);
    for (const ScaleSector& s : sectors_) {
        const double a0 = angleOf(s.from);
        const double a1 = angleOf(s.to);
        QPen pen(s.colour, kSectorWidth, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(sectorRect, int(a0 * 16), int((a1 - a0) * 16));
    }

    // Ticks and numbers.
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    const int majors = majorStep_ > 0.0 ? int(std::floor((maximum_ - minimum_) / majorStep_ + 1e-9)) : 0;
    for (int m = 0; m <= majors; ++m) {
        const double v = minimum_ + m * majorStep_;
        const double a = angleOf(v);
        p.setPen(QPen(instrument::kInk, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(onCircle(kMajorTickInner, a), onCircle(kTickOuter, a));
        const QPointF at = onCircle(kLabelRadius, a);
        p.drawText(QRectF(at.x() - 20, at.y() - 9, 40, 18), Qt::AlignCenter,
                   locale().toString(v, 'f', decimals_));
        if (m == majors)
            break;
        p.setPen(QPen(instrument::kInk, 1.2, Qt::SolidLine, Qt::FlatCap));
        for (int t = 1; t < minorTicks_; ++t) {
            const double mv = v + majorStep_ * t / minorTicks_;
            if (mv > maximum_)
                break;
            p.drawLine(onCircle(kMinorTickInner, angleOf(mv)), onCircle(kTickOuter, angleOf(mv)));
        }
    }

    // Caption below the centre.
    font.setPixelSize(12);
    font.setBold(false);
    p.setFont(font);
    p.setPen(instrument::kCaptionInk);
    p.drawText(QRectF(-60, 28, 120, 36), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption_);
}

// The needle and its cap, whose rim takes the caption's ink.
void RoundGauge::paintNeedle(QPainter& p) const
{
    p.setPen(instrument::kCaptionInk);
    p.save();
    p.rotate(-angleOf(value_));
    QPainterPath needle;
    needle.moveTo(kNeedleLength, 0);
    needle.lineTo(kNeedleTail, -kNeedleHalfWidth);
    needle.lineTo(kNeedleTail, kNeedleHalfWidth);
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(instrument::kNeedle);
    p.drawPath(needle);
    p.restore();
    QRadialGradient cap(QPointF(-2, -2), 10);
    cap.setColorAt(0.0, instrument::kBezelLight);
    cap.setColorAt(1.0, instrument::kBezelDark);
    p.setBrush(cap);
    p.drawEllipse(QPointF(), kCapRadius, kCapRadius);
}

} // namespace zantrel
