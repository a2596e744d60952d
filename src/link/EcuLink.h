#pragma once

#include "link/CommandFrame.h"
#include "link/ReplyShapes.h"

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
class EcuLink {
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
    // when the collection ends; it must take what it needs from the ReplyBuffer at once,
    // because any other link operation first completes an in-flight collection (the
    // remaining polls, blocking) and then overwrites the buffer.
    void BeginCollect(quint32 expected, std::function<void()> done);
    // One poll of the in-flight collection; true when it has ended.
    bool CollectStep();
    bool CollectionInFlight() const { return inFlight_; }
    void CompleteInFlight();

    // A protocol pause on the link's clock.
    void Sleep(int ms);

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

private:
    void startCollection(quint32 expected);
    void pollOnce();

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
    std::function<void()> done_;
};

} // namespace zantrel
