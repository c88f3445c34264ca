// Reads the idle counters of the processor object from a performance-data block. Every
// length, offset and count of the block is checked against its size: a block that points
// outside itself ends the read with the sampler's error text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brelk::sysinfo {

struct ProcessorCounters {
    // Instances of the processor object (the processors and the total instance after them).
    std::int32_t instances = 0;
    // The raw idle counter of the first instances read.
    std::vector<std::int64_t> idle;
    // The block's time stamp as a file time (100-ns units).
    std::int64_t time = 0;
};

// Reads `count` instances, or all of them when count is not given.
ProcessorCounters readProcessorCounters(std::span<const std::uint8_t> block,
                                        std::optional<std::int32_t> count);

extern const char* const kNoProcessorObject;
extern const char* const kNoProcessorTimeCounter;

} // namespace brelk::sysinfo
