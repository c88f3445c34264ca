// Machine facts through the performance-data and dynamic-data roots of the registry, the
// system-information call of ntdll (looked up when first needed), CPUID, RDTSC and the
// process's priority class.
#pragma once

#include "platform/hardware.h"

namespace platform {

class Win32Hardware : public Hardware {
  public:
    Win32Hardware() = default;
    Win32Hardware(const Win32Hardware&) = delete;
    Win32Hardware& operator=(const Win32Hardware&) = delete;
    ~Win32Hardware() override;

    std::optional<std::uint32_t> platformId() override;
    PerfQueryResult queryPerformanceData(const std::string& objects,
                                         std::span<std::uint8_t> buffer) override;
    std::unique_ptr<DynDataKey> openDynData(const std::string& path, bool fullAccess) override;
    std::optional<ModuleList> loadedModules() override;
    CpuidVendorWords cpuidVendor() override;
    std::uint64_t timeStampCounter() override;
    std::uint32_t priorityClass() override;
    bool setPriorityClass(std::uint32_t priorityClass) override;
    void sleep(std::chrono::milliseconds duration) override;

  private:
    bool perfDataUsed_ = false;
};

} // namespace platform
