#include "link/PortChooserWindow.h"

namespace zantrel {

TForm14::TForm14(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm14"));
}

} // namespace zantrel
