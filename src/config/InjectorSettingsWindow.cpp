#include "config/InjectorSettingsWindow.h"

namespace zantrel {

TForm10::TForm10(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm10"));
}

} // namespace zantrel
