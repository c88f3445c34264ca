#include "platform/file_identity.h"

#include "platform/path_text.h"

namespace platform {

bool sameFileOrFolder(FileSystem& files, const std::string& a, const std::string& b) {
    if (samePath(a, b)) return true;
    const auto first = files.fileIdentity(withoutTrailingBackslash(a));
    if (!first) return false;
    const auto second = files.fileIdentity(withoutTrailingBackslash(b));
    return second && *first == *second;
}

bool liesInside(FileSystem& files, const std::string& path, const std::string& folder) {
    std::vector<std::string> holders = ancestorFolders(withoutTrailingBackslash(path));
    const std::string root = pathRoot(path);
    if (root.empty() || !isFolderBelowRoot(path)) return false;
    holders.insert(holders.begin(), root);
    for (auto it = holders.rbegin(); it != holders.rend(); ++it) {
        if (sameFileOrFolder(files, *it, folder)) return true;
        if (isFolderLink(files, *it)) return false;
    }
    return false;
}

bool isFolderLink(FileSystem& files, const std::string& path) {
    const auto attributes = files.attributes(withoutTrailingBackslash(path));
    return attributes && (*attributes & fileattr::directory) &&
           (*attributes & fileattr::reparsePoint);
}

} // namespace platform
