// The Windows shell through ShellExecute and the special-folder functions.
#pragma once

#include "platform/shell.h"

namespace platform {

class Win32Shell : public Shell {
  public:
    int execute(const std::string& verb, const std::string& file, const std::string& parameters,
                const std::string& directory, int showCommand) override;
    std::optional<std::string> specialFolderPath(int csidl) override;
};

} // namespace platform
