#include "live/TracePaintBox.h"

#include "live/TraceChannel.h"

#include <QPainter>

#include <cstring>

namespace zantrel {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kGrid(128, 128, 128);
const QColor kMinimumMarker(0, 128, 0);
const QColor kMaximumMarker(255, 0, 0);
const QColor kCursor(0, 0, 255);
const QColor kInk(0, 0, 0);

void cross(QPainter& p, const QPoint& at, const QColor& colour)
{
    p.setPen(QPen(colour, kTraceMarkerPen));
    p.drawLine(at.x() - kTraceMarkerHalf, at.y(), at.x() + kTraceMarkerHalf, at.y());
    p.drawLine(at.x(), at.y() - kTraceMarkerHalf, at.x(), at.y() + kTraceMarkerHalf);
}

void label(QPainter& p, const TraceLabel& text)
{
    QFont font = p.font();
    font.setPointSize(text.pointSize);
    p.setFont(font);
    p.drawText(QRect(text.at, QSize(200, 40)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text.text);
}

} // namespace

TracePaintBox::TracePaintBox(QWidget* parent)
    : QWidget(parent)
{
    // Every pixel comes from the drawing; nothing below needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TracePaintBox::drawGrid(const TraceScene& scene)
{
    grid_ = QImage(scene.size, QImage::Format_RGB32);
    gridX_ = scene.gridX;
    gridY_ = scene.gridY;
    if (grid_.isNull())
        return;
    grid_.fill(kBackground);
    QPainter p(&grid_);
    p.setPen(QPen(kGrid, 1, Qt::DotLine));
    for (const int x : scene.gridX)
        p.drawLine(x, 0, x, scene.size.height());
    for (const int y : scene.gridY)
        p.drawLine(0, y, scene.size.width(), y);
}

void TracePaintBox::Draw(const TraceScene& scene)
{
    const QSize size = scene.size;
    if (grid_.size() != size || gridX_ != scene.gridX || gridY_ != scene.gridY)
        drawGrid(scene);
    if (grid_.isNull())
        return;
    // Into the same picture each time: a new one of this size a record costs more than the drawing.
    if (picture_.size() != size || picture_.format() != grid_.format())
        picture_ = QImage(size, grid_.format());
    std::memcpy(picture_.bits(), grid_.constBits(), size_t(grid_.sizeInBytes()));
    QPainter p(&picture_);
    p.setFont(font());

    cross(p, scene.minimumMarker, kMinimumMarker);
    cross(p, scene.maximumMarker, kMaximumMarker);
    p.setPen(kInk);
    label(p, scene.maximumLabel);
    label(p, scene.minimumLabel);

    p.setPen(QPen(kCursor, 1));
    p.drawLine(kTraceCursorX, 0, kTraceCursorX, size.height());
    label(p, scene.cursorLabel);

    p.setPen(QPen(QColor(scene.colour.red, scene.colour.green, scene.colour.blue), 1));
    p.drawPolyline(scene.points, kTracePolylinePoints);

    p.setPen(kInk);
    label(p, scene.valueLabel);

    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    p.drawLine(0, 0, right, 0);
    p.drawLine(right, 0, right, bottom);
    p.drawLine(right, bottom, 0, bottom);
    p.drawLine(0, bottom, 0, 0);
    p.end();
    update();
}

void TracePaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (picture_.size() != size())
        p.fillRect(rect(), kBackground);
    p.drawImage(0, 0, picture_);
}

void TracePaintBox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit NeedsDrawing();
}

void TracePaintBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        emit NeedsDrawing();
}

} // namespace zantrel
