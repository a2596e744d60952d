#include "CliCommands.h"

#include "link/CommandFrame.h"
#include "link/CommandSet.h"

#include <QByteArray>
#include <QRegularExpression>

#include <algorithm>

namespace zantrel::cli {

namespace {

// The hex digits of all arguments, with spaces and colons between bytes allowed.
std::optional<QByteArray> frameBytes(const QStringList& arguments)
{
    QString digits = arguments.join(QString());
    digits.remove(QRegularExpression(QStringLiteral("[\\s:]")));
    static const QRegularExpression hex(QStringLiteral("^(?:[0-9a-fA-F]{2})+$"));
    if (!hex.match(digits).hasMatch())
        return std::nullopt;
    QByteArray bytes = QByteArray::fromHex(digits.toLatin1());
    if (bytes.size() == 4) {
        const auto b = [&bytes](int i) { return quint8(bytes[i]); };
        bytes.append(char(CommandFrame::Checksum(b(0), b(1), b(2), b(3))));
        bytes.append(char(CommandFrame::kTerminator));
    }
    if (bytes.size() != CommandFrame::kSize)
        return std::nullopt;
    return bytes;
}

} // namespace

std::optional<QString> CheckFrame(const CliRequest& r)
{
    if (!frameBytes(r.arguments))
        return QStringLiteral("HEX must be 4 or 6 bytes in hex: %1").arg(r.arguments.join(QLatin1Char(' ')));
    return std::nullopt;
}

// Sent as given, a wrong checksum included. A command of the table is collected with its
// own expected count; anything else gets the whole collection window.
ExitCode RunFrame(CliContext& c)
{
    const QByteArray bytes = *frameBytes(c.request.arguments);
    CommandFrame frame;
    std::copy(bytes.begin(), bytes.end(), frame.bytes.begin());
    const CommandSpec* spec = FindCommand(frame.command());
    const bool expectsReply = !spec || spec->expectedCount > 0;
    const quint32 expected = spec && spec->expectedCount > 0 ? quint32(spec->expectedCount)
                                                             : quint32(EcuLink::kReplyBufferSize);
    EcuLink& link = c.session.link();
    link.DrainInput();
    if (!link.SendFrame(frame)) {
        PrintError(QStringLiteral("the frame could not be sent: %1").arg(c.session.port()));
        return ExitCode::LinkLost;
    }
    link.CollectReply(expected);
    const int received = int(std::min<quint32>(link.ReplyTotal() + link.LastReadCount(), EcuLink::kReplyBufferSize));
    const QString sent = HexBytes(frame.bytes.data(), CommandFrame::kSize);
    const QString reply = HexBytes(link.ReplyBuffer().data(), received);
    c.out.result(QStringLiteral("sent %1\nreply %2 (%3 bytes%4)")
                     .arg(sent, reply.isEmpty() ? QStringLiteral("-") : reply)
                     .arg(received)
                     .arg(link.ReplyComplete() ? QStringLiteral(", complete") : QString()),
                 {{QStringLiteral("sent"), sent},
                  {QStringLiteral("reply"), reply},
                  {QStringLiteral("bytes"), received},
                  {QStringLiteral("complete"), link.ReplyComplete()}});
    if (!spec || !expectsReply || link.ReplyComplete())
        return ExitCode::Ok;
    PrintError(QStringLiteral("no complete reply to '%1' (%2 of %3 bytes)")
                   .arg(QLatin1Char(frame.command()))
                   .arg(received)
                   .arg(expected));
    return ExitCode::NoController;
}

} // namespace zantrel::cli
