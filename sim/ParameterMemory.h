#pragma once

#include <QtGlobal>

#include <array>

namespace zantrel::sim {

// The controller's 64 parameter words. A word takes a new value only from the full
// write: "K" i, then "E" i v, then "D" i with the same v. Each word keeps its own
// progress, so two writes may interleave (the counter reset does); any step out of
// order, or a "D" whose value differs from the "E", starts that word over.
class ParameterMemory {
public:
    static constexpr int kWords = 64;

    void select(int index);              // "K"
    void offer(int index, quint16 value); // "E"
    // "D": true when the word was written.
    bool confirm(int index, quint16 value);

    quint16 word(int index) const { return contains(index) ? words_[size_t(index)] : 0; }
    void set(int index, quint16 value);

    static bool contains(int index) { return index >= 0 && index < kWords; }

private:
    enum class Step : quint8 { Idle, Selected, Offered };
    struct Progress {
        Step step = Step::Idle;
        quint16 value = 0;
    };

    std::array<quint16, kWords> words_{};
    std::array<Progress, kWords> progress_{};
};

} // namespace zantrel::sim
