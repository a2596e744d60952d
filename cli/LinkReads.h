#pragma once

#include "link/CommandSet.h"
#include "live/LiveWords.h"

#include <QtGlobal>

#include <optional>

namespace zantrel::cli {

// "d" i, collected and accepted with its index echo.
std::optional<quint16> ReadParameterWord(EcuCommands& commands, quint8 index);

// One live poll: "V" and its 67-byte reply, judged as the live view judges it.
enum class LiveOutcome { Record, BadChecksum, NoReply };
struct LivePoll {
    LiveOutcome outcome = LiveOutcome::NoReply;
    LiveWords words{};
};
LivePoll PollLive(EcuCommands& commands);

} // namespace zantrel::cli
