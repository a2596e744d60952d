#include "service/CarDataWindow.h"

namespace zantrel {

TForm5::TForm5(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm5"));
}

} // namespace zantrel
