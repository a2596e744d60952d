#include "service/IdleCorrectionWindow.h"

namespace zantrel {

TForm11::TForm11(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm11"));
}

} // namespace zantrel
