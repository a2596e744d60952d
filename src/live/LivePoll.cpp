#include "live/LivePoll.h"

#include "base/LanguageStrings.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
#include "link/ReplyShapes.h"
#include "live/LiveRecord.h"

namespace zantrel {

LivePoll::LivePoll(EcuLink& link, EcuCommands& commands, LiveRecord& record, const LanguageStrings& texts,
                   QObject* parent)
    : QObject(parent)
    , link_(link)
    , commands_(commands)
    , record_(record)
    , texts_(texts)
{
    stepTimer_.setObjectName(QStringLiteral("TimerLiveStep"));
    stepTimer_.setTimerType(Qt::PreciseTimer);
    stepTimer_.setInterval(EcuLink::kPollSleepMs);
    connect(&stepTimer_, &QTimer::timeout, this, &LivePoll::Step);
}

void LivePoll::Tick()
{
    if (!(link_.Connected() && link_.PortOpen())) {
        emit StatusText(texts_[link_.PortOpen() ? Text::EcuError : Text::ComError]);
        return;
    }
    if (link_.CollectionInFlight())
        return;
    commands_.ReadLive();
    link_.BeginCollect(kLiveReplyLength, [this] { judgeReply(); });
    stepTimer_.start();
}

void LivePoll::Step()
{
    // Another operation may have completed the collection already.
    if (link_.CollectStep())
        stepTimer_.stop();
}

void LivePoll::judgeReply()
{
    const Reply reply = link_.CurrentReply();
    if (LiveFrameShapeOk(reply)) {
        failures_ = 0;
        if (LiveChecksumOk(reply)) {
            record_.Assign(DecodeLiveWords(reply.bytes));
            emit RecordAccepted();
        }
        return;
    }
    if (failures_ >= kToleratedFailures)
        emit StatusText(texts_[Text::ComError]);
    else
        ++failures_;
}

} // namespace zantrel
