// Machine facts for tests: a performance block that tests replace between samples, a
// dynamic-data root held in maps, a module list, a processor of a set clock whose time-stamp
// counter moves while the program sleeps, and a recorded priority class.
#pragma once

#include "platform/fake/perf_block_builder.h"
#include "platform/hardware.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

class FakeHardware : public Hardware {
  public:
    std::optional<std::uint32_t> platformId() override { return platform; }
    PerfQueryResult queryPerformanceData(const std::string& objects,
                                         std::span<std::uint8_t> buffer) override;
    std::unique_ptr<DynDataKey> openDynData(const std::string& path, bool fullAccess) override;
    std::optional<ModuleList> loadedModules() override { return modules; }
    CpuidVendorWords cpuidVendor() override { return vendor; }
    std::uint64_t timeStampCounter() override { return tsc; }
    std::uint32_t priorityClass() override { return priority; }
    bool setPriorityClass(std::uint32_t p) override;
    void sleep(std::chrono::milliseconds duration) override;

    std::optional<std::uint32_t> platform = platformid::windowsNT;

    // The block the next query answers with; nothing makes the query fail.
    std::optional<std::vector<std::uint8_t>> perfBlock = buildPerfBlock({});
    struct PerfQuery {
        std::string objects;
        std::size_t offered;
        bool operator==(const PerfQuery&) const = default;
    };
    std::vector<PerfQuery> perfQueries;

    // Values of the dynamic-data root by key path and value name; the keys that open.
    std::map<std::string, std::map<std::string, std::uint32_t>> dynData;
    struct DynOpen {
        std::string path;
        bool fullAccess;
        bool operator==(const DynOpen&) const = default;
    };
    std::vector<DynOpen> dynOpens;
    std::vector<std::string> dynReads; // "path\value" in the order read
    int openDynKeys = 0;

    std::optional<ModuleList> modules =
        ModuleList{buildModuleList(
                       {"\\SystemRoot\\System32\\ntoskrnl.exe", "\\SystemRoot\\System32\\hal.dll"}),
                   {}};

    // "GenuineIntel"
    CpuidVendorWords vendor{0x756E6547, 0x49656E69, 0x6C65746E};
    double clockMhz = 2400.0;
    std::uint64_t tsc = 1'000'000;
    std::uint32_t priority = priority::normal;
    std::vector<std::uint32_t> prioritySets;
    // The priority class at each sleep.
    std::vector<std::uint32_t> priorityWhileSleeping;
    bool refusePriority = false;
};

} // namespace platform
