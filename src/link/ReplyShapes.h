#pragma once

#include <QtGlobal>

#include <optional>
#include <span>

namespace zantrel {

// A collected reply as callers see it: the reply buffer and whether the collection
// reached its expected count.
struct Reply {
    std::span<const quint8> bytes; // the whole reply buffer
    bool complete = false;
};

constexpr int kLiveReplyLength = 67;
constexpr int kIdentifyReplyLength = 5;
constexpr int kWordReplyLength = 6;

quint8 LiveChecksum(std::span<const quint8> bytes); // sum of bytes 1..64 mod 256

// "V", ";" at 66, complete; the checksum is judged separately so that a caller can
// tell a corrupt frame (dropped, not counted as a failure) from a missing one.
bool LiveFrameShapeOk(const Reply& reply);
bool LiveChecksumOk(const Reply& reply);

bool AcceptIdentify(const Reply& reply);
// Word shape ("d" ... ";" at 5); with an index, byte 1 must echo it.
bool AcceptWord(const Reply& reply, std::optional<quint8> index = std::nullopt);
// Extended-word shape ("e" ... ";" at 5); with an index, byte 1 must echo it.
bool AcceptExtendedWord(const Reply& reply, std::optional<quint8> index = std::nullopt);

// Value in bytes 2 (high) and 3 (low).
quint16 ReplyWordValue(const Reply& reply);
// Value in byte 3 alone (map cells, curve points, temperature map).
quint8 ReplyByteValue(const Reply& reply);

} // namespace zantrel
