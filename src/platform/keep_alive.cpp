#include "platform/keep_alive.h"

#include <utility>

namespace platform {

KeepAlive::KeepAlive(std::function<void()> processMessages, Clock& clock,
                     std::chrono::milliseconds interval)
    : processMessages_(std::move(processMessages)), clock_(&clock), interval_(interval),
      last_(clock.now()) {}

void KeepAlive::operator()() {
    if (!processMessages_ || !clock_) return;
    if (clock_->now() - last_ < interval_) return;
    processMessages_();
    // Measured after the messages ran, so a slow handler does not cause back-to-back calls.
    last_ = clock_->now();
}

} // namespace platform
