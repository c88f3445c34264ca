// Files and folders by what they are rather than how they are spelt: a short (8.3) name,
// another drive letter for the same volume or a substituted drive names the same folder.
// Both programs use these before they leave a file alone or delete below a folder.
#pragma once

#include "platform/file_system.h"

#include <string>

namespace platform {

// True when both paths name one existing file or folder (the same volume and file index), or
// spell the same path.
bool sameFileOrFolder(FileSystem& files, const std::string& a, const std::string& b);

// True when path lies inside folder at any depth, whatever spelling either has: one of the
// folders that hold path by its text is folder by identity. A folder link on the way up ends
// the search there: what lies below a link lies wherever the link leads.
bool liesInside(FileSystem& files, const std::string& path, const std::string& folder);

// True for an existing folder link (junction, mount point or symbolic link).
bool isFolderLink(FileSystem& files, const std::string& path);

} // namespace platform
