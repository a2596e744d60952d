#pragma once

#include <QAbstractButton>
#include <QImage>

#include <array>

namespace zantrel {

constexpr int kTankPictures = 6;

// The six pictures of the gas-level indicator: 0 while the engine runs on petrol, 1 the
// reserve up to 5 a full tank.
const std::array<QImage, kTankPictures>& TankImages();

// The gas-level indicator: shows one of the tank pictures. A click is a button click.
class TankPicture final : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{70, 68};

    explicit TankPicture(QWidget* parent = nullptr);

    // Pictures outside 0..5 are not shown.
    void setPicture(int index);
    int picture() const { return picture_; }

    QSize sizeHint() const override { return kPictureSize; }
    QSize minimumSizeHint() const override { return kPictureSize; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int picture_ = 0;
};

} // namespace zantrel
