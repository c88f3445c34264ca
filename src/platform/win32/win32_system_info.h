// System facts through the memory-status and Windows-folder functions.
#pragma once

#include "platform/system_info.h"

namespace platform {

class Win32SystemInfo : public SystemInfo {
  public:
    MemoryStatus memoryStatus() override;
    std::string windowsFolder() override;
    std::string shortDate() override;
    std::string longTime() override;
    std::optional<std::string> oemText(std::string_view text) override;
};

} // namespace platform
