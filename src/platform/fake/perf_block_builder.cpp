#include "platform/fake/perf_block_builder.h"

#include "platform/perf_data_layout.h"
#include "platform/system_time.h"

#include <algorithm>

namespace platform {
namespace {

using namespace perf;

void grow(std::vector<std::uint8_t>& b, std::size_t end) {
    if (b.size() < end) b.resize(end, 0);
}

// Two counters: a user-time counter first, so that a reader has to walk past it, then the
// processor-time counter (the idle time) at offset 8 of the counter block.
constexpr std::size_t kCounterCount = 2;
constexpr std::size_t kIdleOffset = 8;
constexpr std::size_t kUserOffset = 16;
constexpr std::size_t kCounterBlockSize = 24;
constexpr std::size_t kInstanceDefinitionSize = kInstanceSize + 8; // with a short name

std::size_t appendObject(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t titleIndex,
                         std::size_t totalBytes) {
    grow(b, at + totalBytes);
    storeU32(b, at + kObjectTotalByteLength, static_cast<std::uint32_t>(totalBytes));
    storeU32(b, at + kObjectDefinitionLength, static_cast<std::uint32_t>(kObjectSize));
    storeU32(b, at + kObjectHeaderLength, static_cast<std::uint32_t>(kObjectSize));
    storeU32(b, at + kObjectNameTitleIndex, titleIndex);
    storeU32(b, at + kObjectNumInstances, 0xFFFFFFFFu); // no instances
    return at + totalBytes;
}

void storeCounter(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t titleIndex,
                  std::uint32_t offset) {
    storeU32(b, at + kCounterByteLength, static_cast<std::uint32_t>(kCounterDefinitionSize));
    storeU32(b, at + kCounterNameTitleIndex, titleIndex);
    storeU32(b, at + kCounterSize, 8);
    storeU32(b, at + kCounterOffset, offset);
}

std::size_t appendProcessorObject(std::vector<std::uint8_t>& b, std::size_t at,
                                  const PerfSample& sample) {
    const std::size_t definition = kObjectSize + kCounterCount * kCounterDefinitionSize;
    const std::size_t perInstance = kInstanceDefinitionSize + kCounterBlockSize;
    const std::size_t total = definition + sample.idle.size() * perInstance;
    grow(b, at + total);
    storeU32(b, at + kObjectTotalByteLength, static_cast<std::uint32_t>(total));
    storeU32(b, at + kObjectDefinitionLength, static_cast<std::uint32_t>(definition));
    storeU32(b, at + kObjectHeaderLength, static_cast<std::uint32_t>(kObjectSize));
    storeU32(b, at + kObjectNameTitleIndex, kProcessorObject);
    storeU32(b, at + kObjectNumCounters, static_cast<std::uint32_t>(kCounterCount));
    storeU32(b, at + kObjectNumInstances, static_cast<std::uint32_t>(sample.idle.size()));
    storeCounter(b, at + kObjectSize, 142, kUserOffset);
    storeCounter(b, at + kObjectSize + kCounterDefinitionSize,
                 sample.withProcessorTimeCounter ? kProcessorTimeCounter : 144, kIdleOffset);

    std::size_t instance = at + definition;
    for (std::size_t i = 0; i < sample.idle.size(); ++i) {
        const bool total = i + 1 == sample.idle.size();
        storeU32(b, instance + kInstanceByteLength,
                 static_cast<std::uint32_t>(kInstanceDefinitionSize));
        storeU32(b, instance + kInstanceNameOffset, static_cast<std::uint32_t>(kInstanceSize));
        storeU32(b, instance + kInstanceNameLength, 4);
        storeU16(b, instance + kInstanceSize,
                 total ? '_' : static_cast<std::uint16_t>('0' + i % 10));
        const std::size_t block = instance + kInstanceDefinitionSize;
        storeU32(b, block + kCounterBlockByteLength, static_cast<std::uint32_t>(kCounterBlockSize));
        storeU64(b, block + kIdleOffset, sample.idle[i]);
        storeU64(b, block + kUserOffset, 0);
        instance = block + kCounterBlockSize;
    }
    return at + total;
}

} // namespace

void storeU16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    grow(b, at + 2);
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void storeU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    storeU16(b, at, static_cast<std::uint16_t>(v));
    storeU16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void storeU64(std::vector<std::uint8_t>& b, std::size_t at, std::uint64_t v) {
    storeU32(b, at, static_cast<std::uint32_t>(v));
    storeU32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

std::vector<std::uint8_t> buildPerfBlock(const PerfSample& sample) {
    std::vector<std::uint8_t> b(kBlockSize, 0);
    const char* signature = "PERF";
    for (int i = 0; i < 4; ++i)
        storeU16(b, kBlockSignature + 2 * i, static_cast<std::uint16_t>(signature[i]));
    storeU32(b, kBlockHeaderLength, static_cast<std::uint32_t>(kBlockSize));
    const CalendarTime t = calendarFromFileTime(sample.time);
    const std::uint16_t fields[] = {t.year, t.month,  t.dayOfWeek, t.day,
                                    t.hour, t.minute, t.second,    t.milliseconds};
    for (std::size_t i = 0; i < 8; ++i)
        storeU16(b, kBlockSystemTime + 2 * i, fields[i]);

    std::uint32_t objects = 0;
    std::size_t at = kBlockSize;
    if (sample.otherObjectBytes > 0) {
        at = appendObject(b, at, 2, std::max(sample.otherObjectBytes, kObjectSize));
        ++objects;
    }
    if (sample.withProcessorObject) {
        at = appendProcessorObject(b, at, sample);
        ++objects;
    }
    storeU32(b, kBlockNumObjectTypes, objects);
    storeU32(b, kBlockTotalByteLength, static_cast<std::uint32_t>(at));
    return b;
}

std::vector<std::uint8_t> buildModuleList(const std::vector<std::string>& paths,
                                          const ModuleListLayout& layout) {
    std::vector<std::uint8_t> b(layout.firstRecord + paths.size() * layout.recordSize, 0);
    storeU32(b, 0, static_cast<std::uint32_t>(paths.size()));
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::size_t at = layout.firstRecord + i * layout.recordSize + layout.pathOffset;
        const std::size_t n = std::min(paths[i].size(), layout.pathSize);
        std::copy_n(paths[i].begin(), n, b.begin() + static_cast<std::ptrdiff_t>(at));
    }
    return b;
}

} // namespace platform
