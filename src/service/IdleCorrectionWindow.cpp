#include "service/IdleCorrectionWindow.h"

#include "service/DialogParts.h"
#include "service/ExtraIdleCorrection.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kFieldWidth = 60;
constexpr int kColumns = 4;

constexpr const char* kExplanation =
    "Wybierz wtryskiwacze na których  chcesz  ustawić dodatkową korektę czasu wtrysku biegu jałowego. "
    "Stosowane w silnikach widlastych dla wyrównania czasów wtrysku na poszczególne strony";

} // namespace

TForm11::TForm11(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm11"));
    setWindowTitle(QStringLiteral("Korekta na wtryskiwacz"));
    setModal(true);

    auto* explanation = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation->setObjectName(QStringLiteral("LabelOpis"));
    explanation->setWordWrap(true);

    auto* group = new QGroupBox(QStringLiteral("Poprawka Dodatkowa"), this);
    group->setObjectName(QStringLiteral("GroupBoxPoprawkaDodatkowa"));
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < CheckBoxes.size(); ++i) {
        CheckBoxes[i] = new QCheckBox(QStringLiteral("Wtrysk%1").arg(i + 1), group);
        CheckBoxes[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        grid->addWidget(CheckBoxes[i], int(i) / kColumns, int(i) % kColumns);
    }
    EditPrzesuniecie2 = new QLineEdit(group);
    EditPrzesuniecie2->setObjectName(QStringLiteral("EditPrzesuniecie2"));
    EditPrzesuniecie2->setFixedWidth(kFieldWidth);
    const NamedCaption& caption = ExtraCorrectionLabels()[0];
    auto* label = new QLabel(QString::fromUtf8(caption.caption), group);
    label->setObjectName(QString::fromLatin1(caption.name));
    label->setBuddy(EditPrzesuniecie2);
    auto* correction = new QHBoxLayout;
    correction->addWidget(label);
    correction->addWidget(EditPrzesuniecie2);
    correction->addWidget(new QLabel(QStringLiteral("[ms]"), group));
    correction->addStretch(1);
    grid->addLayout(correction, 2, 0, 1, kColumns);

    const DialogButtons buttons = AddDialogButtons(*this, QString::fromUtf8("Wprowadź"), QStringLiteral("ButtonWprowadz"),
                                                   QStringLiteral("Anuluj"), QStringLiteral("ButtonAnuluj"));
    ButtonWprowadz = buttons.accept;
    ButtonAnuluj = buttons.cancel;

    auto* column = new QVBoxLayout(this);
    column->addWidget(explanation);
    column->addWidget(group);
    column->addLayout(buttons.row);
}

} // namespace zantrel
