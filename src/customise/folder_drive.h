// The panel "Ordner als Laufwerk mounten": a folder picked with the system's folder browser and
// a one-letter drive field.
#pragma once

#include "shell/brelk_context.h"

#include <string>

namespace brelk {

class CustomiseWindow;

// The shell's special folder "My Computer".
inline constexpr int kMyComputerFolder = 17;

// Lets the user pick a file-system folder below a special folder; the folder's path, or an
// empty text when cancelled or when the root or the pick has no path.
std::string selectfolder(Context& ctx, int rootFolder, const std::string& title);

void bindFolderDriveHandlers(CustomiseWindow& w);

} // namespace brelk
