#include "sim/Faults.h"

#include <QStringList>

#include <array>

namespace zantrel::sim {

namespace {

constexpr std::array<FaultModeRow, 7> kFaultModes{{
    {FaultMode::NoReply, "no-reply", "the reply is not sent"},
    {FaultMode::LateReply, "late", "the reply starts 60 ms late"},
    {FaultMode::BadChecksum, "bad-checksum", "the byte before the terminator is wrong"},
    {FaultMode::WrongEcho, "wrong-echo", "a word reply echoes another index"},
    {FaultMode::Garbage, "garbage", "junk bytes go out before the reply"},
    {FaultMode::Trickle, "trickle", "the reply goes out a byte per millisecond"},
    {FaultMode::Disconnect, "disconnect", "the line drops after N frames (disconnect:N)"},
}};

bool hasEcho(const QByteArray& reply)
{
    return reply.size() == 6 && (reply[0] == 'd' || reply[0] == 'e');
}

} // namespace

std::span<const FaultModeRow> FaultModeTable()
{
    return kFaultModes;
}

QByteArray GarbageBytes()
{
    // No reply starts with these, and the terminators in them stand where no reply
    // would have its own.
    return QByteArray("\x00\xFF\x3B\x55\xAA\x3B\x13", 7);
}

std::optional<FaultSpec> ParseFaultSpec(const QString& text, QString* error)
{
    const QString name = text.section(QLatin1Char(':'), 0, 0);
    const bool hasNumber = text.contains(QLatin1Char(':'));
    const QString number = text.section(QLatin1Char(':'), 1);
    for (const FaultModeRow& row : kFaultModes) {
        if (name != QLatin1String(row.name))
            continue;
        FaultSpec spec{row.mode, 1.0, 0};
        bool ok = true;
        if (row.mode == FaultMode::Disconnect) {
            spec.afterFrames = hasNumber ? number.toInt(&ok) : 0;
            if (!hasNumber || !ok || spec.afterFrames < 1) {
                *error = QStringLiteral("disconnect needs a frame count: disconnect:N with N >= 1");
                return std::nullopt;
            }
            return spec;
        }
        if (hasNumber)
            spec.rate = number.toDouble(&ok);
        if (!ok || !(spec.rate > 0.0 && spec.rate <= 1.0)) {
            *error = QStringLiteral("fault rate must be a number above 0 and at most 1: %1").arg(text);
            return std::nullopt;
        }
        return spec;
    }
    QStringList names;
    for (const FaultModeRow& row : kFaultModes)
        names << QLatin1String(row.name);
    *error = QStringLiteral("unknown fault mode \"%1\" (one of %2)").arg(name, names.join(QStringLiteral(", ")));
    return std::nullopt;
}

FaultInjector::FaultInjector(std::vector<FaultSpec> specs)
{
    for (const FaultSpec& spec : specs)
        active_.push_back({spec, 0.0});
}

bool FaultInjector::strikes(Active& a)
{
    a.due += a.spec.rate;
    if (a.due < 1.0 - 1e-9)
        return false;
    a.due -= 1.0;
    return true;
}

ReplyPlan FaultInjector::shape(QByteArray reply)
{
    ++frames_;
    ReplyPlan plan;
    bool changed = false;
    for (Active& a : active_) {
        if (a.spec.mode == FaultMode::Disconnect) {
            plan.lineDropsAfter = plan.lineDropsAfter || frames_ >= a.spec.afterFrames;
            continue;
        }
        if (reply.isEmpty() || (a.spec.mode == FaultMode::WrongEcho && !hasEcho(reply)) || !strikes(a))
            continue;
        changed = true;
        switch (a.spec.mode) {
        case FaultMode::NoReply: reply.clear(); break;
        case FaultMode::LateReply: plan.delayUs += kLateReplyUs; break;
        case FaultMode::BadChecksum: reply[reply.size() - 2] = char(reply[reply.size() - 2] ^ 0x5A); break;
        case FaultMode::WrongEcho: reply[1] = char(reply[1] ^ 0x01); break;
        case FaultMode::Garbage: reply.prepend(GarbageBytes()); break;
        case FaultMode::Trickle: plan.byteGapUs = kTrickleGapUs; break;
        case FaultMode::Disconnect: break;
        }
    }
    injected_ += changed ? 1 : 0;
    plan.bytes = reply;
    return plan;
}

} // namespace zantrel::sim
