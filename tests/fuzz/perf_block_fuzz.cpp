// Feeds arbitrary bytes to the performance-data reader as two successive blocks. The input is
// a 16-bit little-endian length, the first block of that many bytes (as many as there are)
// and the second block made of the rest, so that the two samples differ and the load
// arithmetic between them is reached.
//
// The reader first gets each block as an exact-size heap copy: the sampler's own buffer is
// larger than the block it holds, so a read past a block inside it would go unseen. Then the
// sampler takes the two blocks as its two samples (a block beyond its first buffer makes it
// grow the buffer) and the load of every instance must lie in 0..1. A block may be refused
// with the sampler's error text, never read past its end.
#include "platform/fake/fake_hardware.h"
#include "sysinfo/cpu_usage.h"
#include "sysinfo/perf_block.h"
#include "ui/errors.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>

namespace {

// Reads one block from a copy that ends exactly where the block does; the instance count of
// the block, or nothing when the reader refuses it.
std::optional<std::int32_t> readExact(std::span<const std::uint8_t> block,
                                      std::optional<std::int32_t> count) {
    const auto copy = std::make_unique_for_overwrite<std::uint8_t[]>(block.size());
    std::copy(block.begin(), block.end(), copy.get());
    try {
        const auto counters =
            brelk::sysinfo::readProcessorCounters({copy.get(), block.size()}, count);
        const auto wanted = static_cast<std::size_t>(count.value_or(counters.instances));
        if (counters.idle.size() != wanted) std::abort();
        return counters.instances;
    } catch (const ui::Exception&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::span<const std::uint8_t> input(data + 2, size - 2);
    const std::size_t split = std::min<std::size_t>(data[0] | data[1] << 8, input.size());
    const auto first = input.first(split);
    const auto second = input.subspan(split);

    // The second sample is read with the count the first one fixed, as the sampler does.
    const auto count = readExact(first, std::nullopt);
    readExact(second, count);
    readExact(second, std::nullopt);

    platform::FakeHardware hw;
    hw.perfBlock = std::vector<std::uint8_t>(first.begin(), first.end());
    brelk::sysinfo::CpuUsage cpu(hw);
    try {
        cpu.sample();
        hw.perfBlock = std::vector<std::uint8_t>(second.begin(), second.end());
        cpu.sample();
        const int instances = cpu.cpuCount();
        if (instances < 1) std::abort();
        for (int i = 0; i < instances && i < 64; ++i) {
            const double load = cpu.cpuUsage(i);
            if (!(load >= 0.0 && load <= 1.0)) std::abort();
        }
    } catch (const ui::Exception&) {
    }
    return 0;
}
