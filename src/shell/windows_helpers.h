// General helpers of the main window's module, also used by the installer: end or find a
// process by its file name, test for administrator rights, list the files of a folder tree.
#pragma once

#include "platform/file_system.h"
#include "platform/keep_alive.h"
#include "platform/processes.h"
#include "platform/security.h"

#include <functional>
#include <string>
#include <vector>

namespace brelk {

// Ends the first process whose file name equals exeName without regard to case (exit code 0);
// when ending it fails, tries the next one of that name. True when a process was ended.
bool KillProcessByName(platform::Processes& processes, const std::string& exeName);

// True when a process with that file name runs.
bool IsProcessRunning(platform::Processes& processes, const std::string& exeName);

// True when the user's token holds the local Administrators group (S-1-5-32-544).
bool IsUserAdmin(platform::Security& security);

// Appends the full paths of the files (hidden and system ones too, never folders) that match
// mask in folder, in the file system's order; with recurse, then the files of each sub folder,
// one whole sub folder after the other. keepAlive runs during the walk.
void FindFiles(platform::FileSystem& files, std::string folder, const std::string& mask,
               std::vector<std::string>& list, bool recurse, platform::KeepAlive& keepAlive);

// The same search, appending the bare file names instead of the full paths.
void FindFileNames(platform::FileSystem& files, std::string folder, const std::string& mask,
                   std::vector<std::string>& list, bool recurse, platform::KeepAlive& keepAlive);

// The search both list functions share: calls found(folder with its backslash, name) for each
// file in the order described above.
void walkFiles(platform::FileSystem& files, std::string folder, const std::string& mask,
               bool recurse, platform::KeepAlive& keepAlive,
               const std::function<void(const std::string&, const std::string&)>& found);

} // namespace brelk
