// Export of a registry branch into a REGEDIT4 file that the registry editor can import again.
// The walk is depth first in the order in which the registry enumerates keys and values; each
// key is opened once and closed before its sub keys are visited, and the file is written
// through a fixed buffer, so memory does not grow with the size of the branch.
#pragma once

#include "platform/file_system.h"
#include "platform/keep_alive.h"
#include "platform/registry.h"

#include <string>
#include <string_view>

namespace brelk {

// Writes the branch below root at path (one trailing backslash dropped; "\" is the root
// itself) into the file, replacing it. A file that cannot be created is skipped silently;
// a key that cannot be opened appears as its header alone. keepAlive runs before and after
// each value and after each key, so a window stays responsive during a long walk.
void exportregistry(platform::Registry& registry, platform::FileSystem& files,
                    platform::RootKey root, std::string_view path, const std::string& fileName,
                    platform::KeepAlive& keepAlive);

} // namespace brelk
