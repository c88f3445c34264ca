// The system-information menu page and the hardware summary: the processor's vendor and
// clock, the memory, and upgrade advice for both.
#pragma once

#include "platform/hardware.h"

#include <optional>
#include <string>

namespace brelk {
class MainWindow;
}

namespace brelk::sysinfo {

// The 12-character vendor text of processor-identification leaf 0 (EBX, EDX, ECX, each low
// byte first).
std::string vendorText(const platform::CpuidVendorWords& words);

// The processor clock in MHz from the time-stamp counter over half a second, measured in the
// real-time priority class; the former class is restored afterwards.
double MeasureCpuMhz(platform::Hardware& hw);

// Upgrade advice for a clock in MHz and for t = memory in MB + 1; nothing outside the table.
std::optional<std::string> processorAdvice(long long mhz);
std::optional<std::string> memoryAdvice(long long t);

// The handlers of the menu label, the menu page and the hardware page.
void Systeminfo(MainWindow& w);
void Hardwareanalyse(MainWindow& w);

} // namespace brelk::sysinfo
