#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel {

// The program's image of the controller's 64 parameter words plus four shadow slots in
// which the editors assemble the bit-packed words before sending them.
class ParameterTable {
public:
    static constexpr int kWords = 64;
    static constexpr int kSlots = 68;
    static constexpr int kShadow22 = 64;
    static constexpr int kShadow47 = 65;
    static constexpr int kShadow54 = 66;
    static constexpr int kShadow51 = 67;

    qint32 operator[](int slot) const { return slots_[slot]; }
    qint32& operator[](int slot) { return slots_[slot]; }
    // Not "slots": that is a keyword macro wherever Qt widgets are used.
    const std::array<qint32, kSlots>& values() const { return slots_; }

    // Only the low 16 bits travel on the link and into files.
    quint16 word(int index) const { return quint16(slots_[index] & 0xFFFF); }

private:
    std::array<qint32, kSlots> slots_{};
};

} // namespace zantrel
