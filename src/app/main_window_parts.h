// The main window as the program puts it together: every subsystem's handlers and layout
// fragment, and the slots the shell leaves to the subsystems above it.
#pragma once

#include "shell/main_window.h"

#include <span>

namespace brelk {

// The parts of the main window in their order: the shell's base layout first.
std::span<const MainWindowPart> mainWindowParts();

} // namespace brelk
