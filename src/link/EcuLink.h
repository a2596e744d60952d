#pragma once

#include "link/CommandFrame.h"
#include "link/ReplyShapes.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

namespace zantrel {

class SerialIo;
class Pause;

// The single serial link to the controller. Sends one frame at a time with RTS raised
// only while it goes out, and collects replies by polling the receive queue at most 21
// times, 2 ms apart. What a reply means is for the caller to judge.
//
// While a job holds the link (Reserved), only the job's own steps reach the device: any
// other frame, collection or drain is refused and sends nothing. A device that fails a
// write or reports that it has gone is closed at once, and PortLost is emitted.
class EcuLink final : public QObject {
    Q_OBJECT
public:
    static constexpr int kReplyBufferSize = 128;
    static constexpr int kReceiveChunkSize = 768;
    static constexpr quint32 kMaxPolls = 21;
    static constexpr int kPollSleepMs = 2;
    static inline const QString kInitialLastPortName = QStringLiteral("\\\\.\\COM8");

    EcuLink(SerialIo& io, Pause& pause);

    bool OpenPort();
    bool ClosePort();
    void SelectPortSlot(int slot);
    bool SendFrame(const CommandFrame& frame);
    quint32 CollectReply(quint32 expected);
    void DrainInput();
    void ReadQueued(quint32 maximum);

    // The live poll's collection, a poll per timer tick instead of a sleep. `done` runs
    // when the collection ends, unless `owner` is gone by then; it must take what it needs
    // from the ReplyBuffer at once, because any other link operation first completes an
    // in-flight collection (the remaining polls, blocking) and then overwrites the buffer.
    // Refused (false) while a job holds the link.
    bool BeginCollect(quint32 expected, QObject* owner, std::function<void()> done);
    // One poll of the in-flight collection; true when it has ended.
    bool CollectStep();
    bool CollectionInFlight() const { return inFlight_; }
    void CompleteInFlight();

    // A protocol pause on the link's clock.
    void Sleep(int ms);

    // Whether a job holds the link; see LinkGate.
    bool Reserved() const { return reserved_; }

    bool PortOpen() const { return portOpen_; }
    bool Connected() const { return connected_; }
    void SetConnected(bool connected) { connected_ = connected; }
    bool ReplyComplete() const { return replyComplete_; }
    const std::array<quint8, kReplyBufferSize>& ReplyBuffer() const { return replyBuffer_; }
    Reply CurrentReply() const { return {replyBuffer_, replyComplete_}; }
    quint32 ReplyTotal() const { return replyTotal_; }
    quint32 PollCount() const { return pollCount_; }
    quint32 LastReadCount() const { return lastReadCount_; }

    int PortSlot() const { return portSlot_; }
    void SetPortSlot(int slot) { portSlot_ = quint8(slot & 7); }
    const QString& PortName() const { return portName_; }
    void SetPortName(const QString& name) { portName_ = name; }
    const QString& LastPortName() const { return lastPortName_; }
    void SetLastPortName(const QString& name) { lastPortName_ = name; }

    SerialIo& io() { return io_; }

signals:
    // The device went away while open; the port is closed already.
    void PortLost();

private:
    friend class JobRun;

    // Whether an operation may reach the device now: not while a job holds the link,
    // unless it is the job's own step.
    bool mayUse() const { return !reserved_ || jobStep_; }
    void startCollection(quint32 expected);
    void pollOnce();
    void losePort();

    SerialIo& io_;
    Pause& pause_;

    bool portOpen_ = false;
    bool connected_ = false;
    bool replyComplete_ = false;
    quint8 portSlot_ = 0;
    QString portName_ = QStringLiteral("COM1");
    QString lastPortName_ = kInitialLastPortName;

    std::array<quint8, kReplyBufferSize> replyBuffer_{};
    std::array<char, kReceiveChunkSize> receiveChunk_{};
    quint32 chunkCount_ = 0;
    quint32 replyTotal_ = 0;
    quint32 lastReadCount_ = 0;
    quint32 pollCount_ = 0;

    bool inFlight_ = false;
    quint32 expected_ = 0;
    QPointer<QObject> doneOwner_;
    bool doneHasOwner_ = false;
    std::function<void()> done_;

    bool reserved_ = false;
    bool jobStep_ = false;
};

} // namespace zantrel
