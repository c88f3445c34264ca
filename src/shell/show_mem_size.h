// The memory size of the machine in whole MB, shown in the main window's Edit2 and read by
// the page-file calculation and the tuning rows; the page-file size is kept beside it.
#pragma once

#include <cstdint>
#include <string>

namespace brelk {

class MainWindow;

// The text shown for a physical memory of mb MB: sizes one MB short of a usual module size
// (the part the system keeps for itself) are shown as that size.
std::string memorySizeText(std::uint64_t mb);

void showmemsize(MainWindow& w);

} // namespace brelk
