#include "shell/windows_helpers.h"

#include "platform/text_case.h"

#include <algorithm>

namespace brelk {

namespace {

constexpr const char* administratorsSid = "S-1-5-32-544";

// The snapshot may hold a path (older systems); the comparison is of the bare file name.
std::string bareFileName(const std::string& exeName) {
    auto slash = exeName.find_last_of("\\/");
    return slash == std::string::npos ? exeName : exeName.substr(slash + 1);
}

} // namespace

bool KillProcessByName(platform::Processes& processes, const std::string& exeName) {
    auto snapshot = processes.list();
    if (!snapshot) return false;
    const std::string wanted = platform::lowerCase(exeName);
    for (const auto& p : *snapshot) {
        if (platform::lowerCase(bareFileName(p.exeName)) != wanted) continue;
        if (processes.terminate(p.pid, 0)) return true;
    }
    return false;
}

bool IsProcessRunning(platform::Processes& processes, const std::string& exeName) {
    auto snapshot = processes.list();
    if (!snapshot) return false;
    const std::string wanted = platform::upperCase(exeName);
    return std::any_of(snapshot->begin(), snapshot->end(), [&](const platform::ProcessEntry& p) {
        return platform::upperCase(bareFileName(p.exeName)) == wanted;
    });
}

bool IsUserAdmin(platform::Security& security) {
    auto groups = security.tokenGroupSids();
    return groups && std::find(groups->begin(), groups->end(), administratorsSid) != groups->end();
}

void walkFiles(platform::FileSystem& files, std::string folder, const std::string& mask,
               bool recurse, platform::KeepAlive& keepAlive,
               const std::function<void(const std::string&, const std::string&)>& found) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    for (const auto& entry : files.findEntries(folder + mask)) {
        keepAlive();
        if (entry.isDirectory()) continue;
        found(folder, entry.name);
    }
    if (!recurse) return;
    for (const auto& entry : files.findEntries(folder + "*.*")) {
        // A folder link (junction) may lead anywhere, even back up: the search stays out.
        if (!entry.isDirectory() || (entry.attributes & platform::fileattr::reparsePoint)) continue;
        keepAlive();
        walkFiles(files, folder + entry.name, mask, recurse, keepAlive, found);
    }
}

void FindFiles(platform::FileSystem& files, std::string folder, const std::string& mask,
               std::vector<std::string>& list, bool recurse, platform::KeepAlive& keepAlive) {
    walkFiles(
        files, std::move(folder), mask, recurse, keepAlive,
        [&list](const std::string& in, const std::string& name) { list.push_back(in + name); });
}

void FindFileNames(platform::FileSystem& files, std::string folder, const std::string& mask,
                   std::vector<std::string>& list, bool recurse, platform::KeepAlive& keepAlive) {
    walkFiles(files, std::move(folder), mask, recurse, keepAlive,
              [&list](const std::string&, const std::string& name) { list.push_back(name); });
}

} // namespace brelk
