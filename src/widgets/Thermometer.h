#pragma once

#include <QPixmap>
#include <QWidget>

namespace zantrel {

// A glass thermometer: a bulb and a tube filled up to the temperature, with a scale in
// °C beside it. Values beyond the scale fill the tube to its end. The glass and the scale
// are drawn once into a picture, kept until the size or the scale changes.
class Thermometer final : public QWidget {
    Q_OBJECT
public:
    explicit Thermometer(QWidget* parent = nullptr);

    void setScale(int minimum, int maximum, int step);
    void setValue(double celsius);
    double value() const { return value_; }

    QSize sizeHint() const override { return {64, 180}; }
    QSize minimumSizeHint() const override { return {48, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where things are for the current size.
    struct Geometry {
        double x;      // the tube's centre line
        double bulbY;  // the bulb's centre
        double top;    // of the tube
        double scaleTop;
        double scaleBottom;
    };
    Geometry geometry() const;
    double levelOf(const Geometry& g, double value) const;
    void paintGlassAndScale(QPainter& p, const Geometry& g) const;

    int minimum_ = -40;
    int maximum_ = 120;
    int step_ = 20;
    double value_ = 0.0;
    QPixmap glass_; // null until painted for the current size and scale
};

} // namespace zantrel
