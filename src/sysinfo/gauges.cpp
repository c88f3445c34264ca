#include "sysinfo/gauges.h"

#include "shell/main_window.h"
#include "ui/application.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <exception>

namespace brelk::sysinfo {
namespace {

constexpr ui::Color kBlue = 0xD3A77E;
constexpr ui::Color kOrange = 0x54BAFE;
constexpr ui::Color kRed = 0x556FFD;

int kilobytes(std::uint64_t bytes) {
    return static_cast<int>(std::min<std::uint64_t>(bytes / 1024, INT_MAX));
}

} // namespace

MemoryReading getmemorystatus(platform::SystemInfo& system) {
    const auto status = system.memoryStatus();
    return {status.totalPhysical, status.availablePhysical};
}

int ceilPercent(long long progress, long long maximum) {
    if (maximum <= 0) return 0;
    // Multiplied first: whole percentages stay exact.
    return static_cast<int>(
        std::ceil(static_cast<double>(progress) * 100.0 / static_cast<double>(maximum)));
}

ui::Color freeMemoryColor(int percentFree) {
    ui::Color c = kBlue;
    if (percentFree < 70) c = kOrange;
    if (percentFree < 20) c = kRed;
    return c;
}

ui::Color loadColor(int percentLoad) {
    ui::Color c = kBlue;
    if (percentLoad > 29) c = kOrange;
    if (percentLoad > 69) c = kRed;
    return c;
}

void startGauges(MainWindow& w) {
    if (auto* timer = dynamic_cast<ui::Timer*>(w.find("Timer2"))) timer->setEnabled(true);
}

void GaugeRefresh::tick(MainWindow& w) {
    const MemoryReading memory = getmemorystatus(w.ctx.platform.system);
    auto& free = w.c<ui::Gauge>("Gauge6");
    free.setRange(free.min(), kilobytes(memory.total));
    free.setPosition(kilobytes(memory.free));
    free.setForeColor(freeMemoryColor(ceilPercent(free.position(), free.max())));

    refreshLoad(w);
}

void GaugeRefresh::refreshLoad(MainWindow& w) {
    auto& load = w.c<ui::Gauge>("Gauge7");
    if (ticksToWait_ > 0) {
        --ticksToWait_;
        return;
    }
    try {
        sampler_.sample();
        const double usage = sampler_.cpuUsage(0);
        failureShown_ = false;
        failures_ = 0;
        load.setRange(load.min(), 100);
        load.setPosition(static_cast<int>(std::ceil(usage * 100.0)));
        load.setForeColor(loadColor(load.position()));
    } catch (const std::exception& e) {
        // 0 in the colour of 0, not in that of the load shown before.
        load.setPosition(0);
        load.setForeColor(loadColor(0));
        failures_ = std::min(failures_ + 1, 6);
        ticksToWait_ = std::min(1 << failures_, kLongestRetryWait) - 1;
        if (failureShown_) return;
        // Marked before the message shows: the timer goes on ticking under the message box.
        failureShown_ = true;
        w.app().showException(e);
    }
}

} // namespace brelk::sysinfo
