#include "widgets/BarGauge.h"

#include "widgets/InstrumentColours.h"
#include "widgets/KeptPicture.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace zantrel {

namespace {

constexpr int kNumberBand = 14; // room for the numbers beside a numbered bar
constexpr double kNumberSpacing = 1.0;

} // namespace

BarGauge::BarGauge(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , orientation_(orientation)
    , fill_(instrument::kGood)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarGauge::setRange(double minimum, double maximum)
{
    if (minimum == minimum_ && maximum == maximum_)
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    scaleChanged();
}

void BarGauge::setFillColour(const QColor& colour)
{
    fill_ = colour;
    update();
}

void BarGauge::setSectors(std::vector<ScaleSector> sectors)
{
    sectors_ = std::move(sectors);
    scaleChanged();
}

void BarGauge::setScaleNumbers(bool shown, int decimals)
{
    numbers_ = shown;
    decimals_ = decimals;
    updateGeometry();
    scaleChanged();
}

void BarGauge::scaleChanged()
{
    scale_ = QPixmap();
    update();
}

void BarGauge::resizeEvent(QResizeEvent* event)
{
    scale_ = QPixmap();
    QWidget::resizeEvent(event);
}

void BarGauge::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        scaleChanged();
    QWidget::changeEvent(event);
}

void BarGauge::setValue(double value)
{
    if (value == value_)
        return;
    value_ = value;
    update();
}

QSize BarGauge::sizeHint() const
{
    const int band = numbers_ ? kNumberBand : 0;
    return orientation_ == Qt::Vertical ? QSize(16, 90) : QSize(160, 18 + band);
}

QSize BarGauge::minimumSizeHint() const
{
    const int band = numbers_ ? kNumberBand : 0;
    return orientation_ == Qt::Vertical ? QSize(8, 30) : QSize(60, 10 + band);
}

double BarGauge::share(double v) const
{
    const double span = maximum_ - minimum_;
    if (!(span > 0.0))
        return 0.0;
    return std::clamp((v - minimum_) / span, 0.0, 1.0);
}

QRectF BarGauge::trough() const
{
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (numbers_)
        r.setBottom(r.bottom() - kNumberBand);
    return r;
}

QRectF BarGauge::part(const QRectF& t, double from, double to) const
{
    const double a = share(from);
    const double b = share(to);
    if (orientation_ == Qt::Vertical)
        return QRectF(t.left(), t.bottom() - b * t.height(), t.width(), (b - a) * t.height());
    return QRectF(t.left() + a * t.width(), t.top(), (b - a) * t.width(), t.height());
}

void BarGauge::paintEvent(QPaintEvent*)
{
    if (scale_.isNull()) {
        scale_ = BackdropPictureFor(*this);
        QPainter scalePainter(&scale_);
        scalePainter.setFont(font());
        paintScale(scalePainter);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, scale_);
    const QRectF t = trough();
    p.setPen(Qt::NoPen);

    const double filledTo = maximum_ > minimum_ ? std::clamp(value_, minimum_, maximum_) : minimum_;
    if (sectors_.empty()) {
        p.setBrush(fill_);
        p.drawRect(part(t, minimum_, filledTo));
    } else {
        for (const ScaleSector& s : sectors_) {
            p.setBrush(s.colour);
            p.drawRect(part(t, s.from, std::min(s.to, filledTo)));
        }
        // The value itself as a line across the bar.
        if (maximum_ > minimum_) {
            p.setPen(QPen(instrument::kInk, 2));
            const QRectF at = part(t, minimum_, filledTo);
            if (orientation_ == Qt::Vertical)
                p.drawLine(QPointF(t.left(), at.top()), QPointF(t.right(), at.top()));
            else
                p.drawLine(QPointF(at.right(), t.top()), QPointF(at.right(), t.bottom()));
        }
    }

    p.setPen(instrument::kTroughEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(t);
}

// The trough with the pale sectors, and the numbers below a horizontal bar.
void BarGauge::paintScale(QPainter& p) const
{
    const QRectF t = trough();
    p.setPen(Qt::NoPen);
    p.setBrush(instrument::kTrough);
    p.drawRect(t);
    for (const ScaleSector& s : sectors_) {
        p.setBrush(instrument::Pale(s.colour));
        p.drawRect(part(t, s.from, s.to));
    }

    if (!numbers_ || orientation_ != Qt::Horizontal)
        return;
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(instrument::kCaptionInk);
    const QRectF band(t.left(), t.bottom() + kNumberSpacing, t.width(), kNumberBand - kNumberSpacing);
    const double middle = (minimum_ + maximum_) / 2.0;
    p.drawText(band, Qt::AlignLeft | Qt::AlignTop, locale().toString(minimum_, 'f', decimals_));
    p.drawText(band, Qt::AlignHCenter | Qt::AlignTop, locale().toString(middle, 'f', decimals_));
    p.drawText(band, Qt::AlignRight | Qt::AlignTop, locale().toString(maximum_, 'f', decimals_));
}

} // namespace zantrel
