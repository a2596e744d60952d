#include "live/LivePoll.h"

#include "base/LanguageStrings.h"
#include "link/CommandSet.h"
#include "link/EcuLink.h"
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
    // A job holds the link: nothing goes between its frames.
    if (link_.Reserved())
        return;
    if (!(link_.Connected() && link_.PortOpen())) {
        emit StatusText(texts_[link_.PortOpen() ? Text::EcuError : Text::ComError]);
        return;
    }
    if (link_.CollectionInFlight())
        return;
    if (!commands_.ReadLive())
        return; // the port went away with this frame; the next tick reports it
    if (link_.BeginCollect(kLiveReplyLength, this, [this] { judgeReply(); }))
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
    const LiveJudgement judged = JudgeLiveReply(link_.CurrentReply());
    if (judged.verdict == LiveVerdict::Record) {
        failures_ = 0;
        record_.Assign(judged.words);
        emit RecordAccepted();
        return;
    }
    // A reply that fails any test, its checksum included, counts: a controller whose
    // every reply is corrupt must not leave the view frozen without a word.
    if (failures_ >= kToleratedFailures)
        emit StatusText(texts_[Text::ComError]);
    else
        ++failures_;
}

} // namespace zantrel
