#include "live/RecordingDialogs.h"

#include "live/RecordingFile.h"

#include <QFileDialog>

namespace zantrel {

namespace {

QString run(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString ChooseRecordingToSave(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ZapiszDaneRamkiDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(kRecordingSuffix);
    dialog.setNameFilter(QStringLiteral("*.jovr* (*.jovr*)"));
    dialog.selectFile(kDefaultRecordingName);
    return run(dialog);
}

QString ChooseRecordingToOpen(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("OpenDialogDEMO"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Pliki Demo (*.jovr)"));
    return run(dialog);
}

} // namespace zantrel
