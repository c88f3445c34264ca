#include "sysinfo/perf_block.h"

#include "platform/perf_data_layout.h"
#include "platform/system_time.h"
#include "ui/errors.h"

namespace brelk::sysinfo {

const char* const kNoProcessorObject = "Unable to locate the \"Processor\" performance object";
const char* const kNoProcessorTimeCounter =
    "Unable to locate the \"% of CPU usage\" performance counter";

namespace {

using namespace platform::perf;

// A view of the block that refuses any read past its end. Offsets are 64-bit, so sums of
// 32-bit fields cannot wrap.
class Bytes {
  public:
    explicit Bytes(std::span<const std::uint8_t> b) : b_(b) {}

    bool holds(std::uint64_t at, std::uint64_t n) const {
        return at <= b_.size() && n <= b_.size() - at;
    }
    std::uint32_t u32(std::uint64_t at, const char* error) const {
        need(at, 4, error);
        return static_cast<std::uint32_t>(u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16);
    }
    std::uint64_t u64(std::uint64_t at, const char* error) const {
        return u32(at, error) | static_cast<std::uint64_t>(u32(at + 4, error)) << 32;
    }
    std::uint16_t u16(std::uint64_t at, const char* error) const {
        need(at, 2, error);
        return u16(at);
    }

  private:
    void need(std::uint64_t at, std::uint64_t n, const char* error) const {
        if (!holds(at, n)) throw ui::Exception(error);
    }
    std::uint16_t u16(std::uint64_t at) const {
        return static_cast<std::uint16_t>(b_[at] | b_[at + 1] << 8);
    }
    std::span<const std::uint8_t> b_;
};

std::uint64_t findProcessorObject(const Bytes& b) {
    std::uint64_t object = b.u32(kBlockHeaderLength, kNoProcessorObject);
    const std::uint32_t objects = b.u32(kBlockNumObjectTypes, kNoProcessorObject);
    for (std::uint32_t i = 0; i < objects; ++i) {
        if (b.u32(object + kObjectNameTitleIndex, kNoProcessorObject) == kProcessorObject) break;
        const std::uint32_t length = b.u32(object + kObjectTotalByteLength, kNoProcessorObject);
        // A zero length would look at the same object again for the rest of the count.
        if (length == 0) break;
        object += length;
    }
    if (!b.holds(object, kObjectSize) ||
        b.u32(object + kObjectNameTitleIndex, kNoProcessorObject) != kProcessorObject) {
        throw ui::Exception(kNoProcessorObject);
    }
    return object;
}

std::uint64_t findProcessorTimeCounter(const Bytes& b, std::uint64_t object) {
    std::uint64_t counter = object + b.u32(object + kObjectHeaderLength, kNoProcessorObject);
    const std::uint32_t counters = b.u32(object + kObjectNumCounters, kNoProcessorObject);
    for (std::uint32_t i = 0; i < counters; ++i) {
        if (b.u32(counter + kCounterNameTitleIndex, kNoProcessorTimeCounter) ==
            kProcessorTimeCounter) {
            break;
        }
        const std::uint32_t length = b.u32(counter + kCounterByteLength, kNoProcessorTimeCounter);
        if (length == 0) break; // as for the objects
        counter += length;
    }
    if (!b.holds(counter, kCounterDefinitionSize) ||
        b.u32(counter + kCounterNameTitleIndex, kNoProcessorTimeCounter) != kProcessorTimeCounter) {
        throw ui::Exception(kNoProcessorTimeCounter);
    }
    return counter;
}

std::int64_t blockTime(const Bytes& b) {
    std::uint16_t f[8];
    for (std::uint64_t i = 0; i < 8; ++i)
        f[i] = b.u16(kBlockSystemTime + 2 * i, kNoProcessorObject);
    const auto time =
        platform::fileTimeFromCalendar({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]});
    if (!time) throw ui::Exception(kNoProcessorObject);
    return static_cast<std::int64_t>(*time);
}

} // namespace

ProcessorCounters readProcessorCounters(std::span<const std::uint8_t> block,
                                        std::optional<std::int32_t> count) {
    const Bytes b(block);
    ProcessorCounters result;
    const std::uint64_t object = findProcessorObject(b);
    result.instances =
        static_cast<std::int32_t>(b.u32(object + kObjectNumInstances, kNoProcessorObject));
    const std::int32_t wanted = count.value_or(result.instances);
    // Each instance takes at least its definition and a counter block: a count that cannot
    // fit the block is a lie, found before anything is allocated for it.
    if (wanted < 1 || static_cast<std::uint64_t>(wanted) * (kInstanceSize + 4) > block.size()) {
        throw ui::Exception(kNoProcessorObject);
    }
    const std::uint64_t counter = findProcessorTimeCounter(b, object);
    const std::uint32_t valueOffset = b.u32(counter + kCounterOffset, kNoProcessorTimeCounter);

    std::uint64_t instance = object + b.u32(object + kObjectDefinitionLength, kNoProcessorObject);
    result.idle.reserve(static_cast<std::size_t>(wanted));
    for (std::int32_t i = 0; i < wanted; ++i) {
        const std::uint64_t counters =
            instance + b.u32(instance + kInstanceByteLength, kNoProcessorTimeCounter);
        result.idle.push_back(
            static_cast<std::int64_t>(b.u64(counters + valueOffset, kNoProcessorTimeCounter)));
        instance = counters + b.u32(counters + kCounterBlockByteLength, kNoProcessorTimeCounter);
    }
    result.time = blockTime(b);
    return result;
}

} // namespace brelk::sysinfo
