#pragma once

#include <QWidget>

namespace zantrel {

// A glass thermometer: a bulb and a tube filled up to the temperature, with a scale in
// °C beside it. Values beyond the scale fill the tube to its end.
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

private:
    int minimum_ = -40;
    int maximum_ = 120;
    int step_ = 20;
    double value_ = 0.0;
};

} // namespace zantrel
