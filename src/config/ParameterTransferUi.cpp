#include "config/ParameterTransferUi.h"

#include "base/ShellWindow.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace zantrel {

ParameterTransferUi::ParameterTransferUi(ShellWindow& window, LinkGate& gate, ControllerImage& image,
                                         Prompter& prompter, const LanguageStrings& texts)
    : QObject(&window.Widget())
    , window_(window)
    , transfer_(gate, image, *this, prompter, texts)
{
    ButtonOdczytajParam = new QPushButton(QStringLiteral("O"), &window.Widget());
    ButtonOdczytajParam->setObjectName(QStringLiteral("ButtonOdczytajParam"));
    ButtonOdczytajParam->hide();
    ButtonZapisWszystkiego = new QPushButton(QStringLiteral("Z"), &window.Widget());
    ButtonZapisWszystkiego->setObjectName(QStringLiteral("ButtonZapisWszystkiego"));
    ButtonZapisWszystkiego->hide();

    ProgressBar1 = new QProgressBar(&window.Widget());
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 63);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximumHeight(14);
    window.StatusBar().addPermanentWidget(ProgressBar1, 1);
    window.StatusBar().setSizeGripEnabled(false);

    connect(ButtonOdczytajParam, &QPushButton::clicked, this, [this] { transfer_.ReadAll(); });
    connect(ButtonZapisWszystkiego, &QPushButton::clicked, this, [this] { transfer_.WriteAll(); });
    connect(window.MenuItem(QStringLiteral("ResetSystemu2")), &QAction::triggered, this,
            [this] { transfer_.MenuReset(); });
}

void ParameterTransferUi::SetProgressMaximum(int maximum)
{
    ProgressBar1->setRange(0, maximum);
}

void ParameterTransferUi::SetProgressPosition(int position)
{
    ProgressBar1->setValue(position);
}

void ParameterTransferUi::StepProgress()
{
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

std::vector<int> ParameterTransferUi::RefreshAfterRead()
{
    return refresh_ ? refresh_() : std::vector<int>{};
}

void ParameterTransferUi::ShowNote(const QString& text)
{
    window_.ShowNote(text);
}

} // namespace zantrel
