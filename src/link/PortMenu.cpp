#include "link/PortMenu.h"

#include "app/LanguageStrings.h"
#include "app/MainWindow.h"
#include "app/Prompter.h"
#include "app/RegistrySettings.h"
#include "link/ConnectingWindow.h"
#include "link/EcuLink.h"
#include "link/PortChooserWindow.h"
#include "link/PortNames.h"

#include <QAction>
#include <QLineEdit>
#include <QSlider>

namespace zantrel {

QString PortItemName(int slot)
{
    return QStringLiteral("COM%1CTRL%1").arg(slot + 1) + QLatin1Char('1');
}

PortMenu::PortMenu(TForm1& window, EcuLink& link, EcuCommands& commands, const LanguageStrings& texts,
                   Prompter& prompter, RegistrySettings& settings, std::function<void()> parameterRead)
    : QObject(&window)
    , window_(window)
    , link_(link)
    , texts_(texts)
    , prompter_(prompter)
    , settings_(settings)
    , parameterRead_(std::move(parameterRead))
    , connecting_(*window.Form13)
    , chooser_(*window.Form14)
    , manager_(link, commands, window.TimerAutoconnect, *this, texts)
{
    for (int slot = 0; slot < kPortSlots; ++slot)
        connect(window_.MenuItem(PortItemName(slot)), &QAction::triggered, this,
                [this, slot] { manager_.ConnectOnPort(slot); });
    connect(window_.MenuItem(QStringLiteral("AutodetekcjaCTRLD1")), &QAction::triggered, this,
            [this] { manager_.ToggleAutodetect(); });
    connect(window_.MenuItem(QStringLiteral("COM_SET")), &QAction::triggered, this, &PortMenu::ChooseLastPort);
    connect(&window_.TimerAutoconnect, &QTimer::timeout, this, [this] { manager_.AutoconnectTick(); });

    connect(&connecting_.Timer1, &QTimer::timeout, this, [this] {
        if (link_.Connected() && connecting_.isVisible())
            connecting_.close();
    });
    connect(&connecting_, &TForm13::Closed, &window_.TimerAutoconnect, &QTimer::stop);

    connect(&chooser_, &TForm14::PortNumberMoved, this,
            [this](int number) { link_.SetLastPortName(LastPortNameForNumber(number)); });
}

void PortMenu::ShowLastPort()
{
    window_.MenuItem(PortItemName(kLastPortSlot))->setText(PortItemCaption(link_.LastPortName()));
}

void PortMenu::ChooseLastPort()
{
    chooser_.PrepareForPortChoice(texts_[Text::SetPort]);
    if (chooser_.exec() != QDialog::Accepted)
        return;
    const QString path = chooser_.EditDevicePath->text().trimmed();
    RegistrySettings::Problem problem;
    if (path.isEmpty()) {
        const int number = chooser_.TrackBarCom->value();
        link_.SetLastPortName(LastPortNameForNumber(number));
        problem = settings_.SaveLastPort(number);
    } else {
        link_.SetLastPortName(path);
        problem = settings_.SaveLastPortDevice(path);
    }
    ShowLastPort();
    if (problem != RegistrySettings::Problem::None)
        prompter_.Inform(QString(), SettingsProblemText(texts_, problem, settings_.location()));
}

void PortMenu::SetCaption(const QString& caption)
{
    window_.setWindowTitle(caption);
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

void PortMenu::StartParameterRead()
{
    if (parameterRead_)
        parameterRead_();
}

} // namespace zantrel
