// Feeds arbitrary bytes to the sampler as performance-data blocks: two samples from the same
// input (the first fixes the processor count), then the load of every instance. A block may
// be refused with the sampler's error text, never read past its end.
#include "platform/fake/fake_hardware.h"
#include "sysinfo/cpu_usage.h"
#include "ui/errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    platform::FakeHardware hw;
    // Exactly as large as the input, so that any read past the block is a read past the
    // allocation that the address sanitizer sees.
    hw.perfBlock = std::vector<std::uint8_t>(data, data + size);
    brelk::sysinfo::CpuUsage cpu(hw);
    try {
        cpu.sample();
        cpu.sample();
        const int count = cpu.cpuCount();
        if (count < 1) std::abort();
        for (int i = 0; i < count && i < 64; ++i) {
            const double load = cpu.cpuUsage(i);
            if (!(load >= 0.0 && load <= 1.0)) std::abort();
        }
    } catch (const ui::Exception&) {
    }
    return 0;
}
