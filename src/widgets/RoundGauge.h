#pragma once

#include "widgets/ScaleSector.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <vector>

namespace zantrel {

// A round meter with a 270° scale: a needle over numbered major ticks, minor ticks,
// optional coloured sectors along the scale and a caption (name and unit) on the face.
// The face is drawn once into a picture and kept until the size or the scale changes, so
// a new value paints only the needle.
class RoundGauge final : public QWidget {
    Q_OBJECT
public:
    explicit RoundGauge(QWidget* parent = nullptr);

    // The scale from `minimum` to `maximum`, numbered every `majorStep` with
    // `minorTicks` divisions between numbers and `decimals` places in the numbers.
    void setScale(double minimum, double maximum, double majorStep, int minorTicks, int decimals = 0);
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setSectors(std::vector<ScaleSector> sectors);

    // The needle stops at the ends of the scale.
    void setValue(double value);
    double value() const { return value_; }

    QSize sizeHint() const override { return {220, 220}; }
    QSize minimumSizeHint() const override { return {110, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    double angleOf(double value) const;
    // Where the needle and its cap lie at `value`, in the widget's pixels.
    QRect needleArea(double value) const;
    // The painter's frame: the centre at the origin, the face 100 units in radius.
    void toFace(QPainter& p) const;
    void paintFace(QPainter& p) const;
    void paintNeedle(QPainter& p) const;
    void faceChanged();

    double minimum_ = 0.0;
    double maximum_ = 1.0;
    double majorStep_ = 0.1;
    int minorTicks_ = 1;
    int decimals_ = 0;
    QString caption_;
    std::vector<ScaleSector> sectors_;
    double value_ = 0.0;
    QPixmap face_; // null until painted for the current size and scale
};

} // namespace zantrel
