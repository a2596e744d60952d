#include "widgets/TankPicture.h"

#include "widgets/InstrumentColours.h"

#include <QLinearGradient>
#include <QPainter>

namespace zantrel {

namespace {

constexpr int kSegments = 5;
constexpr QRectF kSegmentColumn{9, 8, 36, 52};
constexpr double kSegmentGap = 2.5;

// One picture: five segments from the reserve at the bottom to full at the top, the
// lowest `level` of them lit (none off gas); the reserve segment is red, the others green.
QImage drawTank(int level)
{
    const QSize size = TankPicture::kPictureSize;
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient panel(0, 0, 0, size.height());
    panel.setColorAt(0.0, QColor(70, 76, 86));
    panel.setColorAt(1.0, QColor(34, 37, 43));
    p.setPen(QPen(QColor(20, 22, 26), 1));
    p.setBrush(panel);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 8, 8);

    // The tank outline around the segments.
    p.setPen(QPen(QColor(190, 196, 204), 1.6));
    p.setBrush(QColor(18, 20, 24));
    p.drawRoundedRect(kSegmentColumn.adjusted(-4, -4, 4, 4), 7, 7);

    const double h = (kSegmentColumn.height() - (kSegments - 1) * kSegmentGap) / kSegments;
    for (int s = 0; s < kSegments; ++s) {
        const double top = kSegmentColumn.bottom() - (s + 1) * h - s * kSegmentGap;
        const QRectF segment(kSegmentColumn.left(), top, kSegmentColumn.width(), h);
        const QColor lit = s == 0 ? instrument::kAlarm : instrument::kGood;
        p.setPen(Qt::NoPen);
        p.setBrush(s < level ? lit : lit.darker(420));
        p.drawRoundedRect(segment, 2, 2);
    }

    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(220, 224, 230));
    const double labelX = kSegmentColumn.right() + 6;
    p.drawText(QRectF(labelX, kSegmentColumn.top() - 3, 16, 12), Qt::AlignCenter, QStringLiteral("F"));
    p.drawText(QRectF(labelX, kSegmentColumn.bottom() - 9, 16, 12), Qt::AlignCenter, QStringLiteral("R"));
    return picture;
}

} // namespace

const std::array<QImage, kTankPictures>& TankImages()
{
    static const std::array<QImage, kTankPictures> images = [] {
        std::array<QImage, kTankPictures> drawn;
        for (int level = 0; level < kTankPictures; ++level)
            drawn[size_t(level)] = drawTank(level);
        return drawn;
    }();
    return images;
}

TankPicture::TankPicture(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TankPicture::setPicture(int index)
{
    if (index < 0 || index >= kTankPictures || index == picture_)
        return;
    picture_ = index;
    update();
}

void TankPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& image = TankImages()[size_t(picture_)];
    p.drawImage((width() - image.width()) / 2, (height() - image.height()) / 2, image);
}

} // namespace zantrel
