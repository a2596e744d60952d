#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

namespace zantrel::sim {

// Faults the simulated controller can put on the line.
enum class FaultMode {
    NoReply,     // the reply is not sent
    LateReply,   // the reply starts 60 ms late, after the collector has given up
    BadChecksum, // the byte before the terminator is wrong
    WrongEcho,   // a word reply names another index than the one asked for
    Garbage,     // junk bytes go out before the reply
    Trickle,     // the reply goes out a byte per millisecond
    Disconnect,  // the line drops once the reply to frame N has gone out
};

struct FaultModeRow {
    FaultMode mode;
    const char* name;
    const char* what;
};
std::span<const FaultModeRow> FaultModeTable();

// A fault with how often it strikes: RATE is the share of replies (0 < RATE <= 1,
// default 1), spread evenly (0.5 is every second reply, starting with the second).
// For a disconnect the number is the count of frames answered first.
struct FaultSpec {
    FaultMode mode = FaultMode::NoReply;
    double rate = 1.0;
    int afterFrames = 0;
};

// "MODE" or "MODE:RATE"; "disconnect:N". On failure the reason is put in *error.
std::optional<FaultSpec> ParseFaultSpec(const QString& text, QString* error);

constexpr qint64 kLateReplyUs = 60'000;
constexpr qint64 kTrickleGapUs = 1'000;
QByteArray GarbageBytes();

// How one reply goes out.
struct ReplyPlan {
    QByteArray bytes;        // empty: nothing is sent
    qint64 delayUs = 0;      // before the first byte
    qint64 byteGapUs = 0;    // between two bytes
    bool lineDropsAfter = false;
};

class FaultInjector {
public:
    explicit FaultInjector(std::vector<FaultSpec> specs = {});

    // Shapes what goes out after the next frame; `reply` is empty for a write.
    ReplyPlan shape(QByteArray reply);

    int framesSeen() const { return frames_; }
    // Replies that a fault changed, delayed or suppressed.
    int injected() const { return injected_; }

private:
    struct Active {
        FaultSpec spec;
        double due = 0.0; // accumulated rate; the fault strikes when it reaches 1
    };
    bool strikes(Active& a);

    std::vector<Active> active_;
    int frames_ = 0;
    int injected_ = 0;
};

} // namespace zantrel::sim
