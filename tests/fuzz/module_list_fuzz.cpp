// Feeds arbitrary bytes to the reader of the loaded-module list in both record layouts; every
// path it gives back lies inside the list and is at most one path field long.
#include "sysinfo/module_list.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::vector<std::uint8_t> list(data, data + size);
    for (const platform::ModuleListLayout& layout :
         {platform::ModuleListLayout{}, platform::ModuleListLayout{8, 296, 40, 256}}) {
        const auto read = brelk::sysinfo::readModulePaths(list, layout);
        if (read.paths.size() * layout.recordSize > size) std::abort();
        for (const auto& path : read.paths) {
            if (path.size() > layout.pathSize) std::abort();
        }
    }
    return 0;
}
