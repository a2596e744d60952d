#include "maps/MapValueModifierWindow.h"

#include "base/EntryFilters.h"
#include "base/TypedKeyFilter.h"
#include "maps/MapColours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zantrel {

namespace {

constexpr int kFieldLength = 4;

} // namespace

TForm7::TForm7(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Modyfikator Mapy"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kDialogColour.red, kDialogColour.green, kDialogColour.blue));
    setPalette(colours);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Ustal Wartość:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(kFieldLength);
    FilterTypedKeys(*Edit1, &KeyFilterSignedInt);
    BitBtnOK = new QPushButton(QStringLiteral("OK"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);
    BitBtnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtnAnuluj->setObjectName(QStringLiteral("BitBtnAnuluj"));

    auto* column = new QVBoxLayout(this);
    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(Edit1);
    column->addLayout(field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtnOK);
    buttons->addWidget(BitBtnAnuluj);
    column->addLayout(buttons);

    connect(BitBtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> TForm7::AskValue(const std::optional<QString>& text)
{
    if (text)
        Edit1->setText(*text);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Edit1->text();
}

void TForm7::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace zantrel
