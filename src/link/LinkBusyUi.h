#pragma once

#include <QObject>

namespace zantrel {

class LinkGate;

// While a job holds the link the window shows a busy cursor and holds off the user's
// input (keys, clicks, the wheel), so that nothing the user does reaches the controller
// between a job's frames; painting, timers and the window manager's pings go on.
class LinkBusyUi final : public QObject {
    Q_OBJECT
public:
    explicit LinkBusyUi(LinkGate& gate, QObject* parent = nullptr);
    ~LinkBusyUi() override;

    bool HoldingInput() const { return holding_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void busyChanged(bool busy);

    bool holding_ = false;
};

} // namespace zantrel
