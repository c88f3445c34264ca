#include "sysinfo/hardware_page.h"

#include "shell/main_window.h"
#include "shell/pages.h"
#include "sysinfo/gauges.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"
#include "ui/string_grid.h"

#include <cmath>

namespace brelk::sysinfo {
namespace {

struct AdviceBand {
    long long from, to;
    const char* text;
};

constexpr AdviceBand kProcessorAdvice[] = {
    {100, 700, "1 Ghz CPU"},
    {701, 1700, "2 Ghz CPU"},
    {1701, 2700, "3 Ghz CPU"},
    {2701, 4000, "-"},
};

constexpr AdviceBand kMemoryAdvice[] = {
    {16, 200, "256 MB"}, {201, 400, "512 MB"}, {401, 650, "768 MB"},
    {651, 900, "1 GB"},  {901, 2000, "-"},
};

template <std::size_t N>
std::optional<std::string> adviceFor(const AdviceBand (&bands)[N], long long value) {
    for (const auto& band : bands) {
        if (value >= band.from && value <= band.to) return band.text;
    }
    return std::nullopt;
}

// Rounded half to even, as the class library rounds.
long long roundedMhz(double mhz) {
    return static_cast<long long>(std::nearbyint(mhz));
}

// Puts the process back into its former priority class, also when the measurement fails.
class PriorityRestore {
  public:
    explicit PriorityRestore(platform::Hardware& hw) : hw_(hw), former_(hw.priorityClass()) {}
    ~PriorityRestore() { hw_.setPriorityClass(former_); }
    PriorityRestore(const PriorityRestore&) = delete;
    PriorityRestore& operator=(const PriorityRestore&) = delete;

  private:
    platform::Hardware& hw_;
    std::uint32_t former_;
};

void setAdvice(ui::StringGrid& grid, int row, const std::optional<std::string>& advice) {
    if (advice) grid.setCell(2, row, *advice);
}

} // namespace

std::string vendorText(const platform::CpuidVendorWords& words) {
    std::string text;
    for (std::uint32_t word : {words.ebx, words.edx, words.ecx}) {
        for (int i = 0; i < 4; ++i)
            text += static_cast<char>((word >> (8 * i)) & 0xFF);
    }
    return text;
}

double MeasureCpuMhz(platform::Hardware& hw) {
    PriorityRestore restore(hw);
    hw.setPriorityClass(platform::priority::realTime);
    const std::uint64_t start = hw.timeStampCounter();
    hw.sleep(std::chrono::milliseconds(500));
    const std::uint64_t end = hw.timeStampCounter();
    return static_cast<std::uint32_t>(end - start) / 500000.0;
}

std::optional<std::string> processorAdvice(long long mhz) {
    return adviceFor(kProcessorAdvice, mhz);
}

std::optional<std::string> memoryAdvice(long long t) {
    return adviceFor(kMemoryAdvice, t);
}

void Systeminfo(MainWindow& w) {
    // The menu page records the id of the hardware page, whose scroll box the wheel moves.
    showPage(w, "Panel84");
    w.state.pagehistory.push(83);

    auto& hw = w.ctx.platform.hardware;
    const std::string vendor = vendorText(hw.cpuidVendor());
    const MemoryReading memory = getmemorystatus(w.ctx.platform.system);
    auto& grid = w.c<ui::StringGrid>("StringGrid1");
    grid.setCell(0, 0, "Komponente");
    grid.setCell(1, 0, "Eigenschaften");
    grid.setCell(2, 0, "Vorschlag");
    grid.setCell(0, 1, "Prozessor");
    grid.setCell(1, 1, vendor + "  " + std::to_string(roundedMhz(MeasureCpuMhz(hw))) + " Mhz");
    grid.setCell(0, 2, "Speicher");
    grid.setCell(1, 2,
                 std::to_string((memory.free >> 20) + 1) + "/" +
                     std::to_string((memory.total >> 20) + 1) + " MB");
    setAdvice(grid, 1, processorAdvice(roundedMhz(MeasureCpuMhz(hw))));
    setAdvice(grid, 2, memoryAdvice(static_cast<long long>(memory.total >> 20) + 1));
}

void Hardwareanalyse(MainWindow& w) {
    w.c<ui::Button>("Button3").hide();
    showPage(w, "Panel83");
}

} // namespace brelk::sysinfo
