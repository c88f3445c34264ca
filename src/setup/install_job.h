// The installer's copy job: what lies beside setup.exe (its folder and the folders modules,
// modules\skins and modules\web) is copied into the installation folder, and the version of an
// update.ini beside setup.exe is recorded for the tuning program.
#pragma once

#include "platform/keep_alive.h"
#include "platform/platform.h"

#include <array>
#include <string>
#include <vector>

namespace setup {

// The files of one source folder: entry i of names is the bare name of entry i of paths.
struct SourceFiles {
    std::vector<std::string> paths;
    std::vector<std::string> names;
};

// The source folders below S, each with its place below the target: "", "modules\",
// "modules\skins\", "modules\web\".
constexpr std::size_t kSourceFolderCount = 4;
extern const std::array<const char*, kSourceFolderCount> kSourceSubfolders;

// Lists the files (not recursive) of S and of its three sub folders.
std::array<SourceFiles, kSourceFolderCount> listSources(platform::FileSystem& files,
                                                        const std::string& sourceFolder,
                                                        platform::KeepAlive& keepAlive);

struct InstallReport {
    // False when the target is no folder below a drive or share root; nothing was touched.
    bool targetUsable = true;
    // What was not done, as paths relative to the target (a folder ends in "\"); paths
    // outside it, as the registered folder's settings file, in full.
    std::vector<std::string> failed;

    bool complete() const { return targetUsable && failed.empty(); }
};

// Creates the target's folders (every ancestor level first), copies every listed file over
// what is there and, once every file is in place, writes the version of S's update.ini into
// the Windows OEM information and the registered installation's brelk.ini. A file that
// already is its own target (setup run from the target itself) is left alone.
InstallReport runInstall(platform::Platform& p, const std::string& sourceFolder,
                         const std::string& target,
                         const std::array<SourceFiles, kSourceFolderCount>& sources);

// The text the window shows when the job ends: "Installation erfolgreich", or which files and
// folders failed. Without a report the job ended by an error.
std::string outcomeText(const InstallReport* report);

} // namespace setup
