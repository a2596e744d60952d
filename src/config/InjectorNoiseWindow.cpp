#include "config/InjectorNoiseWindow.h"

namespace zantrel {

TForm6::TForm6(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm6"));
}

} // namespace zantrel
