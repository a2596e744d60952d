#include "widgets/KeptPicture.h"

#include <QPainter>
#include <QWidget>

#include <vector>

namespace zantrel {

QPixmap BackdropPictureFor(const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap picture(widget.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(widget.window()->palette().color(QPalette::Window));
    // Each ancestor's own painting under the widget, from the window down; neither their
    // backgrounds (that would cover a pane with the window colour) nor their children.
    std::vector<QWidget*> ancestors;
    for (QWidget* w = widget.parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget())
        ancestors.push_back(w);
    QPainter painter(&picture);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        const QRect under(widget.mapTo(*it, QPoint()), widget.size());
        (*it)->render(&painter, QPoint(), QRegion(under), QWidget::RenderFlags());
    }
    return picture;
}

} // namespace zantrel
