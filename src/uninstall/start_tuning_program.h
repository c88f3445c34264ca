// uninstall.exe: the small program that the start menu's Uninstall link and the RunOnce value
// "brelkuninstall" start. It starts brelk.exe beside it with its own arguments (so
// "/afterrestart" opens the page with the uninstall) and ends.
#pragma once

#include "platform/shell.h"

#include <functional>
#include <string>
#include <string_view>

namespace uninstall {

// What follows the program's name on a command line, without the blanks between: the name is
// either quoted or ends at the first blank, as the system splits it.
std::string argumentsOf(std::string_view commandLine);

// Starts brelk.exe in programFolder (with its trailing backslash) with the arguments and that
// folder as working folder. Returns the program's exit code: 0 when it started; otherwise it
// tells the user why and returns 1.
int startTuningProgram(platform::Shell& shell, const std::string& programFolder,
                       const std::string& arguments,
                       const std::function<void(const std::string&)>& tell);

} // namespace uninstall
