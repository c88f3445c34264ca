// Reads the full paths of the loaded kernel modules from the system's module list. A count
// that promises more records than the list holds ends the read after the last whole record.
#pragma once

#include "platform/hardware.h"

#include <span>
#include <string>
#include <vector>

namespace brelk::sysinfo {

struct ModulePaths {
    std::vector<std::string> paths;
    // False when the count or a record pointed outside the list.
    bool complete = true;
};

ModulePaths readModulePaths(std::span<const std::uint8_t> list,
                            const platform::ModuleListLayout& layout);

} // namespace brelk::sysinfo
