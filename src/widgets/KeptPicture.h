#pragma once

#include <QPixmap>

class QWidget;

namespace zantrel {

// A clear picture of the widget's size at its pixel ratio, for the parts of an instrument
// that it keeps between paints.
QPixmap ClearPictureFor(const QWidget& widget);

} // namespace zantrel
