#pragma once

#include "image/ControllerIdentity.h"

#include <QString>
#include <QtGlobal>

class QTimer;

namespace zantrel {

class ControllerImage;
class EcuCommands;
class EcuLink;
class LanguageStrings;

// What the connection manager changes on screen. The main window implements it.
class ConnectionView {
public:
    virtual ~ConnectionView() = default;
    virtual void SetCaption(const QString& caption) = 0;
    // Checks the COM item of this slot and unchecks the others; -1 unchecks all.
    virtual void CheckPortItem(int slot) = 0;
    virtual void ShowConnectingWindow() = 0;
    virtual void CloseConnectingWindow() = 0;
    virtual void SetConnectingStatus(const QString& text) = 0;
    virtual void ShowMessage(const QString& text) = 0;
    // A note on what the link is doing by itself (a lost port, a reconnection).
    virtual void ShowLinkNote(const QString& text) = 0;
    // The full parameter read that follows a valid identify reply.
    virtual void StartParameterRead() = 0;
};

// Finds the controller: a connect on one port chosen from the menu, or autodetection
// that steps through the eight port slots on the 100 ms TimerAutoconnect, probing each
// open port with "I" three times before moving on. When a connected port goes away, it
// tries to reopen the same port once a second on its reconnect timer and, when the
// controller answers again, reconnects as autodetection would.
class ConnectionManager {
public:
    // The edition text that the autodetect path puts into the caption.
    static inline const QString kEditionText = QStringLiteral("v.7.3.0D Corvane");
    static constexpr int kReconnectIntervalMs = 1000;

    ConnectionManager(EcuLink& link, EcuCommands& commands, QTimer& timerAutoconnect, QTimer& timerReconnect,
                      ConnectionView& view, ControllerImage& image, const LanguageStrings& texts);

    // Menu items COM1..COM8: slot 0..7. True when a controller answered.
    bool ConnectOnPort(int slot);
    void ToggleAutodetect();
    void AutoconnectTick();
    bool ProbeIdentify();

    // The link closed a port whose device went away.
    void PortLost();
    void ReconnectTick();
    // The user chose another way to connect: no more reopening of the lost port.
    void StopReconnecting();
    bool Reconnecting() const;

    const ControllerIdentity& Identity() const;
    const QString& CaptionWithIdentity() const { return captionWithIdentity_; }
    quint32 ProbeTries() const { return probeTries_; }

    // "COM " + slot number + ". " + tries, the connecting window's progress text.
    static QString ProgressText(int slot, quint32 tries);
    static QString IdentityCaption(const QString& base, const QString& edition,
                                   const ControllerIdentity& id);

private:
    void succeedAutodetect();
    void connectAsAutodetect();
    void nextSlot();

    EcuLink& link_;
    EcuCommands& commands_;
    QTimer& timer_;
    QTimer& reconnectTimer_;
    ConnectionView& view_;
    ControllerImage& image_;
    const LanguageStrings& texts_;
    QString captionWithIdentity_;
    quint32 probeTries_ = 0;
};

} // namespace zantrel
