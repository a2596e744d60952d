#include "config/ParameterFilesUi.h"

#include "base/LanguageStrings.h"
#include "base/ShellWindow.h"
#include "config/ParameterTransfer.h"
#include "reports/SpreadsheetExport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zantrel {

namespace {

constexpr char kOpenFilter[] = "*.qevp *qevp*";

std::optional<QString> chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

ParameterFilesUi::ParameterFilesUi(ShellWindow& window, LinkGate& gate, ControllerImage& image,
                                   ParameterTransfer& transfer, ParameterTransferView& progress,
                                   const ScreenTexts& form, Prompter& prompter, const LanguageStrings& texts,
                                   const QString& workingDirectory, std::function<void()> refresh)
    : QObject(&window.Widget())
    , window_(window)
    , progress_(progress)
    , form_(form)
    , texts_(texts)
    , refresh_(std::move(refresh))
    , files_(gate, image, transfer, *this, prompter, texts, QDir(workingDirectory).filePath(QLatin1String(kParameterFolder)),
             window.EntrySeparators().decimal)
{
    connect(window.MenuItem(QStringLiteral("ZapiszParametryCTRLS1")), &QAction::triggered, this,
            [this] { files_.Save(); });
    connect(window.MenuItem(QStringLiteral("OdczytajParametryCTRLO1")), &QAction::triggered, this,
            [this] { files_.LoadAndProgram(); });
    connect(window.MenuItem(QStringLiteral("Odczytajparametrybezwlstero1")), &QAction::triggered, this,
            [this] { files_.LoadWithoutController(); });
}

std::optional<QString> ParameterFilesUi::SavePath(const QString& folder)
{
    QFileDialog dialog(&window_.Widget());
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDirectory(folder);
    dialog.setDefaultSuffix(QLatin1String(kParameterFileExtension));
    return chosen(dialog);
}

std::optional<QString> ParameterFilesUi::OpenPath(const QString& folder)
{
    QFileDialog dialog(&window_.Widget());
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDirectory(folder);
    dialog.setNameFilter(QLatin1String(kOpenFilter));
    dialog.setDefaultSuffix(QLatin1String(kParameterFileExtension));
    return chosen(dialog);
}

bool ParameterFilesUi::FormComplete() const
{
    return ExportFieldsFilled(form_);
}

bool ParameterFilesUi::ConfirmLoad(const QStringList& differences)
{
    QMessageBox box(QMessageBox::Question, texts_[Text::FileCompareCaption], differences.join(u'\n'),
                    QMessageBox::NoButton, &window_.Widget());
    box.setObjectName(QStringLiteral("FileComparisonBox"));
    QPushButton* write = box.addButton(texts_[Text::WriteToController], QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(texts_[Text::CancelButton], QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == write;
}

void ParameterFilesUi::RefreshScreen()
{
    if (refresh_)
        refresh_();
}

void ParameterFilesUi::SetProgressMaximum(int maximum)
{
    progress_.SetProgressMaximum(maximum);
}

void ParameterFilesUi::SetProgressPosition(int position)
{
    progress_.SetProgressPosition(position);
}

void ParameterFilesUi::ShowNote(const QString& text)
{
    progress_.ShowNote(text);
}

} // namespace zantrel
