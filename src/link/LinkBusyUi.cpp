#include "link/LinkBusyUi.h"

#include "link/LinkGate.h"

#include <QApplication>
#include <QEvent>

namespace zantrel {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

LinkBusyUi::LinkBusyUi(LinkGate& gate, QObject* parent)
    : QObject(parent)
{
    connect(&gate, &LinkGate::BusyChanged, this, &LinkBusyUi::busyChanged);
}

LinkBusyUi::~LinkBusyUi()
{
    busyChanged(false);
}

void LinkBusyUi::busyChanged(bool busy)
{
    if (busy == holding_)
        return;
    holding_ = busy;
    if (busy) {
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

bool LinkBusyUi::eventFilter(QObject* watched, QEvent* event)
{
    if (holding_ && isUserInput(event->type()))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace zantrel
