#include "live/DiagnosticTimes.h"

#include "live/DisplayField.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zantrel {

DiagnosticTimes::DiagnosticTimes(QWidget* page)
    : QObject(page)
{
    Column = new QVBoxLayout(page);
    GroupPetrol = buildRow(page, QStringLiteral("Czas Wtrysku Benz."), "EditB", EditB_Diag);
    GroupGas = buildRow(page, QStringLiteral("Czas Wtrysku LPG"), "EditG", EditG_Diag);
    Column->addWidget(GroupPetrol);
    Column->addWidget(GroupGas);
    Column->addStretch(1);
}

QGroupBox* DiagnosticTimes::buildRow(QWidget* page, const QString& title, const char* prefix,
                                     std::array<QLineEdit*, live::kCylinders>& fields)
{
    auto* group = new QGroupBox(title, page);
    group->setObjectName(QStringLiteral("GroupBoxCzas") + QString::fromLatin1(prefix));
    auto* grid = new QGridLayout(group);
    for (int c = 0; c < live::kCylinders; ++c) {
        const QString n = QString::number(c + 1);
        fields[size_t(c)] = NewDisplayField(QString::fromLatin1(prefix) + n + QStringLiteral("_Diag"), kTimeSample, group);
        grid->addWidget(NewCaption(n, group), 0, c);
        grid->addWidget(fields[size_t(c)], 1, c);
    }
    return group;
}

void DiagnosticTimes::Show(const LiveViewModel& view)
{
    for (int c = 0; c < live::kCylinders; ++c) {
        EditB_Diag[size_t(c)]->setText(view.petrolTimes[size_t(c)]);
        EditG_Diag[size_t(c)]->setText(view.gasTimes[size_t(c)]);
    }
}

} // namespace zantrel
