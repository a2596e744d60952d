#include "base/FieldStepFocus.h"

#include "base/EntryFilters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zantrel {

void ApplyFieldStep(QWidget& field, int qtKey)
{
    const FieldMove move = FieldStep(qtKey);
    if (move == FieldMove::None)
        return;
    const bool back = move == FieldMove::Previous;
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(&field, &tab);
}

} // namespace zantrel
