#pragma once

#include "link/CommandSet.h"
#include "live/LiveWords.h"

namespace zantrel::cli {

// One live poll: "V" and its 67-byte reply, judged as the live view judges it.
LiveJudgement PollLive(EcuCommands& commands);

} // namespace zantrel::cli
