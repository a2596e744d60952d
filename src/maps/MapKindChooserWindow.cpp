#include "maps/MapKindChooserWindow.h"

namespace zantrel {

TForm9::TForm9(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm9"));
}

} // namespace zantrel
