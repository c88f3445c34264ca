// The listing page: installed programs, loaded drivers, running processes and services, each
// with its title, columns, order and count line; the run log Memo3 gets one line per entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brelk {
class MainWindow;
}

namespace brelk::sysinfo {

void installierteprogramme(MainWindow& w);
void Aktivetreibershow(MainWindow& w);
void Aktiveprozesse(MainWindow& w);
void showservices(MainWindow& w);

// The status shown for a service's start type; nothing for a type without one.
std::optional<std::string> serviceStatus(int start);
// A process id as at least four upper-case hexadecimal digits.
std::string processIdText(unsigned pid);
// The id such a text shows; nothing for a text that is no hexadecimal number of 32 bits.
std::optional<std::uint32_t> processIdFromText(const std::string& text);

} // namespace brelk::sysinfo
