#pragma once

#include <QPixmap>

class QWidget;

namespace zantrel {

// A picture of the widget's size at its pixel ratio holding what its ancestors paint
// behind it (a tab's pane, a group box's panel), for the parts of an instrument that it
// keeps between paints. Drawn first at every paint, it covers the whole widget, so the
// instrument is opaque and nothing behind it is painted again when it changes.
QPixmap BackdropPictureFor(const QWidget& widget);

} // namespace zantrel
