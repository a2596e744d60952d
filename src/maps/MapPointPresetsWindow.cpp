#include "maps/MapPointPresetsWindow.h"

namespace zantrel {

TForm8::TForm8(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm8"));
}

} // namespace zantrel
