#include "link/ConnectionManager.h"

#include "base/LanguageStrings.h"
#include "image/ControllerImage.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/PortNames.h"
#include "link/ReadSequences.h"

#include <QTimer>

namespace zantrel {

namespace {

// A port that opens gets three probes on consecutive ticks; the fourth tick moves on.
constexpr quint32 kProbesPerPort = 2;

} // namespace

ConnectionManager::ConnectionManager(EcuLink& link, EcuCommands& commands, QTimer& timerAutoconnect,
                                     QTimer& timerReconnect, ConnectionView& view, ControllerImage& image,
                                     const LanguageStrings& texts)
    : link_(link)
    , commands_(commands)
    , timer_(timerAutoconnect)
    , reconnectTimer_(timerReconnect)
    , view_(view)
    , image_(image)
    , texts_(texts)
{
    reconnectTimer_.setInterval(kReconnectIntervalMs);
}

const ControllerIdentity& ConnectionManager::Identity() const
{
    return image_.Identity();
}

QString ConnectionManager::ProgressText(int slot, quint32 tries)
{
    return QStringLiteral("COM %1. %2").arg(slot + 1).arg(tries);
}

QString ConnectionManager::IdentityCaption(const QString& base, const QString& edition,
                                           const ControllerIdentity& id)
{
    return base + edition + QStringLiteral(" H.%1 S.%2").arg(id.HardwareByte).arg(id.SoftwareByte);
}

bool ConnectionManager::ProbeIdentify()
{
    const std::optional<ControllerIdentity> id = ReadIdentify(commands_);
    if (!id)
        return false;
    image_.SetIdentity(*id);
    return true;
}

bool ConnectionManager::ConnectOnPort(int slot)
{
    if (link_.Reserved())
        return false;
    StopReconnecting();
    timer_.stop();
    link_.SetPortSlot(slot);
    link_.SetPortName(PortSlotName(slot, link_.LastPortName()));
    link_.ClosePort();
    bool ok = false;
    if (!link_.OpenPort()) {
        view_.ShowMessage(texts_[Text::PortBusy]);
    } else if (ProbeIdentify()) {
        view_.SetCaption(IdentityCaption(BaseCaption(texts_), QString(), Identity()));
        link_.SetConnected(true);
        ok = true;
    } else {
        link_.ClosePort();
        view_.ShowMessage(texts_[Text::NoController]);
    }
    view_.CheckPortItem(ok ? slot : -1);
    if (ok)
        view_.StartParameterRead();
    return ok;
}

void ConnectionManager::ToggleAutodetect()
{
    StopReconnecting();
    link_.SetConnected(false);
    probeTries_ = 0;
    if (timer_.isActive())
        timer_.stop();
    else
        timer_.start();
    view_.ShowConnectingWindow();
}

void ConnectionManager::nextSlot()
{
    link_.SelectPortSlot((link_.PortSlot() + 1) % kPortSlots);
}

void ConnectionManager::AutoconnectTick()
{
    // A job holds the link; the search goes on at the next tick after it.
    if (link_.Reserved())
        return;
    if (link_.PortOpen()) {
        if (probeTries_ >= kProbesPerPort) {
            link_.ClosePort();
            probeTries_ = 0;
            nextSlot();
        } else {
            ++probeTries_;
            if (ProbeIdentify()) {
                succeedAutodetect();
                return;
            }
        }
    }
    if (!link_.PortOpen()) {
        probeTries_ = 0;
        if (link_.OpenPort()) {
            if (ProbeIdentify()) {
                succeedAutodetect();
                return;
            }
        } else {
            nextSlot();
        }
    }
    view_.CheckPortItem(link_.PortSlot());
    view_.SetConnectingStatus(ProgressText(link_.PortSlot(), probeTries_));
}

void ConnectionManager::succeedAutodetect()
{
    view_.SetConnectingStatus(ProgressText(link_.PortSlot(), probeTries_));
    timer_.stop();
    view_.CloseConnectingWindow();
    connectAsAutodetect();
}

void ConnectionManager::connectAsAutodetect()
{
    view_.CheckPortItem(link_.PortSlot());
    const QString caption = IdentityCaption(BaseCaption(texts_), kEditionText, Identity());
    view_.SetCaption(caption);
    captionWithIdentity_ = caption;
    link_.SetConnected(true);
    view_.StartParameterRead();
}

void ConnectionManager::PortLost()
{
    // A port lost while searching is only the next one the search moves past.
    if (timer_.isActive())
        return;
    view_.ShowLinkNote(texts_[Text::PortLostRetrying].arg(link_.PortName()));
    reconnectTimer_.start();
}

void ConnectionManager::ReconnectTick()
{
    if (link_.Reserved() || link_.PortOpen())
        return;
    if (!link_.OpenPort())
        return;
    if (!ProbeIdentify()) {
        link_.ClosePort();
        return;
    }
    reconnectTimer_.stop();
    view_.ShowLinkNote(texts_[Text::Reconnected].arg(link_.PortName()));
    connectAsAutodetect();
}

void ConnectionManager::StopReconnecting()
{
    reconnectTimer_.stop();
}

bool ConnectionManager::Reconnecting() const
{
    return reconnectTimer_.isActive();
}

} // namespace zantrel
