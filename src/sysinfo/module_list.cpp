#include "sysinfo/module_list.h"

#include <algorithm>

namespace brelk::sysinfo {

ModulePaths readModulePaths(std::span<const std::uint8_t> list,
                            const platform::ModuleListLayout& layout) {
    ModulePaths result;
    if (list.size() < 4) {
        result.complete = false;
        return result;
    }
    const std::uint32_t count = static_cast<std::uint32_t>(list[0]) | list[1] << 8 | list[2] << 16 |
                                static_cast<std::uint32_t>(list[3]) << 24;
    const std::uint64_t pathEnd = std::uint64_t{layout.pathOffset} + layout.pathSize;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t path = layout.firstRecord + i * layout.recordSize + layout.pathOffset;
        if (pathEnd > layout.recordSize || path + layout.pathSize > list.size()) {
            result.complete = false;
            break;
        }
        const auto begin = list.begin() + static_cast<std::ptrdiff_t>(path);
        const auto end = begin + static_cast<std::ptrdiff_t>(layout.pathSize);
        result.paths.emplace_back(begin, std::find(begin, end, std::uint8_t{0}));
    }
    return result;
}

} // namespace brelk::sysinfo
