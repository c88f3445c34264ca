// A monotonic clock, so that time-based behaviour can be tested with a clock moved by hand.
#pragma once

#include <chrono>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::chrono::milliseconds now() = 0;
};

class SteadyClock : public Clock {
  public:
    std::chrono::milliseconds now() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

} // namespace platform
