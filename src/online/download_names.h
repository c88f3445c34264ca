// File names that come from the server (the update list, the archive lists) and name files
// this program writes: only names that stay inside their target folder are taken.
#pragma once

#include <cstddef>
#include <string>

namespace brelk {

// Longest name a list may give.
constexpr std::size_t kDownloadNameLimit = 150;
// Most entries a list is taken with.
constexpr int kListEntryLimit = 20;

// A relative path of at most kDownloadNameLimit characters with no drive letter or other
// colon, no leading separator, no control character, no step that is empty, ends in a dot or
// a blank (so also no "." or ".."), holds a character Windows refuses in names, or names a
// device (CON, NUL, COM1, LPT1, ... with any extension and in any case).
bool isSafeDownloadName(const std::string& name);

// The name with "/" as separator, as it follows a server path.
std::string urlPath(const std::string& name);
// The name with "\" as separator, as it follows a folder of this program.
std::string localPath(const std::string& name);

} // namespace brelk
