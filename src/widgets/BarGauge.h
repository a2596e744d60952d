#pragma once

#include "widgets/ScaleSector.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <vector>

namespace zantrel {

// A bar filled from its minimum up to the value. Without sectors the fill has one
// colour; with sectors each part of the bar takes its sector's colour, bright where it
// is filled and pale beyond the value. Optionally numbered at both ends and the middle.
// The trough, the pale sectors and the numbers are drawn once into a picture, kept until
// the size or the scale changes, so a new value paints only the filled part.
class BarGauge final : public QWidget {
    Q_OBJECT
public:
    explicit BarGauge(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

    // A full scale at or below the minimum shows an empty bar.
    void setRange(double minimum, double maximum);
    void setFillColour(const QColor& colour);
    void setSectors(std::vector<ScaleSector> sectors);
    // Numbers at the ends and the middle of the scale, with `decimals` places.
    void setScaleNumbers(bool shown, int decimals = 1);

    void setValue(double value);
    double value() const { return value_; }
    double maximum() const { return maximum_; }
    const std::vector<ScaleSector>& sectors() const { return sectors_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void paintScale(QPainter& p) const;
    void scaleChanged();
    // Share of the bar's length from the minimum to v, held to 0..1.
    double share(double v) const;
    QRectF trough() const;
    QRectF part(const QRectF& trough, double from, double to) const;

    Qt::Orientation orientation_;
    double minimum_ = 0.0;
    double maximum_ = 1.0;
    QColor fill_;
    std::vector<ScaleSector> sectors_;
    bool numbers_ = false;
    int decimals_ = 1;
    double value_ = 0.0;
    QPixmap scale_; // null until painted for the current size and scale
};

} // namespace zantrel
