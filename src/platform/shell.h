// The Windows shell: open files, programs and addresses; special folders.
#pragma once

#include <optional>
#include <string>

namespace platform {

namespace showcmd {
constexpr int hide = 0;
constexpr int normal = 1;
constexpr int minimized = 2;
} // namespace showcmd

namespace csidl {
constexpr int programs = 0x02;
constexpr int windows = 0x24;
constexpr int system = 0x25;
constexpr int programFiles = 0x26;
constexpr int profile = 0x28;
// The 32-bit programs' folder on a 64-bit system (a 64-bit program's programFiles is the other).
constexpr int programFilesX86 = 0x2a;
} // namespace csidl

class Shell {
  public:
    virtual ~Shell() = default;

    // Runs the verb ("open", or "" for the default) on a file, program or address. Returns the
    // system's instance code: above 32 on success, else an error such as 2 (file not found).
    // The active window of the program owns the start.
    virtual int execute(const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory,
                        int showCommand) = 0;
    // The path of a special folder, as the system gives it; nothing for an unknown folder.
    virtual std::optional<std::string> specialFolderPath(int csidl) = 0;
};

} // namespace platform
