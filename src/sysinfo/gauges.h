// The two live gauges on the main window's frame: free physical memory (Gauge6, in whole
// kilobytes) and the load of the first processor instance (Gauge7), refreshed by Timer2.
#pragma once

#include "platform/hardware.h"
#include "platform/system_info.h"
#include "sysinfo/cpu_usage.h"
#include "ui/types.h"

#include <cstdint>

namespace brelk {
class MainWindow;
}

namespace brelk::sysinfo {

struct MemoryReading {
    std::uint64_t total = 0;
    std::uint64_t free = 0;
};

// Total and available physical memory in bytes.
MemoryReading getmemorystatus(platform::SystemInfo& system);

// The ceiling of progress / maximum in percent; 0 for an empty range.
int ceilPercent(long long progress, long long maximum);
// Bar colours: blue from 70 % free memory, orange from 20 %, red below.
ui::Color freeMemoryColor(int percentFree);
// Bar colours: blue up to 29 % load, orange from 30 %, red from 70 %.
ui::Color loadColor(int percentLoad);

// The gauges tick from the moment the main window is on screen after its start-up: a report of
// a failing sampler then comes over the main window, not over the splash or a start-up message,
// whose modal loops would let the timer tick.
void startGauges(MainWindow& w);

// One refresh per tick. A failing sampler is reported once through the application's error
// display, leaves the load gauge at 0 and is tried again quietly; it is reported again only
// after it has worked in between. Failed tries are spaced out (2, 4, 8 ... up to 64 ticks
// apart): where the system has no processor data, asking for it can cost more than a frame.
class GaugeRefresh {
  public:
    static constexpr int kLongestRetryWait = 64;

    explicit GaugeRefresh(platform::Hardware& hw) : sampler_(hw) {}
    void tick(MainWindow& w);
    CpuUsage& sampler() { return sampler_; }

  private:
    void refreshLoad(MainWindow& w);

    CpuUsage sampler_;
    bool failureShown_ = false;
    int failures_ = 0;    // in a row
    int ticksToWait_ = 0; // before the next try
};

} // namespace brelk::sysinfo
