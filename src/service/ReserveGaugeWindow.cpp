#include "service/ReserveGaugeWindow.h"

#include "service/DialogParts.h"
#include "service/ReserveThresholdEntry.h"
#include "widgets/Led.h"

#include <QComboBox>
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
constexpr const char* kLevels[] = {"Rez.", "1/4", "1/2", "3/4", "Full"};

} // namespace

TForm12::TForm12(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm12"));
    setWindowTitle(QString::fromUtf8("Ustawienia Szkiełka Rezerwy"));
    setModal(true);

    auto* group = Named(new QGroupBox(QString::fromUtf8("Ustawienia Szkiełka Rezerwy"), this),
                        QStringLiteral("GroupBoxSzkielko"));
    auto* grid = new QGridLayout(group);
    for (size_t i = 0; i < Lamps.size(); ++i) {
        Lamps[i] = Named(new Led(group), QStringLiteral("Led%1").arg(i + 1));
        Lamps[i]->setCaption(QString::fromLatin1(kLevels[i]));
    }
    for (size_t i = 0; i < ThresholdEdits.size(); ++i) {
        ThresholdEdits[i] = Named(new QLineEdit(group), QString::fromLatin1(kReserveThresholdFields[i]));
        ThresholdEdits[i]->setFixedWidth(kFieldWidth);
    }
    // From the full tank at the top down to the reserve, each threshold between the two
    // levels it divides.
    int row = 0;
    for (int level = int(Lamps.size()) - 1; level >= 0; --level) {
        grid->addWidget(Lamps[size_t(level)], row++, 0);
        if (level > 0) {
            grid->addWidget(ThresholdEdits[size_t(level - 1)], row, 1);
            grid->addWidget(new QLabel(QStringLiteral("V"), group), row++, 2);
        }
    }
    ComboBoxSzkloRosMal = Named(new QComboBox(group), QStringLiteral("ComboBoxSzkloRosMal"));
    ComboBoxSzkloRosMal->addItems({QString::fromUtf8("Szkiełko Malejące"), QString::fromUtf8("Szkiełko Rosnące")});
    grid->addWidget(ComboBoxSzkloRosMal, row++, 0, 1, 3);

    EditPoziomLPG = Named(new QLineEdit(group), QStringLiteral("EditPoziomLPG"));
    EditPoziomLPG->setReadOnly(true);
    EditPoziomLPG->setFocusPolicy(Qt::NoFocus);
    EditPoziomLPG->setFixedWidth(kFieldWidth);
    grid->addWidget(EditPoziomLPG, row++, 1);

    EditOdswiezanieOczka = Named(new QLineEdit(group), QStringLiteral("EditOdswiezanieOczka"));
    EditOdswiezanieOczka->setFixedWidth(kFieldWidth);
    auto* refresh = new QLabel(QStringLiteral("Odswiezanie oczka"), group);
    refresh->setObjectName(QStringLiteral("LabelOdswiezanieOczka"));
    refresh->setBuddy(EditOdswiezanieOczka);
    grid->addWidget(refresh, row, 0);
    grid->addWidget(EditOdswiezanieOczka, row, 1);
    auto* unit = new QLabel(QStringLiteral("[sek.]"), group);
    unit->setObjectName(QStringLiteral("LabelOdswiezanieOczkaUnit"));
    grid->addWidget(unit, row++, 2);

    const DialogButtons buttons = AddDialogButtons(*this, QStringLiteral("Zapisz Zmiany !"), QStringLiteral("ButtonZapisz"),
                                                   QStringLiteral("Anuluj"), QStringLiteral("ButtonAnuluj"));
    ButtonZapisz = buttons.accept;
    ButtonAnuluj = buttons.cancel;

    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addLayout(buttons.row);
}

} // namespace zantrel
