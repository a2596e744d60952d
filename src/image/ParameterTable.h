#pragma once

#include <QtGlobal>

#include <array>
#include <bitset>
#include <optional>

namespace zantrel {

// The program's image of the controller's 64 parameter words plus four shadow slots in
// which the editors assemble the bit-packed words before sending them. Every slot is a
// signed 32-bit number; only its low 16 bits travel on the link and into files.
class ParameterTable {
public:
    static constexpr int kWords = 64;
    static constexpr int kSlots = 68;
    static constexpr int kShadow22 = 64;
    static constexpr int kShadow47 = 65;
    static constexpr int kShadow54 = 66;
    static constexpr int kShadow51 = 67;

    qint32 operator[](int slot) const
    {
        Q_ASSERT(slot >= 0 && slot < kSlots);
        return slots_[size_t(slot)];
    }
    qint32& operator[](int slot)
    {
        Q_ASSERT(slot >= 0 && slot < kSlots);
        return slots_[size_t(slot)];
    }
    // Not "slots": that is a keyword macro wherever Qt widgets are used.
    const std::array<qint32, kSlots>& values() const { return slots_; }

    quint16 word(int index) const { return quint16((*this)[index] & 0xFFFF); }

    // A word as the controller sent it: the signed words are sign-extended into the slot,
    // all others kept as 0..65535; the word becomes known. False (and nothing
    // stored) for an index beyond 0..63.
    bool StoreReceived(int index, quint16 raw);
    // The slot value of a 16-bit word: sign-extended for the signed words.
    static qint32 SlotValueOf(int index, quint16 raw);

    // Which words hold what the controller holds, as far as the program knows: received
    // since the last ForgetKnown (the start of a read of all words), or all of them once a
    // write of all words has gone out. A word not known must not be shown as read nor
    // written back.
    bool Known(int index) const;
    int KnownCount() const;
    void ForgetKnown();
    void MarkAllKnown();

    // Word 0 holds 0xAAAA on a programmed controller; 0 means the same.
    bool IsProgrammed() const;

    // Which word a shadow slot is copied into, and back; empty for other slots.
    static std::optional<int> WordOfShadow(int slot);
    static std::optional<int> ShadowOfWord(int index);
    // Copies a shadow into its word, as a bit-field editor does before the write.
    bool CommitShadow(int slot);

private:
    std::array<qint32, kSlots> slots_{};
    std::bitset<kWords> known_;
};

} // namespace zantrel
