#include "config/TurboPressureWindow.h"

#include "base/ShellWindow.h"
#include "config/ParameterTransfer.h"
#include "config/ParameterUnits.h"
#include "image/ParameterTable.h"
#include "image/ParameterWordIndex.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <optional>

namespace zantrel {

namespace {

constexpr int kMaximumPosition = 65;

} // namespace

TForm15::TForm15(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm15"));
    auto* grid = new QGridLayout(this);
    auto* caption = new QLabel(QStringLiteral("Ustal ciśnienie doładowania Turbiny:"), this);
    caption->setObjectName(QStringLiteral("LabelTurbo"));
    grid->addWidget(caption, 0, 0, 1, 3);
    ScrollBarTurbo = new QScrollBar(Qt::Horizontal, this);
    ScrollBarTurbo->setObjectName(QStringLiteral("ScrollBarTurbo"));
    ScrollBarTurbo->setRange(0, kMaximumPosition);
    ScrollBarTurbo->setValue(kPositionAtCreation);
    ScrollBarTurbo->setMinimumWidth(260);
    grid->addWidget(ScrollBarTurbo, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("0 [Bar]"), this), 2, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("0,5 [Bar]"), this), 2, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("1 [Bar]"), this), 2, 2, Qt::AlignRight);
    auto* ok = new QPushButton(QStringLiteral("Zapisz zmiany"), this);
    auto* cancel = new QPushButton(QStringLiteral("ANULUJ"), this);
    ok->setObjectName(QStringLiteral("ButtonZapisz"));
    cancel->setObjectName(QStringLiteral("ButtonAnuluj"));
    grid->addWidget(ok, 3, 0);
    grid->addWidget(cancel, 3, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TurboBoostUi::TurboBoostUi(ShellWindow& window, TForm15& dialog, ParameterTable& table, ParameterTransfer& transfer)
    : QObject(&window.Widget())
    , dialog_(dialog)
    , table_(table)
    , transfer_(transfer)
{
    for (const char* name : {"ButtonTURBO", "ButtonTURBOQuillon"}) {
        if (auto* button = window.Widget().findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(button, &QAbstractButton::clicked, this, &TurboBoostUi::SetBoost);
    }
}

bool TurboBoostUi::SetBoost()
{
    // The word's own conversion gives the position; the bar holds it to its range.
    if (table_.Known(kBoostWord))
        if (const std::optional<double> position = UserValue(table_, kBoostWord))
            dialog_.ScrollBarTurbo->setValue(int(*position));
    if (dialog_.exec() != QDialog::Accepted)
        return false;
    table_[kBoostWord] = *RawFromUser(table_, kBoostWord, dialog_.ScrollBarTurbo->value());
    return transfer_.WriteWord(kBoostWord);
}

} // namespace zantrel
