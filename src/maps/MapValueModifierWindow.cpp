#include "maps/MapValueModifierWindow.h"

namespace zantrel {

TForm7::TForm7(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm7"));
}

} // namespace zantrel
