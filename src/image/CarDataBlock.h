#pragma once

#include <QtGlobal>

#include <array>
#include <bitset>
#include <optional>

namespace zantrel {

// The record of the installation that the controller keeps in its extended words: the
// 120 text bytes of words 0..59 (byte 2i high in word i), and the engine data of words
// 62 (cylinder layout, count, nozzle) and 63 (capacity, saved marker).
struct CarDataBlock {
    static constexpr int kBytes = 120;
    // The read asks for words 0..60; word 60 lies beyond the bytes and is not kept.
    static constexpr int kReadWords = 61;
    static constexpr int kWrittenWords = 60;
    static constexpr int kEngineWord = 62;
    static constexpr int kCapacityWord = 63;

    std::array<quint8, kBytes> bytes{};
    // Which words of the block hold what the controller holds: received by the last
    // read, or written since. Only those are written back as they stand.
    std::bitset<kWrittenWords> known;
    // Words 62 and 63 as last received or written; none before the first.
    std::optional<quint16> engine;
    std::optional<quint16> capacity;

    quint16 Word(int index) const
    {
        return quint16((bytes[size_t(2 * index)] << 8) | bytes[size_t(2 * index + 1)]);
    }
    void SetWord(int index, quint16 value)
    {
        bytes[size_t(2 * index)] = quint8(value >> 8);
        bytes[size_t(2 * index + 1)] = quint8(value & 0xFF);
    }
};

} // namespace zantrel
