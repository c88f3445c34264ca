// Builds performance-data blocks and loaded-module lists in the platform's published layout,
// for the fake platform and for tests that feed the parsers made-up data.
#pragma once

#include "platform/hardware.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct PerfSample {
    // File time of the sample (100-ns units since 1601); the block keeps whole milliseconds.
    std::uint64_t time = 0x01DD'0000'0000'0000ull;
    // The raw idle counter of each processor instance, the total instance last.
    std::vector<std::uint64_t> idle{0, 0};
    // Bytes of an object of another kind placed before the processor object.
    std::size_t otherObjectBytes = 0;
    bool withProcessorObject = true;
    bool withProcessorTimeCounter = true;
};

std::vector<std::uint8_t> buildPerfBlock(const PerfSample& sample);

// A module list with the given paths in the given layout.
std::vector<std::uint8_t> buildModuleList(const std::vector<std::string>& paths,
                                          const ModuleListLayout& layout = {});

// Little-endian stores into a byte buffer that grows as needed.
void storeU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v);
void storeU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
void storeU64(std::vector<std::uint8_t>& b, std::size_t at, std::uint64_t v);

} // namespace platform
