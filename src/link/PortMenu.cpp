#include "link/PortMenu.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "link/ConnectingWindow.h"
#include "link/EcuLink.h"
#include "link/PortChooserWindow.h"
#include "link/PortNames.h"

#include <QAction>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>

namespace zantrel {

QString PortItemName(int slot)
{
    return QStringLiteral("COM%1CTRL%1").arg(slot + 1) + QLatin1Char('1');
}

PortMenu::PortMenu(ShellWindow& window, TForm13& connecting, TForm14& chooser, QTimer& timerAutoconnect,
                   EcuLink& link, EcuCommands& commands, ControllerImage& image, const LanguageStrings& texts,
                   Prompter& prompter, LastPortStore& settings, std::function<void()> parameterRead)
    : QObject(&window.Widget())
    , window_(window)
    , timerAutoconnect_(timerAutoconnect)
    , link_(link)
    , texts_(texts)
    , prompter_(prompter)
    , settings_(settings)
    , parameterRead_(std::move(parameterRead))
    , connecting_(connecting)
    , chooser_(chooser)
    , manager_(link, commands, timerAutoconnect, timerReconnect_, *this, image, texts)
{
    timerReconnect_.setObjectName(QStringLiteral("TimerReconnect"));

    connect(&timerReconnect_, &QTimer::timeout, this, [this] { manager_.ReconnectTick(); });
    connect(&link_, &EcuLink::PortLost, this, [this] { manager_.PortLost(); });
    for (int slot = 0; slot < kPortSlots; ++slot)
        connect(window_.MenuItem(PortItemName(slot)), &QAction::triggered, this,
                [this, slot] { manager_.ConnectOnPort(slot); });
    connect(window_.MenuItem(QStringLiteral("AutodetekcjaCTRLD1")), &QAction::triggered, this,
            [this] { manager_.ToggleAutodetect(); });
    connect(window_.MenuItem(QStringLiteral("COM_SET")), &QAction::triggered, this, &PortMenu::ChooseLastPort);
    connect(&timerAutoconnect_, &QTimer::timeout, this, [this] { manager_.AutoconnectTick(); });

    connect(&connecting_.Timer1, &QTimer::timeout, this, [this] {
        if (link_.Connected() && connecting_.isVisible())
            connecting_.close();
    });
    connect(&connecting_, &TForm13::Closed, &timerAutoconnect_, &QTimer::stop);

    connect(&chooser_, &TForm14::PortNumberMoved, this,
            [this](int number) { link_.SetLastPortName(LastPortNameForNumber(number)); });
}

void PortMenu::ShowLastPort()
{
    window_.MenuItem(PortItemName(kLastPortSlot))->setText(PortItemCaption(link_.LastPortName()));
}

void PortMenu::ChooseLastPort()
{
    const bool pathInUse = ComNumberOf(link_.LastPortName()) == 0;
    chooser_.PrepareForPortChoice(texts_[Text::SetPort], pathInUse ? link_.LastPortName() : QString());
    if (chooser_.exec() != QDialog::Accepted)
        return;
    manager_.StopReconnecting();
    const QString path = chooser_.EditDevicePath->text().trimmed();
    // No path typed and no number chosen (which names the last port at once): the device
    // path in use and the store stay as they are.
    if (path.isEmpty() && ComNumberOf(link_.LastPortName()) == 0)
        return;
    QString problem;
    if (path.isEmpty()) {
        const int number = chooser_.TrackBarCom->value();
        link_.SetLastPortName(LastPortNameForNumber(number));
        problem = settings_.RememberLastPort(number);
    } else {
        link_.SetLastPortName(path);
        problem = settings_.RememberLastPortDevice(path);
    }
    ShowLastPort();
    if (!problem.isEmpty())
        prompter_.Inform(QString(), problem);
}

void PortMenu::SetCaption(const QString& caption)
{
    window_.SetCaption(caption);
}

void PortMenu::CheckPortItem(int slot)
{
    for (int s = 0; s < kPortSlots; ++s)
        window_.MenuItem(PortItemName(s))->setChecked(s == slot);
}

void PortMenu::ShowConnectingWindow()
{
    connecting_.ShowCentred();
}

void PortMenu::CloseConnectingWindow()
{
    connecting_.close();
}

void PortMenu::SetConnectingStatus(const QString& text)
{
    connecting_.EditStatus2->setText(text);
}

void PortMenu::ShowMessage(const QString& text)
{
    prompter_.Inform(QString(), text);
}

void PortMenu::ShowLinkNote(const QString& text)
{
    window_.ShowNote(text);
}

void PortMenu::StartParameterRead()
{
    if (parameterRead_)
        parameterRead_();
}

} // namespace zantrel
