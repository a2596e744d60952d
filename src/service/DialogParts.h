#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace zantrel {

template <typename W>
W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// The two buttons at the bottom right of a dialog: what the first does is its owner's,
// the second rejects the dialog. Neither is the default button: Enter belongs to the
// fields.
struct DialogButtons {
    QPushButton* accept;
    QPushButton* cancel;
    QHBoxLayout* row;
};
DialogButtons AddDialogButtons(QDialog& dialog, const QString& acceptText, const QString& acceptName,
                               const QString& cancelText, const QString& cancelName);

} // namespace zantrel
