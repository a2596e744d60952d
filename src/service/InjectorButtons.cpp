#include "service/InjectorButtons.h"

#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "link/CommandSet.h"
#include "live/LiveRecord.h"

#include <QGridLayout>
#include <QPushButton>

namespace zantrel {

namespace {

const QColor kOnColour(255, 0, 0);
const QColor kOffColour(0, 0, 0);

void setFontColour(QPushButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
}

} // namespace

InjectorButtons::InjectorButtons(ShellWindow& window, EcuCommands& cmds, LiveRecord& record,
                                 const LanguageStrings& texts, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , window_(window)
    , cmds_(cmds)
    , record_(record)
    , texts_(texts)
    , prompter_(prompter)
{
    setObjectName(QStringLiteral("InjectorButtons"));
    auto* grid = new QGridLayout(this);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    for (int n = 1; n <= kGasInjectors; ++n) {
        auto* button = new QPushButton(QStringLiteral("Wlaczony"), this);
        button->setObjectName(QStringLiteral("ButtonW%1").arg(n));
        button->setFont(font);
        setFontColour(button, kOnColour);
        connect(button, &QPushButton::clicked, this, [this, n] { ButtonWClick(n); });
        grid->addWidget(button, 0, n - 1);
        ButtonW[std::size_t(n - 1)] = button;
    }
    ButtonW[0]->setToolTip(QStringLiteral("Wylaczenie Wtrysku GAZOWEGO"));
    window.OnTextsChanged([this] { RefreshTexts(); });

    ButtonExitDiag = new QPushButton(QStringLiteral("Wyjscie"), this);
    ButtonExitDiag->setObjectName(QStringLiteral("ButtonExitDiag"));
    grid->addWidget(ButtonExitDiag, 1, kGasInjectors - 1);
    connect(ButtonExitDiag, &QPushButton::clicked, this, [this] {
        if (ConfirmLeave())
            window_.SelectTab(TabId::TabSheet4);
    });
}

void InjectorButtons::ButtonWClick(int injector)
{
    quint16& mask = record_[live::kInjectorMask];
    const bool off = ToggleInjector(mask, injector);
    QPushButton* button = ButtonW[std::size_t(injector - 1)];
    button->setText(texts_[InjectorCaption(off)]);
    setFontColour(button, off ? kOffColour : kOnColour);
    cmds_.SetInjectorMask(mask);
}

void InjectorButtons::RefreshTexts()
{
    const InjectorsOff off = offByColour();
    for (std::size_t i = 0; i < ButtonW.size(); ++i)
        ButtonW[i]->setText(texts_[InjectorCaption(off[i])]);
}

bool InjectorButtons::ConfirmLeave()
{
    const QString question = InjectorsOffQuestion(offByColour(), texts_);
    return question.isEmpty() || prompter_.AskYesNo(QString(), question);
}

InjectorsOff InjectorButtons::offByColour() const
{
    InjectorsOff off{};
    for (std::size_t i = 0; i < off.size(); ++i)
        off[i] = ButtonW[i]->palette().color(QPalette::ButtonText) == kOffColour;
    return off;
}

} // namespace zantrel
