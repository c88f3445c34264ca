#include "sysinfo/cpu_usage.h"

#include "sysinfo/checked_math.h"
#include "sysinfo/perf_block.h"
#include "ui/errors.h"

#include <algorithm>

namespace brelk::sysinfo {
namespace {

constexpr const char* kProcessorObjectIndex = "238";
constexpr const char* kCpuUsageValue = "KERNEL\\CPUUsage";

} // namespace

CpuUsage::CpuUsage(platform::Hardware& hw) : hw_(hw), buffer_(kInitialBufferSize, 0) {}

CpuUsage::~CpuUsage() {
    stopMonitoring();
}

bool CpuUsage::winNT() {
    if (!winNT_) {
        const auto id = hw_.platformId();
        if (!id) throw ui::Exception("Can't get the Windows version");
        winNT_ = *id == platform::platformid::windowsNT;
    }
    return *winNT_;
}

void CpuUsage::sample() {
    if (winNT()) {
        sampleNT();
    } else {
        sample9x();
    }
}

void CpuUsage::sampleNT() {
    auto answer = hw_.queryPerformanceData(kProcessorObjectIndex, buffer_);
    while (answer.status == platform::PerfQueryStatus::MoreData) {
        if (buffer_.size() + kBufferStep > kBufferLimit) throw ui::Exception(kNoProcessorObject);
        buffer_.resize(buffer_.size() + kBufferStep, 0);
        answer = hw_.queryPerformanceData(kProcessorObjectIndex, buffer_);
    }
    if (answer.status != platform::PerfQueryStatus::Ok) throw ui::Exception(kNoProcessorObject);

    const auto counters =
        readProcessorCounters(std::span<const std::uint8_t>(buffer_.data(), answer.size),
                              count_ < 0 ? std::nullopt : std::optional<std::int32_t>(count_));
    if (count_ < 0) {
        // The first sample fixes the count; with nothing earlier to compare, it counts as its
        // own predecessor, so the load reads 0 until the second sample.
        count_ = counters.instances;
        current_ = counters.idle;
        currentTime_ = counters.time;
    }
    previous_ = std::move(current_);
    current_ = counters.idle;
    previousTime_ = currentTime_;
    currentTime_ = counters.time;
}

void CpuUsage::sample9x() {
    if (!dataKey_) {
        auto start = hw_.openDynData("PerfStats\\StartStat", true);
        if (!start) throw ui::Exception("Unable to start performance monitoring");
        start->readDword(kCpuUsageValue); // reading it starts the statistic
        start.reset();
        dataKey_ = hw_.openDynData("PerfStats\\StatData", false);
        if (!dataKey_) throw ui::Exception("Unable to read performance data");
    }
    if (auto load = dataKey_->readDword(kCpuUsageValue)) load9x_ = *load;
}

int CpuUsage::cpuCount() {
    if (!winNT()) return 1;
    if (count_ < 0) sample();
    return count_;
}

double CpuUsage::cpuUsage(int index) {
    if (!winNT()) {
        if (index != 0) throw ui::Exception("CPU index out of bounds");
        if (!dataKey_) sample();
        return std::min<std::uint32_t>(load9x_, 100) / 100.0;
    }
    if (count_ < 0) sample();
    if (index < 0 || index >= count_) throw ui::Exception("CPU index out of bounds");
    if (currentTime_ == previousTime_) return 0.0;
    const auto i = static_cast<std::size_t>(index);
    const long double idle = checkedSub(current_[i], previous_[i]);
    const long double elapsed = checkedSub(currentTime_, previousTime_);
    return static_cast<double>(std::clamp(1.0L - idle / elapsed, 0.0L, 1.0L));
}

void CpuUsage::stopMonitoring() {
    if (!dataKey_) return;
    dataKey_.reset();
    if (auto stop = hw_.openDynData("PerfStats\\StopStat", true)) {
        stop->readDword(kCpuUsageValue); // reading it stops the statistic
    }
}

} // namespace brelk::sysinfo
