#include "service/IdleCorrectionUi.h"

#include "base/ShellWindow.h"
#include "service/FactoryTab.h"
#include "service/FieldEntry.h"
#include "service/IdleCorrectionWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace zantrel {

IdleCorrectionUi::IdleCorrectionUi(ShellWindow& window, TForm11& dialog, FactoryTab& factory)
    : QObject(&window.Widget())
    , dialog_(dialog)
    , factory_(factory)
{
    InstallEntryFilter(*dialog_.EditPrzesuniecie2, EntryKind::SignedDecimal, window.EntrySeparators());
    connect(dialog_.ButtonWprowadz, &QPushButton::clicked, this, &IdleCorrectionUi::enter);
    if (auto* button = window.Widget().findChild<QPushButton*>(QStringLiteral("PoprawkiButton")))
        connect(button, &QPushButton::clicked, this, &IdleCorrectionUi::Open);
}

bool IdleCorrectionUi::Open()
{
    for (size_t i = 0; i < dialog_.CheckBoxes.size(); ++i)
        dialog_.CheckBoxes[i]->setChecked(factory_.CheckBoxes[i]->isChecked());
    dialog_.EditPrzesuniecie2->setText(factory_.EditPrzesuniecie2->text());
    return dialog_.exec() == QDialog::Accepted;
}

// A correction that is no number is reported and nothing is written; the dialog stays.
void IdleCorrectionUi::enter()
{
    for (size_t i = 0; i < dialog_.CheckBoxes.size(); ++i)
        factory_.CheckBoxes[i]->setChecked(dialog_.CheckBoxes[i]->isChecked());
    factory_.EditPrzesuniecie2->setText(dialog_.EditPrzesuniecie2->text());
    if (!factory_.EnterExtraCorrection())
        return;
    dialog_.EditPrzesuniecie2->setText(factory_.EditPrzesuniecie2->text());
    dialog_.accept();
}

} // namespace zantrel
