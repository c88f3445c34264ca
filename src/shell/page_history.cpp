#include "shell/page_history.h"

#include <algorithm>

namespace brelk {

void PageHistory::push(std::uint16_t id) {
    if (count_ == kSize) {
        std::move(ids_.begin() + 1, ids_.end(), ids_.begin());
        --count_;
    }
    ids_[count_++] = id;
}

std::uint16_t PageHistory::entry(int i) const {
    if (i < 1 || i > count_) return 0;
    return ids_[i - 1];
}

} // namespace brelk
