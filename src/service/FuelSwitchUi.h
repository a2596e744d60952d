#pragma once

#include <QObject>

namespace zantrel {

class EcuCommands;
class LiveRecord;
class StatusPanel;
class ShellWindow;
class TankPicture;
struct LiveViewState;

// The fuel commands of the window: the three fuel buttons, the "Komenda" items, and the
// toggles of the space bar (while its option is checked), the fuel button of the status
// panel and the tank picture.
class FuelSwitchUi final : public QObject {
    Q_OBJECT
public:
    FuelSwitchUi(ShellWindow& window, EcuCommands& cmds, const LiveRecord& record, LiveViewState& view,
                 StatusPanel& panel, TankPicture& tank);

private:
    // The toggle; true when it commanded gas and the last record already reports gas.
    bool toggleReachesGas();
    void showGasFaces();

    EcuCommands& cmds_;
    const LiveRecord& record_;
    LiveViewState& view_;
    StatusPanel& panel_;
};

} // namespace zantrel
