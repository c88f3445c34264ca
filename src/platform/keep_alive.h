// Keeps the window responsive during a long walk (file search, registry export). Checking the
// message queue costs a round trip to the window system, so the pending messages are processed
// at most once per interval, not once per item.
#pragma once

#include "platform/clock.h"

#include <chrono>
#include <functional>

namespace platform {

class KeepAlive {
  public:
    static constexpr std::chrono::milliseconds defaultInterval{20};

    // Does nothing: for callers without a window.
    KeepAlive() = default;
    KeepAlive(std::function<void()> processMessages, Clock& clock,
              std::chrono::milliseconds interval = defaultInterval);

    // Processes pending messages when the interval has passed since the last time.
    void operator()();

  private:
    std::function<void()> processMessages_;
    Clock* clock_ = nullptr;
    std::chrono::milliseconds interval_{0};
    std::chrono::milliseconds last_{0};
};

} // namespace platform
