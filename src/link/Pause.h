#pragma once

namespace zantrel {

// Fixed protocol pauses go through this so tests can run them on a virtual clock.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void sleepMs(int ms) = 0;
};

class RealPause final : public Pause {
public:
    void sleepMs(int ms) override;
};

} // namespace zantrel
