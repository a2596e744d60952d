#include "service/ReserveGaugeWindow.h"

namespace zantrel {

TForm12::TForm12(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm12"));
}

} // namespace zantrel
