#pragma once

#include "link/CommandSet.h"
#include "link/ReadSequences.h"
#include "live/LiveWords.h"

#include <QtGlobal>

#include <optional>

namespace zantrel::cli {

// One live poll: "V" and its 67-byte reply, judged as the live view judges it.
enum class LiveOutcome { Record, BadChecksum, NoReply };
struct LivePoll {
    LiveOutcome outcome = LiveOutcome::NoReply;
    LiveWords words{};
};
LivePoll PollLive(EcuCommands& commands);

} // namespace zantrel::cli
