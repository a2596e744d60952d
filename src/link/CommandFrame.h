#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

namespace zantrel {

// One request to the controller: command, three argument bytes, checksum, ';'.
struct CommandFrame {
    static constexpr int kSize = 6;
    static constexpr quint8 kTerminator = 0x3B;

    std::array<quint8, kSize> bytes{};

    static CommandFrame Make(char command, quint8 arg1 = 0, quint8 arg2 = 0, quint8 arg3 = 0);
    static quint8 Checksum(quint8 b0, quint8 b1, quint8 b2, quint8 b3);

    char command() const { return char(bytes[0]); }
    QByteArray toByteArray() const;
    bool operator==(const CommandFrame&) const = default;
};

// 16-bit values travel high byte first; negative values in two's complement.
constexpr quint8 HighByte(int value) { return quint8((quint16(value) >> 8) & 0xFF); }
constexpr quint8 LowByte(int value) { return quint8(quint16(value) & 0xFF); }

} // namespace zantrel
