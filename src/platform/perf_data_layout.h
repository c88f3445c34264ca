// Byte offsets of the performance-data block as the platform publishes it (PERF_DATA_BLOCK,
// PERF_OBJECT_TYPE, PERF_COUNTER_DEFINITION, PERF_INSTANCE_DEFINITION, PERF_COUNTER_BLOCK).
// All fields are little-endian; the layout is the same for 32- and 64-bit programs.
#pragma once

#include <cstddef>

namespace platform::perf {

// PERF_DATA_BLOCK
constexpr std::size_t kBlockSignature = 0; // "PERF" in UTF-16
constexpr std::size_t kBlockTotalByteLength = 20;
constexpr std::size_t kBlockHeaderLength = 24;
constexpr std::size_t kBlockNumObjectTypes = 28;
constexpr std::size_t kBlockSystemTime = 36; // SYSTEMTIME: eight 16-bit fields
constexpr std::size_t kBlockSize = 88;

// PERF_OBJECT_TYPE
constexpr std::size_t kObjectTotalByteLength = 0;
constexpr std::size_t kObjectDefinitionLength = 4;
constexpr std::size_t kObjectHeaderLength = 8;
constexpr std::size_t kObjectNameTitleIndex = 12;
constexpr std::size_t kObjectNumCounters = 32;
constexpr std::size_t kObjectNumInstances = 40;
constexpr std::size_t kObjectSize = 64;

// PERF_COUNTER_DEFINITION
constexpr std::size_t kCounterByteLength = 0;
constexpr std::size_t kCounterNameTitleIndex = 4;
constexpr std::size_t kCounterType = 28;
constexpr std::size_t kCounterSize = 32;
constexpr std::size_t kCounterOffset = 36;
constexpr std::size_t kCounterDefinitionSize = 40;

// PERF_INSTANCE_DEFINITION
constexpr std::size_t kInstanceByteLength = 0;
constexpr std::size_t kInstanceNameOffset = 16;
constexpr std::size_t kInstanceNameLength = 20;
constexpr std::size_t kInstanceSize = 24;

// PERF_COUNTER_BLOCK
constexpr std::size_t kCounterBlockByteLength = 0;

// Title indexes of the processor object and of its processor-time counter.
constexpr unsigned kProcessorObject = 238;
constexpr unsigned kProcessorTimeCounter = 6;

} // namespace platform::perf
