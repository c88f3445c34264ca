#include "platform/win32/win32_hardware.h"

#include "platform/perf_data_layout.h"

#include <windows.h>

#include <cpuid.h>
#include <cstddef>
#include <winperf.h>
#include <x86intrin.h>

namespace platform {
namespace {

// The portable reader's offsets are the platform's own.
static_assert(offsetof(PERF_DATA_BLOCK, TotalByteLength) == perf::kBlockTotalByteLength);
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == perf::kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == perf::kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == perf::kBlockSystemTime);
static_assert(sizeof(PERF_DATA_BLOCK) == perf::kBlockSize);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == perf::kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == perf::kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == perf::kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == perf::kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == perf::kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == perf::kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) ==
              perf::kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterSize) == perf::kCounterSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == perf::kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == perf::kCounterDefinitionSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameOffset) == perf::kInstanceNameOffset);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == perf::kInstanceSize);

// One record of the loaded-module list (information class 11), as the system lays it out for
// a program of this width.
struct ModuleRecord {
    HANDLE section;
    PVOID mappedBase;
    PVOID imageBase;
    ULONG imageSize;
    ULONG flags;
    USHORT loadOrderIndex;
    USHORT initOrderIndex;
    USHORT loadCount;
    USHORT offsetToFileName;
    CHAR fullPathName[256];
};

struct ModuleListHead {
    ULONG count;
    ModuleRecord modules[1];
};

constexpr ULONG kSystemModuleInformation = 11;

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// Resolved once; the call is not part of the documented import libraries.
QuerySystemInformation querySystemInformation() {
    static const QuerySystemInformation call = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll ? reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
                           GetProcAddress(ntdll, "NtQuerySystemInformation")))
                     : nullptr;
    }();
    return call;
}

class Win32DynDataKey : public DynDataKey {
  public:
    explicit Win32DynDataKey(HKEY key) : key_(key) {}
    ~Win32DynDataKey() override { RegCloseKey(key_); }

    std::optional<std::uint32_t> readDword(const std::string& name) override {
        DWORD value = 0, size = sizeof value, type = 0;
        if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                             &size) != ERROR_SUCCESS ||
            size != sizeof value) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(value);
    }

  private:
    HKEY key_;
};

} // namespace

Win32Hardware::~Win32Hardware() {
    if (perfDataUsed_) RegCloseKey(HKEY_PERFORMANCE_DATA);
}

std::optional<std::uint32_t> Win32Hardware::platformId() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return std::nullopt;
    return static_cast<std::uint32_t>(info.dwPlatformId);
}

PerfQueryResult Win32Hardware::queryPerformanceData(const std::string& objects,
                                                    std::span<std::uint8_t> buffer) {
    perfDataUsed_ = true;
    DWORD type = 0;
    DWORD size = buffer.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(buffer.size());
    const LONG status = RegQueryValueExA(HKEY_PERFORMANCE_DATA, objects.c_str(), nullptr, &type,
                                         buffer.data(), &size);
    if (status == ERROR_MORE_DATA) return {PerfQueryStatus::MoreData, 0};
    if (status != ERROR_SUCCESS) return {PerfQueryStatus::Failed, 0};
    return {PerfQueryStatus::Ok, size < buffer.size() ? size : buffer.size()};
}

std::unique_ptr<DynDataKey> Win32Hardware::openDynData(const std::string& path, bool fullAccess) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_DYN_DATA, path.c_str(), 0, fullAccess ? KEY_ALL_ACCESS : KEY_READ,
                      &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32DynDataKey>(key);
}

std::optional<ModuleList> Win32Hardware::loadedModules() {
    const QuerySystemInformation call = querySystemInformation();
    if (!call) return std::nullopt;
    ULONG needed = 0;
    call(kSystemModuleInformation, nullptr, 0, &needed);
    if (needed == 0 || needed > 0x4000000) return std::nullopt;
    // Twice the size asked for: modules loaded between the two calls still fit.
    ModuleList list;
    list.bytes.assign(static_cast<std::size_t>(needed) * 2, 0);
    if (call(kSystemModuleInformation, list.bytes.data(), static_cast<ULONG>(list.bytes.size()),
             &needed) < 0) {
        return std::nullopt;
    }
    list.layout = {offsetof(ModuleListHead, modules), sizeof(ModuleRecord),
                   offsetof(ModuleRecord, fullPathName), sizeof(ModuleRecord::fullPathName)};
    return list;
}

CpuidVendorWords Win32Hardware::cpuidVendor() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(0, &eax, &ebx, &ecx, &edx)) return {};
    return {ebx, edx, ecx};
}

std::uint64_t Win32Hardware::timeStampCounter() {
    return __rdtsc();
}

std::uint32_t Win32Hardware::priorityClass() {
    return static_cast<std::uint32_t>(GetPriorityClass(GetCurrentProcess()));
}

bool Win32Hardware::setPriorityClass(std::uint32_t priorityClass) {
    return SetPriorityClass(GetCurrentProcess(), priorityClass) != 0;
}

void Win32Hardware::sleep(std::chrono::milliseconds duration) {
    Sleep(static_cast<DWORD>(duration.count()));
}

} // namespace platform
