// The processor-load sampler. On the NT family it reads the idle counter of every instance of
// the processor object from the performance data, once per sample, into one buffer kept
// between samples; the load of an instance is the share of the time between the last two
// samples that it was not idle. On the Windows 9x family it reads the kernel's load statistic
// from the dynamic-data root, which it starts on the first sample and stops at the end.
#pragma once

#include "platform/hardware.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace brelk::sysinfo {

class CpuUsage {
  public:
    static constexpr std::size_t kInitialBufferSize = 8192;
    static constexpr std::size_t kBufferStep = 4096;
    // A block that keeps asking for more beyond this is taken as no performance data.
    static constexpr std::size_t kBufferLimit = 16u << 20;

    explicit CpuUsage(platform::Hardware& hw);
    ~CpuUsage();
    CpuUsage(const CpuUsage&) = delete;
    CpuUsage& operator=(const CpuUsage&) = delete;

    // Takes one sample. Raises ui::Exception with the sampler's English texts.
    void sample();
    // 1 on 9x; on NT the instances of the processor object (the total instance included),
    // sampling first when no sample was taken yet.
    int cpuCount();
    // The load of one instance, 0..1.
    double cpuUsage(int index);
    // Stops the 9x statistic; nothing on NT.
    void stopMonitoring();

    std::size_t bufferSize() const { return buffer_.size(); }

  private:
    bool winNT();
    void sampleNT();
    void sample9x();

    platform::Hardware& hw_;
    std::optional<bool> winNT_;
    std::vector<std::uint8_t> buffer_;
    int count_ = -1;
    std::vector<std::int64_t> current_, previous_;
    std::int64_t currentTime_ = 0, previousTime_ = 0;
    std::unique_ptr<platform::DynDataKey> dataKey_;
    std::uint32_t load9x_ = 0;
};

} // namespace brelk::sysinfo
