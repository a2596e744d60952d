#include "app/MessageBoxPrompter.h"

#include <QMessageBox>

namespace zantrel {

namespace {

int run(QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons, QWidget* parent)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box.exec();
}

} // namespace

bool MessageBoxPrompter::AskYesNo(const QString& caption, const QString& text)
{
    return run(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent_)
        == QMessageBox::Yes;
}

void MessageBoxPrompter::Inform(const QString& caption, const QString& text)
{
    run(QMessageBox::Information, caption, text, QMessageBox::Ok, parent_);
}

} // namespace zantrel
