#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

namespace zantrel::test {

// Does `act` on a dialog once it is shown and active (so that keys and the focus reach
// its controls), from inside the loop of its exec(): the dialogs a handler opens are
// modal and return only when they are closed.
inline void WhenShown(QDialog& dialog, std::function<void()> act)
{
    auto* poll = new QTimer(&dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &dialog, [poll, &dialog, act = std::move(act)] {
        if (!dialog.isVisible() || !dialog.isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

} // namespace zantrel::test
