// A clock for tests: moved by hand, or by a fixed step at every reading.
#pragma once

#include "platform/clock.h"

namespace platform {

class ManualClock : public Clock {
  public:
    std::chrono::milliseconds now() override {
        auto t = time;
        time += stepPerReading;
        return t;
    }

    std::chrono::milliseconds time{0};
    std::chrono::milliseconds stepPerReading{0};
};

} // namespace platform
