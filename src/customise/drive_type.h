// Drive types as the dialog and the page-file recommendation name them.
#pragma once

#include "platform/platform.h"

#include <string>

namespace brelk {

inline constexpr const char* kHardDisk = "Festplatte";
inline constexpr const char* kCdRomDrive = "CD-ROM Laufwerk";

// The German name of the type of the drive of a root path such as "C:\"; empty for a type
// code the system does not define.
std::string drivetypename(platform::Platform& p, const std::string& root);

} // namespace brelk
