// Low-level facts of the machine that the system-information pages read: the performance data
// of the processor object, the statistics of the old Windows family's dynamic-data root, the
// list of loaded kernel modules, the processor's identification and time-stamp counter, and
// the process's priority class.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The platform id of the operating-system version information.
namespace platformid {
constexpr std::uint32_t windows9x = 1;
constexpr std::uint32_t windowsNT = 2;
} // namespace platformid

// Process priority classes, with the values of the Windows API.
namespace priority {
constexpr std::uint32_t normal = 0x20;
constexpr std::uint32_t high = 0x80;
constexpr std::uint32_t realTime = 0x100;
} // namespace priority

enum class PerfQueryStatus {
    Ok,       // the block fills the first `size` bytes of the buffer
    MoreData, // the buffer is too small; nothing usable in it
    Failed,   // no performance data
};

struct PerfQueryResult {
    PerfQueryStatus status = PerfQueryStatus::Failed;
    std::size_t size = 0;
};

// Where the loaded-module list keeps its fields: a 32-bit count, then fixed-size records, each
// with the module's full path as a zero-terminated text at a fixed place. The figures depend
// on the width of the system's pointers.
struct ModuleListLayout {
    std::size_t firstRecord = 4;
    std::size_t recordSize = 284;
    std::size_t pathOffset = 28;
    std::size_t pathSize = 256;

    bool operator==(const ModuleListLayout&) const = default;
};

struct ModuleList {
    std::vector<std::uint8_t> bytes;
    ModuleListLayout layout;
};

// The three result words of processor-identification leaf 0, which hold the vendor text.
struct CpuidVendorWords {
    std::uint32_t ebx = 0, edx = 0, ecx = 0;
};

// An open key of the dynamic-data root (Windows 95 to Me); closed when it goes away.
class DynDataKey {
  public:
    virtual ~DynDataKey() = default;
    // The 4-byte value; nothing when it cannot be read.
    virtual std::optional<std::uint32_t> readDword(const std::string& name) = 0;
};

class Hardware {
  public:
    virtual ~Hardware() = default;

    // The platform id of the version information; nothing when it cannot be read.
    virtual std::optional<std::uint32_t> platformId() = 0;
    // Reads the performance data of the objects named by their title indexes ("238") into the
    // buffer, offering all of it.
    virtual PerfQueryResult queryPerformanceData(const std::string& objects,
                                                 std::span<std::uint8_t> buffer) = 0;
    // Opens a key of the dynamic-data root; nothing when it does not open.
    virtual std::unique_ptr<DynDataKey> openDynData(const std::string& path, bool fullAccess) = 0;
    // The raw loaded-module list of the system-information call; nothing when the call is
    // missing or fails.
    virtual std::optional<ModuleList> loadedModules() = 0;
    virtual CpuidVendorWords cpuidVendor() = 0;
    virtual std::uint64_t timeStampCounter() = 0;
    virtual std::uint32_t priorityClass() = 0;
    virtual bool setPriorityClass(std::uint32_t priorityClass) = 0;
    virtual void sleep(std::chrono::milliseconds duration) = 0;
};

} // namespace platform
