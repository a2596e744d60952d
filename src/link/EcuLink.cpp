#include "link/EcuLink.h"

#include "link/Pause.h"
#include "link/PortNames.h"
#include "link/SerialIo.h"

#include <algorithm>
#include <cstring>

namespace zantrel {

EcuLink::EcuLink(SerialIo& io, Pause& pause)
    : io_(io)
    , pause_(pause)
{
}

bool EcuLink::OpenPort()
{
    CompleteInFlight();
    if (io_.isOpen())
        io_.close();
    portOpen_ = io_.open(DeviceForPortName(portName_));
    connected_ = false;
    return portOpen_;
}

bool EcuLink::ClosePort()
{
    CompleteInFlight();
    if (!io_.isOpen())
        return false;
    io_.close();
    portOpen_ = false;
    connected_ = false;
    return true;
}

void EcuLink::losePort()
{
    // What was queued for the device goes with it; a collection in flight ends unheard.
    inFlight_ = false;
    done_ = nullptr;
    if (io_.isOpen())
        io_.close();
    const bool wasOpen = portOpen_;
    portOpen_ = false;
    connected_ = false;
    if (wasOpen)
        emit PortLost();
}

void EcuLink::SelectPortSlot(int slot)
{
    if (portOpen_)
        ClosePort();
    SetPortSlot(slot);
    portName_ = PortSlotName(portSlot_, lastPortName_);
}

bool EcuLink::SendFrame(const CommandFrame& frame)
{
    if (!mayUse())
        return false;
    CompleteInFlight();
    // Earlier bytes must be gone before RTS is raised for this frame.
    io_.waitUntilSent();
    io_.setRts(true);
    if (io_.write(reinterpret_cast<const char*>(frame.bytes.data()), CommandFrame::kSize)
        != CommandFrame::kSize) {
        io_.setRts(false);
        if (portOpen_)
            losePort();
        return false;
    }
    io_.waitUntilSent();
    io_.setRts(false);
    if (io_.lost()) {
        losePort();
        return false;
    }
    return true;
}

void EcuLink::ReadQueued(quint32 maximum)
{
    chunkCount_ = 0;
    io_.clearError();
    const qint64 queued = io_.bytesQueued();
    if (queued > 0) {
        const qint64 want = std::min<qint64>({queued, qint64(maximum), qint64(kReceiveChunkSize)});
        const qint64 got = io_.read(receiveChunk_.data(), want);
        chunkCount_ = got > 0 ? quint32(got) : 0;
    }
    if (portOpen_ && io_.lost())
        losePort();
}

void EcuLink::DrainInput()
{
    if (!mayUse())
        return;
    CompleteInFlight();
    ReadQueued(kReceiveChunkSize);
}

void EcuLink::pollOnce()
{
    // The bytes of the previous poll count only now, so completion is judged on what
    // had arrived before this poll, and this poll's bytes are still appended.
    replyTotal_ += lastReadCount_;
    ++pollCount_;
    ReadQueued(kReceiveChunkSize);
    lastReadCount_ = chunkCount_;
    if (replyTotal_ < quint32(kReplyBufferSize)) {
        const quint32 room = quint32(kReplyBufferSize) - replyTotal_;
        std::memcpy(replyBuffer_.data() + replyTotal_, receiveChunk_.data(),
                    std::min(room, lastReadCount_));
    }
    // A device that went away with this poll sends nothing more: what it sent last counts.
    if (!portOpen_) {
        replyTotal_ += lastReadCount_;
        lastReadCount_ = 0;
    }
    if (replyTotal_ >= expected_)
        replyComplete_ = true;
}

void EcuLink::startCollection(quint32 expected)
{
    CompleteInFlight();
    // The reply buffer is not cleared: bytes of an earlier, longer reply stay behind.
    expected_ = expected;
    replyTotal_ = 0;
    replyComplete_ = false;
    pollCount_ = 0;
    lastReadCount_ = 0;
}

quint32 EcuLink::CollectReply(quint32 expected)
{
    if (!mayUse())
        return 0;
    startCollection(expected);
    while (pollCount_ < kMaxPolls && !replyComplete_) {
        pause_.sleepMs(kPollSleepMs);
        pollOnce();
        if (!portOpen_)
            break; // the device went away: nothing more can come
    }
    return replyTotal_;
}

bool EcuLink::BeginCollect(quint32 expected, QObject* owner, std::function<void()> done)
{
    if (!mayUse())
        return false;
    startCollection(expected);
    doneOwner_ = owner;
    doneHasOwner_ = owner != nullptr;
    done_ = std::move(done);
    inFlight_ = true;
    return true;
}

bool EcuLink::CollectStep()
{
    if (!inFlight_)
        return true;
    pollOnce();
    if (!inFlight_)
        return true; // the device went away during the poll
    if (!replyComplete_ && pollCount_ < kMaxPolls)
        return false;
    inFlight_ = false;
    std::function<void()> done = std::move(done_);
    done_ = nullptr;
    // A collection may outlive the object that began it (a window closed while its poll
    // was in flight): its callback is then dropped.
    if (done && (!doneHasOwner_ || doneOwner_))
        done();
    return true;
}

void EcuLink::CompleteInFlight()
{
    while (inFlight_) {
        pause_.sleepMs(kPollSleepMs);
        CollectStep();
    }
}

void EcuLink::Sleep(int ms)
{
    pause_.sleepMs(ms);
}

} // namespace zantrel
