#include "link/ConnectionManager.h"

#include "base/LanguageStrings.h"
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
                                     ConnectionView& view, const LanguageStrings& texts)
    : link_(link)
    , commands_(commands)
    , timer_(timerAutoconnect)
    , view_(view)
    , texts_(texts)
{
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
    identity_ = *id;
    return true;
}

bool ConnectionManager::ConnectOnPort(int slot)
{
    timer_.stop();
    link_.SetPortSlot(slot);
    link_.SetPortName(PortSlotName(slot, link_.LastPortName()));
    link_.ClosePort();
    bool ok = false;
    if (!link_.OpenPort()) {
        view_.ShowMessage(texts_[Text::PortBusy]);
    } else if (ProbeIdentify()) {
        view_.SetCaption(IdentityCaption(BaseCaption(texts_), QString(), identity_));
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
    view_.CheckPortItem(link_.PortSlot());
    view_.SetConnectingStatus(ProgressText(link_.PortSlot(), probeTries_));
    const QString caption = IdentityCaption(BaseCaption(texts_), kEditionText, identity_);
    view_.SetCaption(caption);
    captionWithIdentity_ = caption;
    link_.SetConnected(true);
    timer_.stop();
    view_.CloseConnectingWindow();
    view_.StartParameterRead();
}

} // namespace zantrel
