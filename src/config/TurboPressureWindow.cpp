#include "config/TurboPressureWindow.h"

namespace zantrel {

TForm15::TForm15(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm15"));
}

} // namespace zantrel
