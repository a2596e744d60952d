#include "app/MessageBoxPrompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace zantrel {

namespace {

// The share of the screen's height that the text may take before it scrolls.
constexpr double kMostOfTheScreen = 0.75;

// A text too tall for the screen scrolls inside the box instead of running off it.
void scrollWhenTooTall(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* screen = box.screen();
    if (!label || !grid || !screen)
        return;
    const int room = int(screen->availableGeometry().height() * kMostOfTheScreen);
    const QSize text = label->sizeHint();
    if (text.height() <= room)
        return;
    int row = 0, column = 0, rows = 1, columns = 1;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rows, &columns);
    grid->removeWidget(label);
    auto* scroll = new QScrollArea(&box);
    scroll->setObjectName(QStringLiteral("MessageScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(label);
    scroll->setMinimumSize(text.width() + scroll->verticalScrollBar()->sizeHint().width(), room);
    grid->addWidget(scroll, row, column, rows, columns);
}

int run(QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons, QWidget* parent)
{
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    scrollWhenTooTall(box);
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
