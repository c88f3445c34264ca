// Windows folder paths as text: their root, their ancestors, and whether one lies inside
// another. Both programs use these before they create, copy or delete below a folder that
// came from a field or the registry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The path without one trailing backslash ("C:\" stays as it is).
std::string withoutTrailingBackslash(std::string path);

// The root of an absolute path with its backslash: "C:\" or "\\server\share\"; empty for a
// relative path (also "C:dir", "\dir" and "").
std::string pathRoot(std::string_view path);

// True for an absolute path that names a folder below its root (not the root itself) and
// holds no empty, "." or ".." component.
bool isFolderBelowRoot(std::string_view path);

// Every folder between the root and the path itself, outermost first:
// "C:\a\b\c" gives "C:\a" and "C:\a\b". Empty for a relative path.
std::vector<std::string> ancestorFolders(std::string_view path);

// True when path lies inside folder (at any depth, not the folder itself), compared without
// regard to case; a path with "." or ".." components is never inside.
bool isInsideFolder(std::string_view path, std::string_view folder);

// The same file or folder spelt the same way, without regard to case and to a trailing
// backslash.
bool samePath(std::string_view a, std::string_view b);

} // namespace platform
