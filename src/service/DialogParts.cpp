#include "service/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace zantrel {

DialogButtons AddDialogButtons(QDialog& dialog, const QString& acceptText, const QString& acceptName,
                               const QString& cancelText, const QString& cancelName)
{
    DialogButtons buttons{Named(new QPushButton(acceptText, &dialog), acceptName),
                          Named(new QPushButton(cancelText, &dialog), cancelName), new QHBoxLayout};
    for (QPushButton* b : {buttons.accept, buttons.cancel})
        b->setAutoDefault(false);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.accept);
    buttons.row->addWidget(buttons.cancel);
    return buttons;
}

} // namespace zantrel
