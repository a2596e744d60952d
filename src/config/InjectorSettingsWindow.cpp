#include "config/InjectorSettingsWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr const char* kLabels[] = {"Maksymalny czas wtrysku gazu", "Minimalne otwarcie wtrysku gazu",
                                   "Pełne otwarcie wtrysku", "Procentowe podtrzymanie",
                                   "Opóź. zał. wtrysku gazu do benz"};
constexpr const char* kUnits[] = {"[ms]", "[ms]", "[ms]", "[%]", "[ms]"};
constexpr int kFieldWidth = 70;

} // namespace

TForm10::TForm10(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QString::fromUtf8("Ustawienie wtryskiwaczy"));
    setModal(true);
    // The main window's colours, taken once when the dialog is made.
    if (parent)
        setPalette(parent->palette());
    auto* grid = new QGridLayout;
    for (size_t i = 0; i < Edits.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kEditNames[i]));
        edit->setFixedWidth(kFieldWidth);
        edit->installEventFilter(this);
        auto* label = new QLabel(QString::fromUtf8(kLabels[i]), this);
        label->setObjectName(QStringLiteral("Label") + edit->objectName().mid(4));
        label->setBuddy(edit);
        grid->addWidget(label, int(i), 0);
        grid->addWidget(edit, int(i), 1);
        grid->addWidget(new QLabel(QString::fromLatin1(kUnits[i]), this), int(i), 2);
        Edits[i] = edit;
    }
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setAutoDefault(false);
    ButtonAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    ButtonAnuluj->setObjectName(QStringLiteral("ButtonAnuluj"));
    ButtonAnuluj->setAutoDefault(false);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonAnuluj);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
}

bool TForm10::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const auto at = std::find(Edits.begin(), Edits.end(), edit);
    if (!edit || at == Edits.end())
        return QDialog::eventFilter(watched, event);
    const int index = int(at - Edits.begin());
    const int last = int(Edits.size()) - 1;
    if (event->type() == QEvent::FocusOut) {
        emit EditLeft(edit->objectName(), edit->text());
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        int to = -1;
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            to = index == last ? 0 : index + 1;
        else if (key == Qt::Key_PageDown)
            to = std::min(index + 1, last);
        else if (key == Qt::Key_PageUp)
            to = std::max(index - 1, 0);
        if (to >= 0) {
            Edits[size_t(to)]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zantrel
