// Arithmetic that raises the class library's overflow error instead of wrapping.
#pragma once

#include "ui/errors.h"

#include <cstdint>

namespace brelk::sysinfo {

inline std::int64_t checkedSub(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) throw ui::Exception("Integer overflow");
    return r;
}

} // namespace brelk::sysinfo
