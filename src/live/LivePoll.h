#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtGlobal>

namespace zantrel {

class EcuCommands;
class EcuLink;
class LanguageStrings;
class LiveRecord;

// The live poll of the 25 ms timer. A tick sends "V" and begins a collection whose
// reply polls come from a 2 ms step timer, so the window is not held while the reply
// arrives. A reply with the right shape and checksum becomes the live record; the
// eleventh unusable reply in a row (missing, misshapen or with a wrong checksum) and
// every further one report "Com błąd". While a job holds the link a tick does nothing.
class LivePoll final : public QObject {
    Q_OBJECT
public:
    static constexpr quint8 kToleratedFailures = 10;

    LivePoll(EcuLink& link, EcuCommands& commands, LiveRecord& record, const LanguageStrings& texts,
             QObject* parent = nullptr);

    // One tick of the 25 ms timer. Without an identified controller it only reports
    // which of port and controller is missing; while a collection is still in flight it
    // does nothing.
    void Tick();
    // One reply poll of the collection in flight; the step timer calls it.
    void Step();

    quint8 PollFailures() const { return failures_; }
    bool Stepping() const { return stepTimer_.isActive(); }

signals:
    // A status text for the status field: link trouble.
    void StatusText(const QString& text);
    // A reply has become the live record. Listeners that show it should be connected
    // queued: this may be emitted inside another handler's link operation, which first
    // completes a collection in flight.
    void RecordAccepted();

private:
    void judgeReply();

    EcuLink& link_;
    EcuCommands& commands_;
    LiveRecord& record_;
    const LanguageStrings& texts_;
    QTimer stepTimer_;
    quint8 failures_ = 0;
};

} // namespace zantrel
