#include "widgets/KeptPicture.h"

#include <QWidget>

namespace zantrel {

QPixmap ClearPictureFor(const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap picture(widget.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace zantrel
