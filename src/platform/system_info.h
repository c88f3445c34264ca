// Facts about the running Windows system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
};

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;

    virtual MemoryStatus memoryStatus() = 0;
    // The Windows folder, e.g. "C:\WINDOWS" (no trailing backslash unless it is a drive root).
    virtual std::string windowsFolder() = 0;
    // Today's date in the user's short date format, e.g. "08.12.2026".
    virtual std::string shortDate() = 0;
    // The time of day in the user's long time format, e.g. "09:15:02".
    virtual std::string longTime() = 0;
    // Windows-1252 text in the OEM code page, in which the command interpreter reads batch
    // files; nothing when a character has no place in that code page.
    virtual std::optional<std::string> oemText(std::string_view text) = 0;
};

} // namespace platform
