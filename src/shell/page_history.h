// The page history: the ids of the pages shown, read by the back link and the mouse wheel.
#pragma once

#include <array>
#include <cstdint>

namespace brelk {

class PageHistory {
  public:
    static constexpr int kSize = 250;

    // Records a page. When all entries are in use the oldest is dropped, so back and wheel
    // keep working in long sessions.
    void push(std::uint16_t id);
    int count() const { return count_; }
    // Entry i, counted from 1 (the oldest kept) to count() (the current page); 0 outside.
    std::uint16_t entry(int i) const;
    std::uint16_t current() const { return entry(count_); }

  private:
    std::array<std::uint16_t, kSize> ids_{};
    int count_ = 0;
};

} // namespace brelk
