#include "service/FuelSwitchUi.h"

#include "base/ShellWindow.h"
#include "live/LiveRecord.h"
#include "live/LiveViewModel.h"
#include "live/StatusPanel.h"
#include "service/FuelCommands.h"
#include "widgets/FuelButton.h"
#include "widgets/TankPicture.h"

#include <QAction>

namespace zantrel {

namespace {

// The tank picture a click shows when it finds the engine on gas.
constexpr int kTankPictureOnToggle = 4;

} // namespace

FuelSwitchUi::FuelSwitchUi(ShellWindow& window, EcuCommands& cmds, const LiveRecord& record, LiveViewState& view,
                           StatusPanel& panel, TankPicture& tank)
    : QObject(&window.Widget())
    , cmds_(cmds)
    , record_(record)
    , view_(view)
    , panel_(panel)
{
    const auto send = [this](FuelCommand command) {
        return [this, command] { SendFuelCommand(cmds_, record_, command); };
    };
    connect(panel.ButtonBenzyna, &FuelButton::clicked, this, send(FuelCommand::Petrol));
    connect(panel.ButtonAutomat, &FuelButton::clicked, this, [this] {
        SendFuelCommand(cmds_, record_, FuelCommand::Automatic);
        panel_.ShowFuelFaces(view_.fuelMode.AutomaticCommanded());
    });
    connect(panel.ButtonLPG, &FuelButton::clicked, this, [this] {
        SendFuelCommand(cmds_, record_, FuelCommand::Gas);
        if (record_.OnGas())
            showGasFaces();
    });
    connect(window.MenuItem(QStringLiteral("PrzecznaBenzyn1")), &QAction::triggered, this,
            send(FuelCommand::Petrol));
    connect(window.MenuItem(QStringLiteral("PrzecznaAutomat1")), &QAction::triggered, this,
            send(FuelCommand::Automatic));
    connect(window.MenuItem(QStringLiteral("PrzecznaLPG1")), &QAction::triggered, this, send(FuelCommand::Gas));

    const auto toggle = [this] {
        if (toggleReachesGas())
            showGasFaces();
    };
    QAction* spaceOption = window.MenuItem(QStringLiteral("spacjaprzelaczabg1"));
    connect(window.MenuItem(QStringLiteral("przelacznikbg")), &QAction::triggered, this,
            [spaceOption, toggle] {
                if (spaceOption->isChecked())
                    toggle();
            });
    connect(panel.BG_Brisca, &FuelButton::clicked, this, toggle);
    connect(&tank, &TankPicture::clicked, this, [this, &tank] {
        if (!toggleReachesGas())
            return;
        tank.setPicture(kTankPictureOnToggle);
        // The next record replaces it by the picture of the level.
        view_.shownLevelImage = kTankPictureOnToggle;
    });
}

bool FuelSwitchUi::toggleReachesGas()
{
    return ToggleFuel(cmds_, record_, view_.fuelMode.OnGas()) == FuelCommand::Gas && record_.OnGas();
}

void FuelSwitchUi::showGasFaces()
{
    panel_.ShowFuelFaces(view_.fuelMode.Show(record_));
}

} // namespace zantrel
