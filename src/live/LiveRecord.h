#pragma once

#include "live/LiveWords.h"

#include <QtGlobal>

namespace zantrel {

// The words of the last accepted live reply, by record index. All zero until the first
// one; a rejected reply leaves them as they are.
class LiveRecord {
public:
    quint16 operator[](int index) const
    {
        Q_ASSERT(index >= 0 && index < kLiveWords);
        return words_[size_t(index)];
    }
    // Writable for the injector mask, which the diagnostics toggle and send back.
    quint16& operator[](int index)
    {
        Q_ASSERT(index >= 0 && index < kLiveWords);
        return words_[size_t(index)];
    }
    const LiveWords& Words() const { return words_; }
    void Assign(const LiveWords& words) { words_ = words; }

    bool OnGas() const { return words_[live::kFuelState] == 1; }

private:
    LiveWords words_{};
};

} // namespace zantrel
