// System facts for tests.
#pragma once

#include "platform/system_info.h"

namespace platform {

class FakeSystemInfo : public SystemInfo {
  public:
    MemoryStatus memoryStatus() override { return memory; }
    std::string windowsFolder() override { return windowsPath; }
    std::string shortDate() override { return today; }
    std::string longTime() override { return timeOfDay; }

    MemoryStatus memory{512ull << 20, 256ull << 20, 1024ull << 20, 768ull << 20};
    std::string windowsPath = "C:\\WINDOWS";
    std::string today = "08.12.2026";
    std::string timeOfDay = "09:15:02";
};

} // namespace platform
